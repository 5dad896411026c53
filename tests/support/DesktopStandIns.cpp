#include "DesktopStandIns.h"

#include <QDir>
#include <QFile>
#include <csignal>

DesktopStandIns::DesktopStandIns() : oldPath_(qgetenv("PATH")) {
    ready_ = dir_.isValid() && QFile::link(program(), QDir(dir_.path()).filePath("pavucontrol")) &&
             QFile::link(program(), QDir(dir_.path()).filePath("gnome-control-center"));
    qputenv("PATH", (dir_.path() + ":" + oldPath_).toLocal8Bit());
}

DesktopStandIns::~DesktopStandIns() {
    for (const qint64 pid : started_)
        ::kill(pid_t(pid), SIGTERM);
    qputenv("PATH", oldPath_);
}

void DesktopStandIns::remember(qint64 pid) {
    if (pid > 0)
        started_ << pid;
}

QString DesktopStandIns::program() {
    return QStringLiteral(PIPKIN_DESKTOP_TOOL);
}
