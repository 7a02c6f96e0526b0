// cashvane_screenshot OUT.png: the main window with the sample profile open,
// as docs/screenshot.png shows it. Built on request:
//   cmake --build build --target cashvane_screenshot
//   build/tests/e2e/cashvane_screenshot docs/screenshot.png
#include "ui/Program.h"
#include "ui/commands/TemporarySessionFile.h"
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cashvane_screenshot OUT.png\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir home;
    setenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit().constData(), 0);
    QApplication application(argc, argv);

    const cashvane::ProgramFolders folders
        = cashvane::programFolders(QStringLiteral(CASHVANE_BUILD_DIR), home.path());
    // The sample as the last session, so the program opens it at once.
    if (!cashvane::writeTemporarySessionFile(folders.homeDir, folders.programDir + "samples/Sam_Reyes.cfp"))
        return 1;

    cashvane::QtPrompts prompts;
    const cashvane::CalendarTime shown = cashvane::calendarTime(2026, 12, 11, 10, 0, 0);
    cashvane::Program program(
        folders, prompts, cashvane::realDesktop(), shown, [shown] { return shown; },
        std::make_unique<cashvane::SeededRandom>(1));
    program.startUp();
    QApplication::processEvents();
    return program.window().grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
