#pragma once

// The commands the dispatch runs itself rather than hand on: help, About,
// the report commands and clearing the history.
namespace cashvane {

class Program;

void openGuide(Program& program);
void openManual(Program& program);
void openWebsite(Program& program);
void showAbout(Program& program);

// Recalculates, then shows the Income, Expenses, Banking, Cashflow
// Projection and Quick Report pages in turn, each painted and held for a
// moment, ending on the Quick Report page.
void refreshReport(Program& program);

void exportQuickReport(Program& program);

// Empties the history without a question and recalculates. Whether the
// profile counts as saved does not change.
void clearHistory(Program& program);

} // namespace cashvane
