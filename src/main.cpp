// Pipkin's Classroom: the program is the classroom, started from the folder that holds its media.
#include "platform/Application.h"
#include "shell/Classroom.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::prepareApplication();
    Classroom room;
    room.start();
    return QApplication::exec();
}
