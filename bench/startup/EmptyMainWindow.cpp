// The program's main window with its menus and controls but nothing in them:
// no profile, blank pictures, no report and no chart. Started beside the
// program and the minimal window, it parts the program's start-up into what
// the widgets of the window cost and what the profile and the figures add.
#include "ui/MainWindow.h"

#include <QApplication>
#include <QImage>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QImage banner(560, 50, QImage::Format_RGB32);
    banner.fill(Qt::white);
    QImage chart(300, 220, QImage::Format_RGB32);
    chart.fill(Qt::white);
    cashvane::MainWindow window(banner, chart, QString());
    window.showCentred();
    return application.exec();
}
