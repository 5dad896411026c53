// Figures taken on the real program from outside: how long until its window is on the screen, and
// how much processor it uses while a child does nothing.
#include "Measurements.h"
#include "WindowWatch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <unistd.h>

namespace {

constexpr int runs = 7;

double startOnce(const QString& program, const QStringList& args, const QString& dir, const QString& title) {
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    const double waited = millisecondsUntilMapped(title, 20000);
    const double total = waited < 0 ? -1 : timer.nsecsElapsed() / 1e6;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(2000);
    return total;
}

long cpuTicks(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QString line = QString::fromLatin1(stat.readAll());
    // Fields after the parenthesised name: utime and stime are the 12th and 13th of them.
    const QStringList fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLong() + fields[12].toLong() : -1;
}

} // namespace

double median(QList<double> values) {
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString row(const QString& figure, const QString& value, const QString& comparison, const QString& note) {
    return QString("| %1 | %2 | %3 | %4 |").arg(figure, value, comparison, note);
}

QStringList measureStartup(const QString& program, const QString& startDir, const QString& floorProgram) {
    QList<double> classroom, floor;
    for (int i = 0; i < runs; ++i) {
        floor << startOnce(floorProgram, {}, startDir, "floor window");
        classroom << startOnce(program, {}, startDir, " Pipkin's Classroom  ");
    }
    const double c = median(classroom), f = median(floor);
    return {row("start-up to the ABCs board mapped", QString("%1 ms").arg(c, 0, 'f', 0),
                QString("floor %1 ms; goal within 2x: %2").arg(f, 0, 'f', 0).arg(c <= 2 * f ? "met" : "NOT met"),
                QString("median of %1, all boards created and all sound devices opened").arg(runs))};
}

QStringList measureIdle(const QString& program, const QString& startDir) {
    QProcess process;
    process.setWorkingDirectory(startDir);
    process.start(program, {});
    if (millisecondsUntilMapped(" Pipkin's Classroom  ", 20000) < 0)
        return {row("idle CPU", "not measured", "", "the program never showed its board")};
    QThread::sleep(2); // let start-up settle
    const long before = cpuTicks(process.processId());
    QElapsedTimer timer;
    timer.start();
    QThread::sleep(10);
    const long after = cpuTicks(process.processId());
    const double seconds = timer.nsecsElapsed() / 1e9;
    process.terminate();
    process.waitForFinished(5000);
    const double percent = 100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / seconds;
    return {row("idle CPU, ABCs board showing, nothing playing", QString("%1 % of one core").arg(percent, 0, 'f', 2),
                QString("goal under 0.3 %: %1").arg(percent < 0.3 ? "met" : "NOT met"),
                QString("over %1 s").arg(seconds, 0, 'f', 1))};
}
