#include "ProgramCommands.h"

#include "ControlIds.h"
#include "Program.h"
#include "ReportCommands.h"

#include <QTabWidget>
#include <QTextEdit>

namespace cashvane {

namespace {

const QString kWebsite = QStringLiteral("https://www.orbelin.example/cashvane");
const QString kAboutText
    = QStringLiteral("Orbelin Cashvane 2\nVersion 2.00 (Build: 130810)\n\u00A9 Orbelin Software. "
                     "All rights reserved.\n \n%1");

void openProgramFile(Program& program, const QString& relativePath)
{
    program.desktop().openUrl(QUrl::fromLocalFile(program.folders().programDir + relativePath));
}

} // namespace

void openGuide(Program& program)
{
    openProgramFile(program, QStringLiteral("help/guide.html"));
}

void openManual(Program& program)
{
    openProgramFile(program, QStringLiteral("help/manual.html"));
}

void openWebsite(Program& program)
{
    program.desktop().openUrl(QUrl(kWebsite));
}

void showAbout(Program& program)
{
    program.prompts().message(
        Tone::Information, QStringLiteral("About"), kAboutText.arg(kWebsite), Buttons::Ok);
}

void refreshReport(Program& program)
{
    program.recalculate();
    QTabWidget* panel = program.window().financePanel();
    for (int page = page::kIncome; page <= page::kQuickReport; ++page) {
        panel->setCurrentIndex(page);
        panel->repaint();
        program.desktop().holdPage();
    }
}

void exportQuickReport(Program& program)
{
    exportReport(program.prompts(), *program.window().reportView()->document(),
        program.profile().profileName, program.folders().homeDir);
}

void clearHistory(Program& program)
{
    program.profile().history.clearHistory();
    program.recalculate();
}

} // namespace cashvane
