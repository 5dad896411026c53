#include "platform/Application.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmapCache>

namespace platform {
namespace {
constexpr int kStylePixmapCacheKilobytes = 1024;
} // namespace

void prepareApplication() {
    // The classroom answers the desktop's signals itself; SDL would otherwise swallow them.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    QApplication::setApplicationName(MessageBox::title);
    QApplication::setApplicationVersion("1.4");
    QApplication::setDesktopFileName("pipkins-classroom");
    // Desktops without the desktop entry (a bare X11 window manager) take the icon from the window.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/pipkins-classroom.svg")));
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    // The style keeps a picture of every button it draws, per size and state, up to 10 MB by default;
    // the boards have large buttons in many sizes, so the cache filled over a session and stayed full.
    // Drawing even a large button afresh takes well under a millisecond (about 0.4 ms for 400 x 160
    // against 0.12 ms from the cache): a small cache is plenty.
    QPixmapCache::setCacheLimit(kStylePixmapCacheKilobytes);
}

} // namespace platform
