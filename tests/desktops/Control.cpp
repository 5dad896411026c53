// The control run's program: an ordinary window of the same toolkit as the classroom, holding no keys,
// so whatever the desktop does with a key while it is in front, it does here.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window("control");
    window.setWindowTitle("control");
    window.resize(640, 400);
    window.show();
    // Said once the desktop has put the window on the screen, so the runner knows when to start.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (window.windowHandle() && window.windowHandle()->isExposed()) {
            std::puts("shown");
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(100);
    return app.exec();
}
