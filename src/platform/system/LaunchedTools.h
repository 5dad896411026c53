#pragma once
// The tools the classroom started, where it cannot see their windows (a Wayland client sees no other
// client's window): each is known by its process and the moment that process started, so a process id
// the system has since given to another program is never taken for the tool.
#include <QString>
#include <vector>

namespace platform::sys {

class LaunchedTools {
public:
    void add(long pid, const QString& commandLine);
    // Whether `pid` is a tool started here that still runs.
    bool running(long pid) const;
    // The tool last started for the command line that still runs; 0 when none does.
    long latestRunning(const QString& commandLine) const;
    // Asks a running tool to end (SIGTERM), as closing its window would; false when it is not ours or
    // has gone.
    bool askToEnd(long pid);

private:
    struct Tool {
        long pid;
        unsigned long long started;
        QString command;
    };
    const Tool* find(long pid) const;
    bool alive(const Tool& tool) const;

    std::vector<Tool> tools_;
};

} // namespace platform::sys
