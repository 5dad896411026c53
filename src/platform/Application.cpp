#include "platform/Application.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QFont>

namespace platform {

void prepareApplication() {
    // The classroom answers the desktop's signals itself; SDL would otherwise swallow them.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    QApplication::setApplicationName(MessageBox::title);
    QApplication::setApplicationVersion("1.4");
    QApplication::setDesktopFileName("pipkins-classroom");
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

} // namespace platform
