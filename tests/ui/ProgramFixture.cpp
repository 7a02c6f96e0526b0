#include "ProgramFixture.h"
#include "ui/commands/TemporarySessionFile.h"

#include "tests/support/TestFiles.h"

#include <QTabWidget>

namespace cashvane::test {

QString buildProgramDir()
{
    return QStringLiteral(CASHVANE_BUILD_DIR "/");
}

CalendarTime testStartTime()
{
    return calendarTime(2010, 8, 13, 9, 30, 0);
}

ProgramFixture::ProgramFixture()
    : folders_ { buildProgramDir(), home_.path() + "/" }
{
    makeProgram();
}

void ProgramFixture::makeProgram()
{
    program_.reset();
    Desktop desktop { [this](const QUrl& url) { opened_.push_back(url); },
        [this] { heldPages_.push_back(program_->window().financePanel()->currentIndex()); } };
    program_ = std::make_unique<Program>(
        folders_, prompts_, std::move(desktop), testStartTime(), [] { return testStartTime(); },
        std::make_unique<SeededRandom>(7));
}

void ProgramFixture::writeTemporarySession(const QByteArray& bytes)
{
    writeBytes(temporarySessionFilePath(folders_.homeDir), bytes);
}

void ProgramFixture::loadSample()
{
    program_->openSessionFile(folders_.programDir + "samples/Sam_Reyes.cfp");
    program_->recalculate();
    ASSERT_EQ(program_->profile().profileName, "Sam Reyes");
}

} // namespace cashvane::test
