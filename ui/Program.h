#pragma once

#include "MainWindow.h"
#include "ProgramFolders.h"
#include "Prompts.h"
#include "commands/EntryCommands.h"

#include "engine/RandomSource.h"
#include "model/Calendar.h"
#include "model/Profile.h"

#include <QUrl>

#include <functional>
#include <memory>

class QTableWidget;

// The running program: the one profile, the main window that shows it, and
// the commands the window's menu items and buttons run. It starts up by
// reopening the last session or offering the sample, and after every change
// shows the engine's figures afresh. The commands that belong to the entry
// dialogs, the editing and the file commands are reached through
// CommandEntryPoints.h.
namespace cashvane {

// What the program hands to the desktop, so a test can take its place.
struct Desktop {
    // Opens a help page or web address with the desktop's default application.
    std::function<void(const QUrl&)> openUrl;
    // Keeps the page just shown on screen for a moment (Refresh Report).
    std::function<void()> holdPage;
};

Desktop realDesktop();

class Program {
public:
    // `startTime` dates the window's date label and the report. The clock
    // and the random source feed every recalculation.
    Program(ProgramFolders folders, Prompts& prompts, Desktop desktop, CalendarTime startTime,
        std::function<CalendarTime()> clock, std::unique_ptr<RandomSource> random);

    // Shows the window, reopens the session of the last run or, on a first
    // start, offers the sample profile, and shows the figures.
    void startUp();

    // Works out every figure from the profile and shows them.
    void recalculate();

    // Runs the menu command or control event with that id; an id the tables
    // do not hold does nothing.
    void runMenuCommand(int id);
    void runControlEvent(int id);

    // Whether the main window may close now; when it may, the program is
    // shutting down.
    bool closeRequested();

    // Ends the program with exit code 0 once the current command returns;
    // open entry dialogs go with it.
    static void shutDown();

    // Opens a session file as the current profile; a refused file is reported
    // and leaves the profile as it was.
    void openSessionFile(const QString& path);

    // The record number the first selected row of the list shows, or 0 when
    // no row is selected.
    static int selectedRecord(const QTableWidget* list);

    Profile& profile() { return profile_; }
    EntryCommands& entries() { return entries_; }
    MainWindow& window() { return window_; }
    Prompts& prompts() { return prompts_; }
    const ProgramFolders& folders() const { return folders_; }
    const Desktop& desktop() const { return desktop_; }

private:
    void reopenLastSession();

    ProgramFolders folders_;
    Prompts& prompts_;
    Desktop desktop_;
    CalendarTime startTime_;
    std::function<CalendarTime()> clock_;
    std::unique_ptr<RandomSource> random_;
    Profile profile_;
    MainWindow window_;
    EntryCommands entries_;
};

} // namespace cashvane
