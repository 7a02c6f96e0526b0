#pragma once

#include "tests/support/ScriptedPrompts.h"
#include "ui/Program.h"

#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A program as a person would start it, with a private home folder, a fixed
// clock (13 August 2010), seeded colours, scripted answers, and a desktop
// that records what it was asked to open and which pages were held.
namespace cashvane::test {

// The build folder, which holds help/, samples/ and reports/ as an installed
// program's share folder does.
QString buildProgramDir();

CalendarTime testStartTime();

class ProgramFixture : public testing::Test {
protected:
    ProgramFixture();

    QString homePath(const QString& name) const { return folders_.homeDir + name; }
    void writeTemporarySession(const QByteArray& bytes);

    // A fresh program on the same home folder, as at the next start.
    void makeProgram();

    // Loads the sample profile directly and shows it.
    void loadSample();

    QTemporaryDir home_;
    ProgramFolders folders_;
    ScriptedPrompts prompts_;
    std::vector<QUrl> opened_;
    std::vector<int> heldPages_;
    std::unique_ptr<Program> program_;
};

} // namespace cashvane::test
