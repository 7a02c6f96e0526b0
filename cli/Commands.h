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

// chart FILE.cfp -o OUT.png [--seed N]: the expenses chart as a 300 x 220 PNG.
int drawChart(const QStringList& words);

// report FILE.cfp -o OUT.rtf [--now T]: the quick report as Export writes it.
int writeReport(const QStringList& words);

} // namespace cashvane::cli
