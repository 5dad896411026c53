#include "platform/system/SystemServices.h"

#include "platform/system/X11SystemServices.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace platform::sys {

std::unique_ptr<SystemServices> SystemServices::forThisDesktop() {
    auto* app = qGuiApp;
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return std::make_unique<NullSystemServices>();
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::make_unique<NullSystemServices>();
    return std::make_unique<X11SystemServices>(connection, screen->root);
}

} // namespace platform::sys
