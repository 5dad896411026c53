// The floor for the start-up figure: the least a Qt Widgets program does to put a full-screen
// window on the same X server.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("floor window");
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.show();
    return QApplication::exec();
}
