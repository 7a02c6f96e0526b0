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
    QApplication application(argc, argv);
    // Reading the system's font configuration costs some milliseconds, and
    // the window's first text needs it. Building the window meanwhile waits
    // for the session bus and decodes pictures, so the two go side by side;
    // fontconfig keeps one configuration for the process, and Qt takes the
    // one already read. It starts after QApplication, which may change the
    // environment that fontconfig reads.
    std::thread fontConfiguration([] { FcInit(); });
    cashvane::QtPrompts prompts;
    cashvane::Program program(
        cashvane::programFolders(QCoreApplication::applicationDirPath(), QDir::homePath()), prompts,
        cashvane::realDesktop(), cashvane::now(), cashvane::now,
        std::make_unique<cashvane::SeededRandom>(std::random_device {}()));
    fontConfiguration.join();
    prompts.setParent(&program.window());
    program.startUp();
    return QApplication::exec();
}
