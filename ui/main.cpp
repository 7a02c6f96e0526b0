// cashvane: the desktop program. It takes no arguments and keeps no settings;
// the one file of its own is the temporary session file in the home folder.
#include "Program.h"
#include "QtPrompts.h"

#include <QApplication>
#include <QDir>

#include <fontconfig/fontconfig.h>

#include <random>
#include <thread>

int main(int argc, char* argv[])
{
    // Reading the system's font configuration costs some milliseconds of
    // work, and the window's first text needs it. QApplication meanwhile
    // spends most of its time waiting for the display, so the two go
    // side by side; fontconfig keeps one configuration for the process and
    // Qt takes the one already read.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication application(argc, argv);
    fontConfiguration.join();

    cashvane::QtPrompts prompts;
    cashvane::Program program(
        cashvane::programFolders(QCoreApplication::applicationDirPath(), QDir::homePath()), prompts,
        cashvane::realDesktop(), cashvane::now(), cashvane::now,
        std::make_unique<cashvane::SeededRandom>(std::random_device {}()));
    prompts.setParent(&program.window());
    program.startUp();
    return QApplication::exec();
}
