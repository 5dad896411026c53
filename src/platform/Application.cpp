#include "platform/Application.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QFont>

namespace platform {

void prepareApplication() {
    QApplication::setApplicationName(MessageBox::title);
    QApplication::setApplicationVersion("1.4");
    QApplication::setDesktopFileName("pipkins-classroom");
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

} // namespace platform
