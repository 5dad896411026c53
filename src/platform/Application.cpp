#include "platform/Application.h"

#include "platform/AccessibleControl.h"
#include "platform/KeyboardAccess.h"
#include "platform/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmapCache>
#include <csignal>

namespace platform {
namespace {
constexpr int kStylePixmapCacheKilobytes = 1024;
} // namespace

void prepareApplication() {
    // The classroom answers the desktop's signals itself; SDL would otherwise swallow them.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    // Under a file size limit (ulimit -f) a write past it would end the program with SIGXFSZ, the
    // unsaved drawing and letter with it; ignored, the write fails with EFBIG and the save reports
    // its failure like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication::setApplicationName(MessageBox::title);
    QApplication::setApplicationVersion("1.4");
    QApplication::setDesktopFileName("org.pipkinsclassroom.classroom");
    // Desktops without the desktop entry (a bare X11 window manager) take the icon from the window.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/pipkins-classroom.svg")));
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    // The style keeps a picture of every button it draws, per size and state, up to 10 MB by default;
    // the boards have large buttons in many sizes, so the cache filled over a session and stayed full.
    // Drawing even a large button afresh takes well under a millisecond (about 0.4 ms for 400 x 160
    // against 0.12 ms from the cache): a small cache is plenty.
    QPixmapCache::setCacheLimit(kStylePixmapCacheKilobytes);
    // The factory installed last is asked first, before Qt's own (installed with QApplication),
    // which would describe every drawn label and picture as plain text.
    QAccessible::installFactory(accessibleControlFactory);
    // Installed before any board, so the boards' own key handling sees each key first.
    qApp->installEventFilter(new KeyboardAccess(qApp));
}

} // namespace platform
