// The classroom's benchmark: start-up, click to sound, idle CPU, memory over many clicks and
// ChalkBoard drawing, each the median of repeated runs next to a floor measured in the same run.
// Usage (run.sh does all of it): pipkin-bench startup|idle|inprocess|memory ...
#include "Measurements.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // Memory is measured on the X server the program really runs on: there every board's window has a
    // screen-sized backing store in X shared memory, while the offscreen screen is only 800 x 600.
    if (mode == "inprocess" || (mode == "memory" && qEnvironmentVariableIsEmpty("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(2);
    QStringList rows;
    if (mode == "startup" && args.size() == 3)
        rows = measureStartup(args[0], args[1], args[2]);
    else if (mode == "idle" && args.size() == 2)
        rows = measureIdle(args[0], args[1]);
    else if (mode == "inprocess" && args.size() == 1)
        rows = measureInProcess(args[0]);
    else if (mode == "memory" && args.size() == 1)
        rows = measureMemory(args[0]);
    else if (mode == "switch" && args.size() == 1)
        rows = measureBoardSwitch(args[0]);
    else {
        std::fprintf(stderr, "usage: pipkin-bench startup PROGRAM START_DIR FLOOR | idle PROGRAM START_DIR | "
                             "inprocess START_DIR | memory START_DIR | switch START_DIR\n");
        return 2;
    }
    QTextStream out(stdout);
    for (const QString& row : rows)
        out << row << "\n";
    return 0;
}
