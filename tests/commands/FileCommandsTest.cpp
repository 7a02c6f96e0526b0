#include "ui/commands/FileCommands.h"
#include "model/EditingCommands.h"
#include "model/SessionFile.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace cashvane {
namespace {

const QString kFilter = "Orbelin Cashvane Session | *.cfp";
const QString kTmpBefore = "/left/by/an/earlier/run.cfp\r\n";

// A home folder with a temporary session file an earlier run left, and a
// profile with one expense and the change it made still unsaved.
class FileCommandsTest : public testing::Test {
protected:
    FileCommandsTest()
    {
        test::writeBytes(inHome("cfp_tmp.dat"), kTmpBefore.toUtf8());
        profile_.profileName = "Sam Reyes";
        Expense rent;
        rent.title = "Rent/Mortgage";
        rent.amount = 450.0f;
        addExpense(profile_, rent, calendarTime(2010, 8, 11, 9, 0, 0));
    }

    QString inHome(const QString& name) const { return homeDir_ + name; }

    void bindTo(const QString& path) { profile_.sessionPath = path; }

    // Each question as kind|title|text|filter.
    QStringList shown() const
    {
        QStringList lines;
        for (const test::Shown& s : prompts_.shown)
            lines << QStringList { s.kind, s.title, s.text, s.extra }.join('|');
        return lines;
    }

    QByteArray temporarySessionFile() const { return test::readBytes(inHome("cfp_tmp.dat")); }

    std::optional<Profile> loaded(const QString& path) const
    {
        Profile read;
        if (!QFile::exists(path) || !loadSession(read, path).ok)
            return std::nullopt;
        return read;
    }

    // The profile as a save would have left it.
    Profile savedAs(const QString& path) const
    {
        Profile saved = profile_;
        saved.sessionPath = path;
        saved.profileSaved = true;
        return saved;
    }

    QTemporaryDir home_;
    const QString homeDir_ = home_.path() + "/";
    test::ScriptedPrompts prompts_;
    Profile profile_;
};

const QString kNewQuestion = "message|Confirm|Are you sure you want to create a new profile?\nAll "
                             "unsaved data will be lost.|";
const QString kOpenQuestion = "message|Confirm|Are you sure you want to open a new profile?\nAll "
                              "unsaved data will be lost.|";
const QString kExitQuestion
    = "message|Confirm|Are you sure you want to exit the program?\nAll unsaved data will be lost.|";
const QString kNameBox
    = "input|Profile Name|Enter a New Profile Name. For example.. \"Sam Reyes\".|";

struct RefusalCase {
    const char* name;
    std::function<NextStep(Prompts&, Profile&, const QString&)> command;
    QString question;
    Answer answer;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

const RefusalCase kRefusals[] = {
    { "NewProfileNo", [](Prompts& p, Profile& f, const QString&) { return newProfile(p, f); },
        kNewQuestion, Answer::No },
    { "NewProfileCancel", [](Prompts& p, Profile& f, const QString&) { return newProfile(p, f); },
        kNewQuestion, Answer::Cancel },
    { "OpenSessionNo", openSession, kOpenQuestion, Answer::No },
    { "OpenSessionCancel", openSession, kOpenQuestion, Answer::Cancel },
    { "ExitNo", exitProgram, kExitQuestion, Answer::No },
    { "CloseUnboundNo", closeMainWindow, kExitQuestion, Answer::No },
};

class AnsweringNo : public FileCommandsTest, public testing::WithParamInterface<RefusalCase> { };

TEST_P(AnsweringNo, KeepsTheChangedProfileAsItWas)
{
    const Profile before = profile_;
    prompts_.answer(GetParam().answer);
    EXPECT_EQ(GetParam().command(prompts_, profile_, homeDir_), NextStep::Stay);
    EXPECT_EQ(shown(), QStringList { GetParam().question });
    EXPECT_EQ(profile_, before);
    EXPECT_EQ(temporarySessionFile(), kTmpBefore.toUtf8());
}

INSTANTIATE_TEST_SUITE_P(Questions, AnsweringNo, testing::ValuesIn(kRefusals),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FileCommandsTest, NewProfileOnAnUnchangedProfileAsksOnlyForTheName)
{
    bindTo(inHome("bound.cfp"));
    profile_.profileSaved = true;
    prompts_.type("Lee Chan");

    EXPECT_EQ(newProfile(prompts_, profile_), NextStep::ProfileReplaced);

    EXPECT_EQ(shown(), QStringList { kNameBox });
    Profile expected;
    expected.profileName = "Lee Chan";
    EXPECT_EQ(profile_, expected);
}

TEST_F(FileCommandsTest, AnEmptyNameIsAskedForAgainBeforeTheNextSave)
{
    prompts_.answer(Answer::Yes).type("").type("Lee Chan").choose("");
    newProfile(prompts_, profile_);
    EXPECT_EQ(profile_.profileName, "");

    EXPECT_EQ(saveCurrentSession(prompts_, profile_, homeDir_), NextStep::ShowProfileName);

    EXPECT_EQ(shown(),
        (QStringList { kNewQuestion, kNameBox, kNameBox,
            "save|Save Session As..|" + inHome("Lee_Chan") + "|" + kFilter }));
    EXPECT_EQ(profile_.profileName, "Lee Chan") << "a cancelled save keeps the name";
    EXPECT_TRUE(profile_.sessionPath.isEmpty());
    EXPECT_TRUE(prompts_.allAnswersUsed());
}

TEST_F(FileCommandsTest, OpenSessionStartsInTheHomeFolderAndLoadsTheChosenFile)
{
    Profile other;
    other.profileName = "Lee Chan";
    ASSERT_TRUE(saveSession(other, inHome("lee.cfp")).ok);
    profile_.profileSaved = true;
    prompts_.choose(inHome("lee.cfp"));

    EXPECT_EQ(openSession(prompts_, profile_, homeDir_), NextStep::ProfileReplaced);

    EXPECT_EQ(shown(), QStringList { "open|Open Session...|" + inHome("*.cfp") + "|" + kFilter });
    EXPECT_EQ(profile_, other);
}

TEST_F(FileCommandsTest, OpeningAFileThatDoesNotExistGivesAnEmptyProfileBoundToIt)
{
    prompts_.answer(Answer::Yes).choose(inHome("new"));
    EXPECT_EQ(openSession(prompts_, profile_, homeDir_), NextStep::ProfileReplaced);
    Profile expected;
    expected.sessionPath = inHome("new.cfp");
    EXPECT_EQ(profile_, expected);
}

TEST_F(FileCommandsTest, ACancelledOpenChangesNothing)
{
    const Profile before = profile_;
    prompts_.answer(Answer::Yes).choose("");
    EXPECT_EQ(openSession(prompts_, profile_, homeDir_), NextStep::Stay);
    EXPECT_EQ(profile_, before);
}

TEST_F(FileCommandsTest, AFileThatCannotBeOpenedIsReportedAndTheProfileKept)
{
    QDir(home_.path()).mkdir("folder.cfp");
    const Profile before = profile_;
    prompts_.answer(Answer::Yes).choose(inHome("folder.cfp")).answer(Answer::Ok);

    EXPECT_EQ(openSession(prompts_, profile_, homeDir_), NextStep::Stay);

    ASSERT_EQ(prompts_.shown.size(), 3u);
    EXPECT_EQ(prompts_.shown[2].title, "Error");
    EXPECT_TRUE(prompts_.shown[2].text.contains(inHome("folder.cfp")));
    EXPECT_EQ(profile_, before);
}

TEST_F(FileCommandsTest, SaveSessionOnABoundProfileWritesItsFileWithoutADialog)
{
    bindTo(inHome("bound.cfp"));
    prompts_.answer(Answer::Ok);

    EXPECT_EQ(saveCurrentSession(prompts_, profile_, homeDir_), NextStep::Stay);

    EXPECT_EQ(
        shown(), QStringList { "message|Message|Session Saved.\n" + inHome("bound.cfp") + "|" });
    EXPECT_TRUE(profile_.profileSaved);
    EXPECT_EQ(loaded(inHome("bound.cfp")), savedAs(inHome("bound.cfp")));
}

TEST_F(FileCommandsTest, SaveSessionProposesAFileNameBuiltFromTheProfileName)
{
    profile_.profileName = "Mr. O'Neil's Cash!";
    prompts_.choose(inHome("Mr-_ONeils_Cash")).answer(Answer::Ok);

    saveCurrentSession(prompts_, profile_, homeDir_);

    const QString file = inHome("Mr-_ONeils_Cash.cfp");
    EXPECT_EQ(shown(),
        (QStringList { "save|Save Session As..|" + inHome("Mr-_ONeils_Cash") + "|" + kFilter,
            "message|Message|Session Saved.\n" + file + "|" }));
    EXPECT_EQ(profile_.sessionPath, file);
    EXPECT_EQ(loaded(file), savedAs(file));
}

TEST_F(FileCommandsTest, SaveSessionAsOffersTheBoundFileAndRebindsToTheChosenOne)
{
    bindTo(inHome("bound.cfp"));
    prompts_.choose(inHome("copy.cfp")).answer(Answer::Ok);

    EXPECT_EQ(saveSessionAs(prompts_, profile_, homeDir_), NextStep::Stay);

    EXPECT_EQ(prompts_.shown[0].text, inHome("bound.cfp"));
    EXPECT_EQ(profile_.sessionPath, inHome("copy.cfp"));
    EXPECT_EQ(loaded(inHome("copy.cfp")), savedAs(inHome("copy.cfp")));
    EXPECT_FALSE(QFile::exists(inHome("bound.cfp")));
}

TEST_F(FileCommandsTest, SaveSessionAsWithoutANameStartsInTheHomeFolderAndAsksNothingElse)
{
    profile_.profileName.clear();
    prompts_.choose("");
    EXPECT_EQ(saveSessionAs(prompts_, profile_, homeDir_), NextStep::Stay);
    EXPECT_EQ(shown(), QStringList { "save|Save Session As..|" + homeDir_ + "|" + kFilter });
    EXPECT_FALSE(profile_.profileSaved);
}

TEST_F(FileCommandsTest, ExitOnAnUnchangedBoundProfileRecordsItsFileWithoutAQuestion)
{
    bindTo(inHome("bound.cfp"));
    profile_.profileSaved = true;
    EXPECT_EQ(exitProgram(prompts_, profile_, homeDir_), NextStep::Quit);
    EXPECT_TRUE(prompts_.shown.empty());
    EXPECT_EQ(temporarySessionFile(), (inHome("bound.cfp") + "\r\n").toUtf8());
}

TEST_F(FileCommandsTest, ExitOnAChangedBoundProfileRecordsItsFileButNeverSaves)
{
    bindTo(inHome("bound.cfp"));
    prompts_.answer(Answer::Yes);
    EXPECT_EQ(exitProgram(prompts_, profile_, homeDir_), NextStep::Quit);
    EXPECT_EQ(shown(), QStringList { kExitQuestion });
    EXPECT_EQ(temporarySessionFile(), (inHome("bound.cfp") + "\r\n").toUtf8());
    EXPECT_FALSE(QFile::exists(inHome("bound.cfp")));
}

TEST_F(FileCommandsTest, ExitOnAnUnboundProfileLeavesTheTemporarySessionFile)
{
    profile_.profileSaved = true;
    EXPECT_EQ(exitProgram(prompts_, profile_, homeDir_), NextStep::Quit);
    EXPECT_EQ(temporarySessionFile(), kTmpBefore.toUtf8());
}

TEST_F(FileCommandsTest, CloseSavesAChangedBoundProfileSilentlyThenRecordsIt)
{
    bindTo(inHome("bound.cfp"));
    EXPECT_EQ(closeMainWindow(prompts_, profile_, homeDir_), NextStep::Quit);
    EXPECT_TRUE(prompts_.shown.empty());
    EXPECT_EQ(loaded(inHome("bound.cfp")), savedAs(inHome("bound.cfp")));
    EXPECT_EQ(temporarySessionFile(), (inHome("bound.cfp") + "\r\n").toUtf8());
}

TEST_F(FileCommandsTest, CloseOnAnUnboundProfileQuitsOrAsksFirstWhenItChanged)
{
    profile_.profileSaved = true;
    EXPECT_EQ(closeMainWindow(prompts_, profile_, homeDir_), NextStep::Quit);
    EXPECT_TRUE(prompts_.shown.empty());

    profile_.profileSaved = false;
    prompts_.answer(Answer::Yes);
    EXPECT_EQ(closeMainWindow(prompts_, profile_, homeDir_), NextStep::Quit);
    EXPECT_EQ(shown(), QStringList { kExitQuestion });
    EXPECT_EQ(temporarySessionFile(), kTmpBefore.toUtf8());
}

// Folders no save can write into, even for root.
const char* const kUnwritable[] = { "/proc/cashvane-test.cfp", "missing folder/x.cfp" };

class FailedSave : public FileCommandsTest, public testing::WithParamInterface<const char*> {
protected:
    QString target() const
    {
        const QString path = GetParam();
        return path.startsWith('/') ? path : inHome(path);
    }

    void expectErrorShown(const test::Shown& s) const
    {
        EXPECT_EQ(s.title, "Error");
        EXPECT_TRUE(s.text.startsWith("The session file \"" + target() + "\" could not be used: "))
            << s.text.toStdString();
    }
};

TEST_P(FailedSave, SaveSessionReportsItAndKeepsTheProfileUnsaved)
{
    bindTo(target());
    const Profile before = profile_;
    prompts_.answer(Answer::Ok);

    saveCurrentSession(prompts_, profile_, homeDir_);

    ASSERT_EQ(prompts_.shown.size(), 1u);
    expectErrorShown(prompts_.shown[0]);
    EXPECT_EQ(profile_, before);
}

TEST_P(FailedSave, SaveSessionAsKeepsTheOldBinding)
{
    bindTo(inHome("bound.cfp"));
    const Profile before = profile_;
    prompts_.choose(target()).answer(Answer::Ok);

    saveSessionAs(prompts_, profile_, homeDir_);

    ASSERT_EQ(prompts_.shown.size(), 2u);
    expectErrorShown(prompts_.shown[1]);
    EXPECT_EQ(profile_, before);
}

TEST_P(FailedSave, TheCloseButtonKeepsTheProgramOpen)
{
    bindTo(target());
    const Profile before = profile_;
    prompts_.answer(Answer::Ok);

    EXPECT_EQ(closeMainWindow(prompts_, profile_, homeDir_), NextStep::Stay);

    ASSERT_EQ(prompts_.shown.size(), 1u);
    expectErrorShown(prompts_.shown[0]);
    EXPECT_EQ(profile_, before);
    EXPECT_EQ(temporarySessionFile(), kTmpBefore.toUtf8());
}

INSTANTIATE_TEST_SUITE_P(Unwritable, FailedSave, testing::ValuesIn(kUnwritable));

TEST_F(FileCommandsTest, ADiskThatFillsDuringTheCloseButtonsSaveLosesNothing)
{
    const QByteArray old = "the session file as it was";
    test::writeBytes(inHome("bound.cfp"), old);
    bindTo(inHome("bound.cfp"));
    IncomeSource income;
    income.title = "Income source with a long enough title";
    while (!profile_.incomes.isFull())
        profile_.incomes.append(income);

    // The child's own checks come back as its exit status.
    const int status = test::runWithFileSizeLimit(2'000, [&] {
        prompts_.answer(Answer::Ok);
        if (closeMainWindow(prompts_, profile_, homeDir_) != NextStep::Stay)
            return 1;
        if (prompts_.shown.size() != 1 || prompts_.shown[0].title != "Error")
            return 2;
        return profile_.profileSaved ? 3 : 0;
    });

    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::readBytes(inHome("bound.cfp")), old);
    EXPECT_EQ(temporarySessionFile(), kTmpBefore.toUtf8());
    EXPECT_EQ(
        QDir(home_.path()).entryList(QDir::Files), (QStringList { "bound.cfp", "cfp_tmp.dat" }));
}

} // namespace
} // namespace cashvane
