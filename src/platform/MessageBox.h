#pragma once
// The classroom's message box: one line of text, an OK button, the title "Pipkin's Classroom".
#include <QString>
#include <QStringList>

namespace platform {

class MessageBox {
public:
    static constexpr const char* title = "Pipkin's Classroom";
    static void show(const QString& text);
    // Tests read what would have been shown instead of clicking OK on a real box.
    static void captureForTests(bool capture);
    static QStringList captured();
    static void clearCaptured();
};

} // namespace platform
