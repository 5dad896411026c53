#pragma once
// The desktop's tools as the classroom looks for them on PATH: a small real window program
// (pipkin_desktop_tool) linked under the real tools' names, first on PATH while this object lives.
// Processes noted here are ended with it, and PATH is put back as it was.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class DesktopStandIns {
public:
    DesktopStandIns();
    ~DesktopStandIns();
    DesktopStandIns(const DesktopStandIns&) = delete;
    DesktopStandIns& operator=(const DesktopStandIns&) = delete;

    // Whether the stand-ins are in place; a test asserts it before relying on them.
    bool ready() const { return ready_; }
    // Ends the process when this object goes; ids of 0 or less are ignored.
    void remember(qint64 pid);
    // The stand-in program itself, to start a window of "another program".
    static QString program();

private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
    QList<qint64> started_;
    bool ready_ = false;
};
