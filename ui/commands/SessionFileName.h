#pragma once

#include <QString>

// Names the file commands build: the file name the save dialog proposes for a
// profile not yet bound to a file, and paths in the user's home folder.
namespace cashvane {

// Blanks become "_" and points "-"; "!", "'", "?" and "*" are dropped, so
// Mr. O'Neil's Cash! gives Mr-_ONeils_Cash. No extension is added: saving
// adds ".cfp".
QString proposedFileName(const QString& profileName);

// `name` in the folder `homeDir`, whether or not homeDir ends in a slash.
QString inFolder(const QString& homeDir, const QString& name);

// The text without leading and trailing blanks; other white space stays.
QString trimBlanks(const QString& text);

} // namespace cashvane
