#include "platform/system/LaunchedTools.h"

#include <QFile>
#include <algorithm>
#include <csignal>
#include <optional>
#include <unistd.h>

namespace platform::sys {
namespace {

QString normalised(const QString& commandLine) {
    return commandLine.trimmed().toLower();
}

struct ProcessState {
    char state;
    unsigned long long started; // clock ticks after boot
};

// From /proc/<pid>/stat: the state letter and the start time (fields 3 and 22). The program name in
// field 2 may hold spaces and parentheses, so fields are counted from its last ')'.
std::optional<ProcessState> processState(long pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray stat = file.readAll();
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 20 || fields[0].isEmpty())
        return std::nullopt;
    bool ok = false;
    const unsigned long long started = fields[19].toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return ProcessState{fields[0][0], started};
}

} // namespace

void LaunchedTools::add(long pid, const QString& commandLine) {
    if (pid <= 0)
        return;
    const std::optional<ProcessState> state = processState(pid);
    std::erase_if(tools_, [this](const Tool& t) { return !alive(t); });
    tools_.push_back({pid, state ? state->started : 0, normalised(commandLine)});
}

const LaunchedTools::Tool* LaunchedTools::find(long pid) const {
    const auto it = std::find_if(tools_.begin(), tools_.end(), [pid](const Tool& t) { return t.pid == pid; });
    return it == tools_.end() ? nullptr : &*it;
}

bool LaunchedTools::alive(const Tool& tool) const {
    if (tool.pid == long(getpid()))
        return false;
    const std::optional<ProcessState> state = processState(tool.pid);
    // A process that has ended but is not yet collected no longer has a window to close.
    return state && state->state != 'Z' && state->started == tool.started;
}

bool LaunchedTools::running(long pid) const {
    const Tool* tool = find(pid);
    return tool && alive(*tool);
}

long LaunchedTools::latestRunning(const QString& commandLine) const {
    const QString command = normalised(commandLine);
    for (auto it = tools_.rbegin(); it != tools_.rend(); ++it)
        if (it->command == command && alive(*it))
            return it->pid;
    return 0;
}

bool LaunchedTools::askToEnd(long pid) {
    if (!running(pid))
        return false;
    return ::kill(pid_t(pid), SIGTERM) == 0;
}

} // namespace platform::sys
