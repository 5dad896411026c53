// Pipkin's Classroom: the program is the classroom, started from the folder that holds its media.
#include "platform/Application.h"
#include "shell/Classroom.h"
#include "shell/EndOnSignal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::prepareApplication();
    Classroom room;
    // Leaving the event loop lets the classroom go as at its farewell: devices closed, the
    // keyboard given back.
    EndOnSignal endOnSignal([] { QApplication::exit(0); });
    room.start();
    return QApplication::exec();
}
