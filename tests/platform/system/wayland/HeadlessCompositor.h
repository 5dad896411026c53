#pragma once
// A real wlroots compositor (sway or cage) run headless for a test, in a folder of its own: its
// runtime folder, its home and a folder of marker files its key bindings touch. sway and cage refuse
// to run as root, so under root they run as nobody; their socket is then reached by its full path.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class HeadlessCompositor {
public:
    HeadlessCompositor();
    ~HeadlessCompositor();
    HeadlessCompositor(const HeadlessCompositor&) = delete;
    HeadlessCompositor& operator=(const HeadlessCompositor&) = delete;

    static bool installed(const QString& program);
    // Starts sway with these configuration lines and waits for its socket; false when it never came.
    bool startSway(const QStringList& config);
    // A copy of a program the compositor's user can run (the build may sit in a folder closed to it).
    QString shareProgram(const QString& program);
    // Runs `command` alone in cage until it ends; cage's and the command's output, merged.
    QString runInCage(const QStringList& command, int timeoutMs);

    // The socket, as WAYLAND_DISPLAY for clients of ours; sway's IPC socket for swaymsg.
    QString waylandDisplay() const { return display_; }
    QString swaySocket() const { return ipc_; }
    // A file the bindings touch; the name is the binding's.
    QString marker(const QString& name) const;
    QString log();

private:
    QStringList asCompositorUser(const QString& program, const QStringList& arguments) const;
    QProcessEnvironment environment() const;
    bool waitForSocket(int timeoutMs);

    QTemporaryDir dir_;
    QProcess process_;
    QString display_;
    QString ipc_;
};
