// Figures taken inside a real classroom (SDL's dummy audio driver running in real time): click to
// sound and ChalkBoard drawing on offscreen windows, and memory over many clicks on the X server.
#include "Measurements.h"

#include "abc/Form1.h"
#include "creative/Form3.h"
#include "platform/Application.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/media/AudioSystem.h"
#include "shell/Classroom.h"
#include "shell/FitToScreen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

void processFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A line of /proc/self/status in megabytes ("VmRSS", "RssAnon", "RssFile", "RssShmem").
double statusMegabytes(const QByteArray& key) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

double residentMegabytes() {
    return statusMegabytes("VmRSS");
}

int mallocArenas() {
    char* text = nullptr;
    size_t size = 0;
    FILE* stream = open_memstream(&text, &size);
    if (!stream)
        return -1;
    malloc_info(0, stream);
    std::fclose(stream);
    const int arenas = QByteArray(text, static_cast<qsizetype>(size)).count("<heap nr=");
    std::free(text);
    return arenas;
}

// Where the resident memory is: anonymous (heap, Qt's images, synths), file-backed (libraries,
// fonts) and shared (X shared-memory images), and how much of the heap malloc holds free.
QString residentBreakdown() {
    const struct mallinfo2 heap = mallinfo2();
    return QString("%1 (anon %2, file %3, shmem %4; malloc in use %5, free %6, mmapped %7, %8 arenas)")
        .arg(residentMegabytes(), 0, 'f', 0)
        .arg(statusMegabytes("RssAnon"), 0, 'f', 0)
        .arg(statusMegabytes("RssFile"), 0, 'f', 0)
        .arg(statusMegabytes("RssShmem"), 0, 'f', 0)
        .arg(heap.uordblks / 1048576.0, 0, 'f', 0)
        .arg(heap.fordblks / 1048576.0, 0, 'f', 0)
        .arg(heap.hblkhd / 1048576.0, 0, 'f', 0)
        .arg(mallocArenas());
}

// With PIPKIN_BENCH_SMAPS set to a folder, keeps a copy of the memory map at each step for a
// mapping-by-mapping comparison.
void keepMemoryMap(const QString& step) {
    const QString folder = qEnvironmentVariable("PIPKIN_BENCH_SMAPS");
    if (folder.isEmpty())
        return;
    QFile smaps("/proc/self/smaps");
    QFile copy(QDir(folder).filePath("smaps-" + step + ".txt"));
    if (smaps.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
        copy.write(smaps.readAll());
}

// Notes when the mouse press reaches the program.
class PressStamp : public QObject {
public:
    Clock::time_point at;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress)
            at = Clock::now();
        return false;
    }
};

struct ClickTimes {
    QList<double> latencies; // ms from the press to the first sound leaving the mixer
    int outputWasClosed = 0; // clicks that found the audio output closed by a quiet spell
};

// Clicks the letter A again and again, each click after `pauseMs` with nothing playing.
ClickTimes clickLatencies(Classroom& room, int clicks, int pauseMs) {
    std::atomic<bool> heard{false};
    std::atomic<Clock::rep> heardAt{0};
    platform::media::AudioSystem::setPostMixObserver([&](const uint8_t* buffer, int length) {
        if (heard)
            return;
        const auto* samples = reinterpret_cast<const int16_t*>(buffer);
        for (int i = 0; i < length / 2; ++i)
            if (samples[i] != 0) {
                heardAt = Clock::now().time_since_epoch().count();
                heard = true;
                return;
            }
    });
    PressStamp stamp;
    qApp->installEventFilter(&stamp);
    ClickTimes times;
    for (int i = 0; i < clicks; ++i) {
        processFor(pauseMs);
        if (!platform::media::AudioSystem::outputRunning())
            ++times.outputWasClosed;
        heard = false;
        room.form1().A.click();
        QElapsedTimer wait;
        wait.start();
        while (!heard && wait.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (heard)
            times.latencies << (heardAt - stamp.at.time_since_epoch().count()) / 1e6;
    }
    qApp->removeEventFilter(&stamp);
    platform::media::AudioSystem::setPostMixObserver({});
    return times;
}

QStringList clickToSound(Classroom& room) {
    const double buffer = 1000.0 * platform::media::AudioSystem::frameSize() / 44100.0;
    const QString goal = QString("goal one buffer of %1 frames (%2 ms): ")
                             .arg(platform::media::AudioSystem::frameSize())
                             .arg(buffer, 0, 'f', 1);
    // The last letter has died away, but the audio output is still open.
    const ClickTimes warm = clickLatencies(room, 21, 1200);
    // The audio output closes after a quiet spell, so this click reopens it before anything is heard.
    const auto quiet = static_cast<int>(platform::media::AudioSystem::quietDelay().count()) + 1000;
    const ClickTimes cold = clickLatencies(room, 7, quiet);
    const double m = median(warm.latencies), c = median(cold.latencies);
    return {row("click on the letter A to its first sound leaving the mixer", QString("%1 ms").arg(m, 0, 'f', 1),
                goal + (m <= buffer ? "met" : "NOT met"),
                QString("median of %1 clicks 1.2 s apart, 44.1 kHz, SDL dummy driver; output closed before %2")
                    .arg(warm.latencies.size())
                    .arg(warm.outputWasClosed)),
            row("the same, the click coming after a quiet spell (audio output closed)",
                QString("%1 ms").arg(c, 0, 'f', 1), goal + (c <= buffer ? "met" : "NOT met"),
                QString("median of %1 clicks %2 s apart; output closed before %3, reopened by the click")
                    .arg(cold.latencies.size())
                    .arg(quiet / 1000.0, 0, 'f', 1)
                    .arg(cold.outputWasClosed))};
}

void collectControls(platform::Container& container, std::vector<platform::Control*>& out) {
    for (platform::Control* c : container.controls()) {
        out.push_back(c);
        if (auto* inner = dynamic_cast<platform::Container*>(c))
            collectControls(*inner, out);
    }
}

platform::Form* visibleBoard() {
    platform::Form* front = platform::Form::frontBoard();
    return front && front->caption() != "   ABCs by Tobble" ? front : nullptr;
}

// One click on a random control of the board showing (or the ABCs board back when none shows).
void clickSomething(Classroom& room, std::mt19937& random, QStringList& boardsSeen) {
    platform::Form* board = visibleBoard();
    if (!board) {
        room.form1().show();
        return;
    }
    if (!boardsSeen.contains(board->windowTitle()))
        boardsSeen << board->windowTitle();
    std::vector<platform::Control*> controls;
    collectControls(*board, controls);
    std::erase_if(controls, [](platform::Control* c) { return !c->visible() || !c->enabled(); });
    if (!controls.empty())
        controls[random() % controls.size()]->click();
}

// A sounding tune is a whole FluidSynth synthesiser with its soundfont (about 15 MB), given back
// when the tune stops: the readings are taken with the music stopped, as by the child's Stop, so
// that they compare like with like, and what the tune held is a figure of its own.
void stopTheTune(Classroom& room, double& tuneMegabytes) {
    platform::MediaDevice& music = room.form1().MMControl41;
    if (!music.isPlaying())
        return;
    const double playing = residentMegabytes();
    music.command("stop");
    QCoreApplication::processEvents();
    tuneMegabytes = std::max(tuneMegabytes, playing - residentMegabytes());
}

QStringList memory(Classroom& room) {
    processFor(1000); // the first board painted: on the X server nothing is drawn before the event loop runs
    const double atStart = residentMegabytes();
    const QString startBreakdown = residentBreakdown();
    keepMemoryMap("0");
    QStringList breakdowns;
    QStringList boardsSeen;
    std::mt19937 random(20261210);
    double afterThousand = 0;
    double atEnd = 0;
    double tuneMegabytes = 0;
    QString endBreakdown;
    QStringList series;
    for (int i = 1; i <= 10000; ++i) {
        clickSomething(room, random, boardsSeen);
        if (i % 50 == 0)
            QCoreApplication::processEvents();
        if (i % 1000 != 0)
            continue;
        stopTheTune(room, tuneMegabytes);
        atEnd = residentMegabytes(); // before the breakdown and the map copy, which take memory themselves
        if (i == 1000)
            afterThousand = atEnd;
        series << QString::number(atEnd, 'f', 0);
        endBreakdown = residentBreakdown();
        breakdowns << QString("%1: %2; boards seen: %3").arg(i).arg(endBreakdown).arg(boardsSeen.join('|'));
        keepMemoryMap(QString::number(i));
    }
    if (qEnvironmentVariableIsSet("PIPKIN_BENCH_SMAPS"))
        std::fprintf(stderr, "after start-up: %s\n%s\n", qPrintable(startBreakdown), qPrintable(breakdowns.join('\n')));
    const QSize screen = platform::Screen::pixels();
    const QString where = QString("%1 platform, %2 x %3").arg(QGuiApplication::platformName()).arg(screen.width()).arg(screen.height());
    return {row("resident memory after start-up", QString("%1 MB").arg(atStart, 0, 'f', 1),
                QString("goal under 80 MB: %1").arg(atStart < 80 ? "met" : "NOT met"), where + "; " + startBreakdown),
            row("resident memory after 10,000 clicks across the boards", QString("%1 MB").arg(atEnd, 0, 'f', 1),
                QString("after 1,000: %1 MB; goal no growth (less than 1 MB, the heap's own wobble): %2")
                    .arg(afterThousand, 0, 'f', 1)
                    .arg(atEnd - afterThousand < 1.0 ? "met" : "NOT met"),
                "seeded random clicks on the controls of whichever board shows, each reading with no tune "
                "sounding; MB at each thousand: " +
                    series.join(", ") + "; at the end " + endBreakdown),
            row("resident memory a sounding tune adds", tuneMegabytes > 0 ? QString("%1 MB").arg(tuneMegabytes, 0, 'f', 1) : "no tune sounded at a reading", "",
                "given back when the tune stops or ends")};
}

QStringList drawing(Classroom& room) {
    QStringList rows;
    for (const QSize screen : {QSize(1920, 1080), QSize(3840, 2160)}) {
        platform::Screen::overridePixels(screen);
        Form3& chalk = room.form3();
        room.form1().hide();
        chalk.show();
        fitToScreen(chalk);
        processFor(200);
        const int segments = 2000;
        chalk.mouseDownAt(1000, 1000);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < segments; ++i) {
            chalk.mouseMoveAt(1000 + (i % 400) * 15, 1000 + (i % 97) * 20, 1);
            QCoreApplication::processEvents(); // the repaint of the touched rectangle
        }
        const double perSegment = timer.nsecsElapsed() / 1e6 / segments;
        chalk.mouseUpAt(1000, 1000);
        // A figure for moves that drew nothing would be no figure at all.
        const QImage shown = chalk.canvas.shown();
        const QPoint probe(platform::Screen::toPixels(1000 + 15), platform::Screen::toPixels(1000 + 20));
        if (shown.pixelColor(probe) == shown.pixelColor(0, 0)) {
            rows << row(QString("ChalkBoard segment, %1 x %2").arg(screen.width()).arg(screen.height()), "not measured",
                        "", "the stroke did not appear on the board");
            continue;
        }
        rows << row(QString("one ChalkBoard stroke segment drawn and repainted, %1 x %2").arg(screen.width()).arg(screen.height()),
                    QString("%1 ms").arg(perSegment, 0, 'f', 3),
                    QString("goal under 1 ms: %1").arg(perSegment < 1 ? "met" : "NOT met"),
                    QString("mean of %1 segments, offscreen").arg(segments));
    }
    platform::Screen::overridePixels(std::nullopt);
    return rows;
}

} // namespace

namespace {

// The classroom as the child finds it, in a fresh copy of the start directory.
QStringList inClassroom(const QString& startDir, const std::function<QStringList(Classroom&)>& measure) {
    QTemporaryDir dir;
    for (const QString& name : QDir(startDir).entryList(QDir::Files))
        QFile::copy(QDir(startDir).filePath(name), QDir(dir.path()).filePath(name));
    QDir::setCurrent(dir.path());
    qputenv("SDL_AUDIODRIVER", qgetenv("SDL_AUDIODRIVER").isEmpty() ? "dummy" : qgetenv("SDL_AUDIODRIVER"));
    platform::prepareApplication();
    platform::MessageBox::captureForTests(true);
    Classroom room;
    room.start();
    return measure(room);
}

} // namespace

QStringList measureInProcess(const QString& startDir) {
    return inClassroom(startDir, [](Classroom& room) { return clickToSound(room) + drawing(room); });
}

QStringList measureMemory(const QString& startDir) {
    return inClassroom(startDir, [](Classroom& room) { return memory(room); });
}

QStringList measureBoardSwitch(const QString& startDir) {
    return inClassroom(startDir, [](Classroom& room) { return boardSwitch(room); });
}
