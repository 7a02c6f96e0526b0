#pragma once

#include <QStringList>

// The commands of cashvane-cli. Each takes the words after its name and
// returns the exit status, having written its result or its one-line failure.
namespace cashvane::cli {

// export FILE.cfp: the profile as JSON on standard output.
int exportProfile(const QStringList& words);

// import PROFILE.json OUT.cfp: writes the session file as Save Session does.
int importProfile(const QStringList& words);

// views FILE.cfp [--now T] [--seed N]: everything one recalculation shows, as JSON.
int showViews(const QStringList& words);

} // namespace cashvane::cli
