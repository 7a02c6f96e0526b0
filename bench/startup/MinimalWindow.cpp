// The yardstick for start-up figures: the least a Qt Widgets program does to
// put one empty 800 x 600 window on screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.resize(800, 600);
    window.show();
    return application.exec();
}
