#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {
bool capturing = false;
QStringList shown;
} // namespace

void MessageBox::show(const QString& text) {
    if (capturing) {
        shown << text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void MessageBox::captureForTests(bool capture) { capturing = capture; }
QStringList MessageBox::captured() { return shown; }
void MessageBox::clearCaptured() { shown.clear(); }

} // namespace platform
