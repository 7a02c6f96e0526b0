#pragma once

#include "model/Profile.h"
#include "ui/Prompts.h"

#include <QString>

// The File menu and the main window's close button: starting a new profile,
// opening and saving session files, and leaving the program. They ask before
// unsaved changes could be lost, tell the user when a file could not be
// opened or saved, and on the way out of a bound profile record its file for
// the next start. What the window must then do comes back as a NextStep.
// `homeDir` is the user's home folder, where the file dialogs start.
namespace cashvane {

enum class NextStep {
    Stay, // nothing the window shows changed
    ShowProfileName, // only the profile's name changed: show it in its label
    ProfileReplaced, // a new profile: close the entry dialogs and recalculate
    Quit, // leave the program
};

inline constexpr auto kSessionFilter = "Orbelin Cashvane Session | *.cfp";

NextStep newProfile(Prompts& prompts, Profile& profile);
NextStep openSession(Prompts& prompts, Profile& profile, const QString& homeDir);
NextStep saveCurrentSession(Prompts& prompts, Profile& profile, const QString& homeDir);
NextStep saveSessionAs(Prompts& prompts, Profile& profile, const QString& homeDir);
// The Exit menu item: never saves, but asks first when there are changes.
NextStep exitProgram(Prompts& prompts, const Profile& profile, const QString& homeDir);
// The close button: a bound profile is saved without a question; a changed
// profile bound to no file gets the Exit question. A failed save keeps the
// program open, so nothing is lost.
NextStep closeMainWindow(Prompts& prompts, Profile& profile, const QString& homeDir);

} // namespace cashvane
