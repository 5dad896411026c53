// A stand-in for a desktop tool (a volume mixer, the mouse settings): a small real window whose
// title says which tool it is. Started under the tool's name ("pavucontrol", or
// "gnome-control-center mouse") it takes that tool's usual window title.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    const QString argument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QString title = name;
    if (argument == "mouse")
        title = "Mouse Properties";
    else if (name.contains("pavucontrol") || name.contains("mixer"))
        title = "Volume Control";
    QLabel window(title);
    window.setWindowTitle(title);
    window.resize(320, 200);
    window.show();
    return QApplication::exec();
}
