// Pipkin's Classroom: the program is the classroom, started from the folder that holds its media.
#include "platform/Application.h"
#include "shell/Classroom.h"
#include "shell/EndOnSignal.h"
#include "shell/SingleInstance.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* usage = "Usage: pipkins-classroom [--help | --version]\n"
                              "\n"
                              "A full-screen classroom for a child of three to six: letters, numbers, colours,\n"
                              "shapes and first sums, each answered with a sound and a teddy. Started without\n"
                              "options, it opens the classroom and keeps the child inside it until a parent\n"
                              "says \"Good Bye\" (see the manual page, pipkins-classroom(1)).\n"
                              "\n"
                              "  -h, --help     show this help and exit\n"
                              "      --version  show the version and exit\n";

// Answered before any window exists, so they work without a desktop too. -1: start the classroom.
int answerOptions(int argc, char* argv[]) {
    if (argc < 2)
        return -1;
    const char* option = argv[1];
    if (argc == 2 && (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(option, "--version") == 0) {
        std::puts("pipkins-classroom " PIPKIN_VERSION);
        return 0;
    }
    if (argc > 2)
        std::fputs("pipkins-classroom: takes at most one option\n", stderr);
    else
        std::fprintf(stderr, "pipkins-classroom: unknown option '%s'\n", option);
    std::fputs("Try 'pipkins-classroom --help'.\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int answered = answerOptions(argc, argv); answered >= 0)
        return answered;
    QApplication app(argc, argv);
    platform::prepareApplication();
    if (SingleInstance::alreadyRunning())
        return 0;
    Classroom room;
    SingleInstance only([&room] { room.comeForward(); });
    // Leaving the event loop lets the classroom go as at its farewell: the tools it opened closed,
    // devices closed, the keyboard given back.
    EndOnSignal endOnSignal([&room] {
        room.closeLaunchedTools();
        QApplication::exit(0);
    });
    room.start();
    return QApplication::exec();
}
