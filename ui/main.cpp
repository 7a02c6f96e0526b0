// cashvane: the desktop program. It takes no arguments and keeps no settings;
// the one file of its own is the temporary session file in the home folder.
#include "Program.h"
#include "QtPrompts.h"

#include <QApplication>
#include <QDir>

#include <random>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    cashvane::QtPrompts prompts;
    cashvane::Program program(
        cashvane::programFolders(QCoreApplication::applicationDirPath(), QDir::homePath()), prompts,
        cashvane::realDesktop(), cashvane::now(), cashvane::now,
        std::make_unique<cashvane::SeededRandom>(std::random_device {}()));
    prompts.setParent(&program.window());
    program.startUp();
    return QApplication::exec();
}
