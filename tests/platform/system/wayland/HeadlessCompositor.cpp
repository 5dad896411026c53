#include "HeadlessCompositor.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uid_t nobody = 65534;

QString path(const QTemporaryDir& dir, const QString& name) {
    return QDir(dir.path()).filePath(name);
}
} // namespace

HeadlessCompositor::HeadlessCompositor() {
    QDir(dir_.path()).mkpath("rt");
    QDir(dir_.path()).mkpath("home");
    QDir(dir_.path()).mkpath("markers");
    // The compositor's user must reach its folders and write the markers; its runtime folder is its own.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                           QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    ::chmod(path(dir_, "markers").toLocal8Bit().constData(), 0777);
    ::chmod(path(dir_, "rt").toLocal8Bit().constData(), 0700);
    if (geteuid() == 0) {
        for (const char* sub : {"rt", "home"})
            if (::chown(path(dir_, sub).toLocal8Bit().constData(), nobody, nobody) != 0)
                qWarning("could not hand %s to nobody", sub);
    }
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setWorkingDirectory(dir_.path());
}

HeadlessCompositor::~HeadlessCompositor() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

bool HeadlessCompositor::installed(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QString HeadlessCompositor::marker(const QString& name) const {
    return path(dir_, "markers/" + name);
}

QString HeadlessCompositor::log() {
    return QString::fromLocal8Bit(process_.readAll());
}

QProcessEnvironment HeadlessCompositor::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY", "SWAYSOCK", "QT_QPA_PLATFORM"})
        env.remove(name);
    env.insert("WLR_BACKENDS", "headless");
    env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    env.insert("WLR_RENDERER", "pixman");
    env.insert("HOME", path(dir_, "home"));
    env.insert("XDG_RUNTIME_DIR", path(dir_, "rt"));
    return env;
}

QStringList HeadlessCompositor::asCompositorUser(const QString& program, const QStringList& arguments) const {
    QStringList command{program};
    command += arguments;
    if (geteuid() == 0)
        command = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--"} + command;
    return command;
}

bool HeadlessCompositor::startSway(const QStringList& config) {
    QFile file(path(dir_, "sway.conf"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((config.join('\n') + '\n').toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);
    process_.setProcessEnvironment(environment());
    QStringList command = asCompositorUser("sway", {"-c", file.fileName()});
    const QString program = geteuid() == 0 ? QStringLiteral("setpriv") : command.takeFirst();
    process_.start(program, command);
    return process_.waitForStarted(5000) && waitForSocket(15000);
}

bool HeadlessCompositor::waitForSocket(int timeoutMs) {
    const QDir rt(path(dir_, "rt"));
    for (QDeadlineTimer deadline(timeoutMs); !deadline.hasExpired(); QThread::msleep(50)) {
        if (process_.state() == QProcess::NotRunning)
            return false;
        const QStringList sockets =
            rt.entryList({"wayland-*"}, QDir::System).filter(QRegularExpression("^wayland-\\d+$"));
        const QStringList ipc = rt.entryList({"sway-ipc.*"}, QDir::System);
        if (!sockets.isEmpty() && !ipc.isEmpty()) {
            display_ = rt.filePath(sockets.first());
            ipc_ = rt.filePath(ipc.first());
            return true;
        }
    }
    return false;
}

QString HeadlessCompositor::shareProgram(const QString& program) {
    const QString copy = path(dir_, QFileInfo(program).fileName());
    QFile::remove(copy);
    if (!QFile::copy(program, copy))
        return {};
    ::chmod(copy.toLocal8Bit().constData(), 0755);
    return copy;
}

QString HeadlessCompositor::runInCage(const QStringList& command, int timeoutMs) {
    process_.setProcessEnvironment(environment());
    QStringList arguments = asCompositorUser("cage", QStringList{"--"} + command);
    const QString program = geteuid() == 0 ? QStringLiteral("setpriv") : arguments.takeFirst();
    process_.start(program, arguments);
    if (!process_.waitForFinished(timeoutMs)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
    return log();
}
