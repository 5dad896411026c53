// Pipkin's Classroom: the program is the classroom, started from the folder that holds its media.
#include "platform/Application.h"
#include "shell/Classroom.h"
#include "shell/EndOnSignal.h"
#include "shell/SingleInstance.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
