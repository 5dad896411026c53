#pragma once
// One classroom a user: a second start finds the running one, asks it to come forward and leaves,
// instead of fighting it for the keyboard.
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

class SingleInstance : public QObject {
public:
    // The name is per user and display, so two family members each have their own classroom.
    static QString serverName();
    // Whether the name is in the abstract namespace (there is no private runtime folder).
    static bool usesAbstractName();
    // True when another classroom of this user is running; it has then been asked to come forward.
    static bool alreadyRunning();
    // Listens for later starts; comeForward runs on the UI thread for each.
    explicit SingleInstance(std::function<void()> comeForward);

private:
    QLocalServer* server_;
    std::function<void()> comeForward_;
};
