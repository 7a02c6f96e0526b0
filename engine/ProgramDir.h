#pragma once

#include <QString>

// Where the data that ships with the program lives: the folder holding help/,
// samples/ and reports/. The desktop program and cashvane-cli find it the same
// way, so both read the same report template.
namespace cashvane {

// The executable's own folder in a build tree, or ../share/cashvane beside an
// installed executable; never the current folder, so the program works
// wherever it is started from. The result ends in '/'.
QString findProgramDir(const QString& executableDir);

// The folder as given, with a '/' added when it does not end in one.
QString withTrailingSlash(const QString& folder);

} // namespace cashvane
