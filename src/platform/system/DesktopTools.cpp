#include "platform/system/DesktopTools.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform::sys {

QList<QStringList> candidatesFor(const QString& commandLine) {
    const QString c = commandLine.trimmed().toLower();
    if (c.endsWith("sndvol32.exe"))
        return {{"pavucontrol"}, {"pavucontrol-qt"}, {"xfce4-mixer"}, {"gnome-control-center", "sound"},
                {"kmix"}, {"mate-volume-control"}};
    if (c.startsWith("control.exe") && c.contains("mouse"))
        return {{"gnome-control-center", "mouse"}, {"xfce4-mouse-settings"}, {"lxinput"},
                {"kcmshell5", "mouse"}, {"mate-mouse-properties"}, {"cinnamon-settings", "mouse"}};
    return {};
}

std::optional<ToolCommand> findTool(const QString& commandLine) {
    for (const QStringList& candidate : candidatesFor(commandLine)) {
        const QString path = QStandardPaths::findExecutable(candidate.first());
        if (!path.isEmpty())
            return ToolCommand{path, candidate.mid(1)};
    }
    return std::nullopt;
}

Launch startTool(const QString& commandLine) {
    const std::optional<ToolCommand> tool = findTool(commandLine);
    if (!tool)
        return {0, true};
    qint64 pid = 0;
    if (!QProcess::startDetached(tool->program, tool->arguments, QString(), &pid) || pid <= 0)
        return {};
    return {long(pid), false};
}

} // namespace platform::sys
