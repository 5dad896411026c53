#include "platform/system/SystemServices.h"

#include "platform/system/WaylandSystemServices.h"
#include "platform/system/X11SystemServices.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <qpa/qplatformnativeinterface.h>

namespace platform::sys {
namespace {

std::unique_ptr<SystemServices> forX11() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::make_unique<NullSystemServices>();
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::make_unique<NullSystemServices>();
    return std::make_unique<X11SystemServices>(connection, screen->root);
}

std::unique_ptr<SystemServices> forWayland() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
    if (!display)
        return std::make_unique<NullSystemServices>();
    return std::make_unique<WaylandSystemServices>(display);
}

} // namespace

std::unique_ptr<SystemServices> SystemServices::forThisDesktop() {
    if (!qGuiApp)
        return std::make_unique<NullSystemServices>();
    // "wayland" or "wayland-egl", as QT_QPA_PLATFORM may name it.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return forX11();
    if (platform.startsWith(QLatin1String("wayland")))
        return forWayland();
    return std::make_unique<NullSystemServices>();
}

} // namespace platform::sys
