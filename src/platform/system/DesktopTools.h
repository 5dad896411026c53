#pragma once
// The classroom names the tools it opens by their old Windows command lines; on this desktop each
// is the first of a short list of familiar tools that is installed.
#include "platform/system/SystemServices.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace platform::sys {

struct ToolCommand {
    QString program; // full path
    QStringList arguments;
};

// Candidate tools for a command line, in the order they are tried.
QList<QStringList> candidatesFor(const QString& commandLine);
// The first candidate found on PATH; nullopt when none is installed.
std::optional<ToolCommand> findTool(const QString& commandLine);
// Starts the tool for a command line, detached; what every desktop's runProgram does.
Launch startTool(const QString& commandLine);

} // namespace platform::sys
