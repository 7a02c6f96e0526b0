#include "ProgramFixture.h"
#include "ui/commands/TemporarySessionFile.h"

#include "tests/support/TestFiles.h"

#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

namespace cashvane::test {
namespace {

const QString kWelcomeText
    = "As this is your first session, would you like to load a sample profile to practice "
      "with? This may help you find your way around.\n \nWhen you're ready to start your "
      "own profile, click File-->New Profile to begin.";

using StartUpTest = ProgramFixture;

TEST_F(StartUpTest, FirstStartAsksWelcomeAndYesLoadsTheSample)
{
    prompts_.answer(Answer::Yes);
    program_->startUp();

    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].kind, "message");
    EXPECT_EQ(prompts_.shown[0].title, "Welcome!");
    EXPECT_EQ(prompts_.shown[0].text, kWelcomeText);
    EXPECT_EQ(program_->profile().profileName, "Sam Reyes");
    // The sample's content is loaded but bound to no file, so nothing is ever
    // saved over the sample the program ships.
    EXPECT_TRUE(program_->profile().sessionPath.isEmpty());
    EXPECT_EQ(program_->window().profileNameLabel()->text(), "Sam Reyes");
    EXPECT_EQ(program_->window().incomeList()->rowCount(), program_->profile().incomeCount());
    EXPECT_GT(program_->window().historyList()->rowCount(), 0);
}

TEST_F(StartUpTest, FirstStartAnsweredNoStillShowsTheEmptyProfile)
{
    prompts_.answer(Answer::No);
    program_->startUp();

    EXPECT_EQ(prompts_.shown.size(), 1u);
    EXPECT_TRUE(program_->profile().sessionPath.isEmpty());
    EXPECT_EQ(program_->window().profileNameLabel()->text(), "");
    EXPECT_EQ(program_->window().projectionList()->rowCount(), 52);
    EXPECT_EQ(program_->window().outlookList()->rowCount(), 16);
    EXPECT_EQ(program_->window().financePanel()->currentIndex(), 0);
    EXPECT_FALSE(QFile::exists(temporarySessionFilePath(folders_.homeDir)));
}

// Only the first line counts, up to its first CR or LF; the path goes to the
// session file unchanged, and an empty one becomes "tmp.cfp".
TEST_F(StartUpTest, TemporarySessionFileNamesTheSessionToReopenWithoutAQuestion)
{
    const QString missing = homePath("gone/Budget.cfp");
    const struct {
        QByteArray content;
        QString boundTo;
    } cases[] = {
        { missing.toUtf8() + "\r\n", missing },
        { missing.toUtf8() + "\nsecond line\r\n", missing },
        { missing.toUtf8() + "\rrest", missing },
        { missing.toUtf8(), missing },
        { "\r\n" + missing.toUtf8(), "tmp.cfp" },
        { "", "tmp.cfp" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.toStdString());
        writeTemporarySession(c.content);
        makeProgram();
        program_->startUp();
        EXPECT_TRUE(prompts_.shown.empty());
        EXPECT_EQ(program_->profile().sessionPath, c.boundTo);
        EXPECT_EQ(program_->profile().profileName, "");
        EXPECT_EQ(program_->profile().incomeCount(), 0);
        EXPECT_FALSE(QFile::exists(c.boundTo));
    }
}

TEST_F(StartUpTest, ReopensTheSessionOfTheLastRun)
{
    writeTemporarySession(folders_.programDir.toUtf8() + "samples/Sam_Reyes.cfp\r\n");
    program_->startUp();

    EXPECT_TRUE(prompts_.shown.empty());
    EXPECT_EQ(program_->profile().profileName, "Sam Reyes");
    EXPECT_EQ(program_->window().profileNameLabel()->text(), "Sam Reyes");
}

TEST_F(StartUpTest, RefusedSessionFileIsReportedAndLeavesTheEmptyProfile)
{
    // A list count no profile can hold.
    writeBytes(
        homePath("Broken.cfp"), QByteArray("Name\r\n\xff\xff\xff\x7f", 10) + QByteArray(8, '\0'));
    writeTemporarySession(homePath("Broken.cfp").toUtf8() + "\r\n");
    prompts_.answer(Answer::Ok);
    program_->startUp();

    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].title, "Error");
    EXPECT_TRUE(prompts_.shown[0].text.contains(homePath("Broken.cfp")));
    EXPECT_TRUE(program_->profile().sessionPath.isEmpty());
    EXPECT_EQ(program_->window().projectionList()->rowCount(), 52);
}

} // namespace
} // namespace cashvane::test
