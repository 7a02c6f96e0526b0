#include "SessionBytes.h"
#include "model/SessionFile.h"
#include "model/SessionReader.h"
#include "model/SessionWriter.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace cashvane {
namespace {

using test::emptyHistory;
using test::floatBytes;
using test::header;
using test::int32Bytes;
using test::line;

class SessionFileTest : public testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    // A profile that is open before a load is tried, to see that a refusal keeps it.
    static Profile openProfile()
    {
        Profile profile = test::richProfile();
        profile.sessionPath = "/somewhere/open.cfp";
        profile.profileSaved = false;
        return profile;
    }

    QTemporaryDir folder_;
};

TEST_F(SessionFileTest, AnEmptyProfileTakesFourHundredAndTenBytes)
{
    Profile profile;
    ASSERT_TRUE(saveSession(profile, pathOf("empty.cfp")).ok);
    const QByteArray bytes = test::readBytes(pathOf("empty.cfp"));
    EXPECT_EQ(bytes.size(), 410);
    EXPECT_EQ(bytes, header("", 0, 0, 0) + emptyHistory());
}

TEST_F(SessionFileTest, AnEntryIsTwoTextLinesAndFortyEightBytesWithTheEndDateLast)
{
    Profile profile;
    RecurringEntry pension;
    pension.title = "Pension";
    pension.useCustom = 0;
    pension.frequency = FrequencyCode::Monthly;
    pension.startDay = 2;
    pension.startMonth = 3;
    pension.startYear = 2010;
    pension.noEndDate = 1;
    pension.bankIndex = 1;
    pension.paidInCash = 0;
    pension.amount = 812.5f;
    pension.endDay = 4;
    pension.endMonth = 5;
    pension.endYear = 2012;
    profile.incomes.append(pension);

    // Twelve numbers of four bytes; the amount is the ninth, bytes 33 to 36.
    const QByteArray numbers = int32Bytes(0) + int32Bytes(4) + int32Bytes(2) + int32Bytes(3)
        + int32Bytes(2010) + int32Bytes(1) + int32Bytes(1) + int32Bytes(0) + floatBytes(812.5f)
        + int32Bytes(4) + int32Bytes(5) + int32Bytes(2012);
    EXPECT_EQ(writeSession(profile),
              header("", 1, 0, 0) + "Pension\r\n" + "\r\n" + numbers + emptyHistory());
}

TEST_F(SessionFileTest, AnAccountIsNameTypeBankBalanceAndLimit)
{
    Profile profile;
    profile.profileName = "Sam";
    profile.accounts.append({"Main", 2, "Big Bank", 1000.0f, 250.0f});
    profile.history.entry(1) = {"05/03/2010", "Add Bank: Main"};
    EXPECT_EQ(writeSession(profile),
              header("Sam", 0, 0, 1) + line("Main") + int32Bytes(2) + line("Big Bank")
                  + floatBytes(1000.0f) + floatBytes(250.0f) + line("05/03/2010")
                  + line("Add Bank: Main") + QByteArray("\r\n").repeated(98 * 2));
}

TEST_F(SessionFileTest, ASavedProfileLoadsBackFieldForField)
{
    Profile saved = test::richProfile();
    for (int k = saved.expenseCount(); k < 100; ++k)
        saved.expenses.append(saved.incomes.record(1 + k % 2));
    ASSERT_TRUE(saveSession(saved, pathOf("rich.cfp")).ok);

    Profile loaded;
    const SessionResult result = loadSession(loaded, pathOf("rich.cfp"));
    ASSERT_TRUE(result.ok) << result.message().toStdString();
    EXPECT_EQ(loaded, saved);
    EXPECT_TRUE(std::isnan(loaded.incomes.record(2).amount));
    EXPECT_EQ(loaded.profileName, QString::fromUtf8("Zoë's café £ € budget"));
    EXPECT_EQ(loaded.history.entry(5), HistoryEntry{});
}

TEST_F(SessionFileTest, LoadingBindsTheProfileAndCountsItAsSaved)
{
    Profile profile = test::richProfile();
    ASSERT_TRUE(saveSession(profile, pathOf("bound")).ok);
    EXPECT_EQ(profile.sessionPath, pathOf("bound.cfp"));

    Profile loaded = openProfile();
    ASSERT_TRUE(loadSession(loaded, pathOf("bound")).ok);
    EXPECT_EQ(loaded.sessionPath, pathOf("bound.cfp"));
    EXPECT_TRUE(loaded.profileSaved);
}

TEST_F(SessionFileTest, LineEndsOfEveryKindEndATextLine)
{
    // The same profile with CR LF, lone LF, lone CR and NUL line ends.
    const QByteArray body = int32Bytes(0) + int32Bytes(0) + int32Bytes(1);
    const QByteArray account = int32Bytes(3) + floatBytes(5.0f) + floatBytes(6.0f);
    const QByteArray endings[] = {"\r\n", "\n", "\r", QByteArray(1, '\0')};
    for (const QByteArray& end : endings) {
        QByteArray bytes = "Name" + end + body + "Main" + end + account.left(4) + "Bank" + end
            + account.mid(4);
        for (int k = 0; k < 99; ++k)
            bytes += "01/01/2010" + end + "Action" + end;
        const SessionReadResult read = readSession(bytes);
        ASSERT_TRUE(read.profile);
        EXPECT_EQ(read.profile->profileName, "Name");
        ASSERT_EQ(read.profile->bankCount(), 1);
        EXPECT_EQ(read.profile->accounts.record(1), (BankAccount{"Main", 3, "Bank", 5.0f, 6.0f}));
        EXPECT_EQ(read.profile->history.entry(99), (HistoryEntry{"01/01/2010", "Action"}));
    }
}

TEST_F(SessionFileTest, ALoneCarriageReturnTakesAFollowingLineFeedByteIntoTheLineEnd)
{
    // The name ends in a lone CR and the income count is 10, whose first byte
    // is byte 10: it is read as part of the line end, and every number after
    // it starts one byte later.
    const QByteArray bytes = "A\r" + int32Bytes(10) + int32Bytes(0) + int32Bytes(0);
    const SessionReadResult read = readSession(bytes);
    ASSERT_TRUE(read.profile);
    EXPECT_EQ(read.profile->profileName, "A");
    EXPECT_EQ(read.profile->incomeCount(), 0);

    // Any other byte after a lone CR is left for the next field.
    const SessionReadResult other = readSession("A\r" + int32Bytes(1) + int32Bytes(0) + int32Bytes(0));
    ASSERT_TRUE(other.profile);
    EXPECT_EQ(other.profile->incomeCount(), 1);
}

TEST_F(SessionFileTest, AFileCutShortLoadsWithTheMissingFieldsEmpty)
{
    Profile full = test::richProfile();
    const QByteArray bytes = writeSession(full);
    // Cut inside the first income's useCustom, after two of its four bytes.
    const qsizetype cut = header(full.profileName.toUtf8(), 2, 6, 2).size()
        + QByteArray("Wages / Salary\r\n\r\n").size() + 2;
    QByteArray shortened = bytes.left(cut);
    shortened[cut - 2] = 0x01;
    shortened[cut - 1] = 0x02;

    const SessionReadResult read = readSession(shortened);
    ASSERT_TRUE(read.profile);
    ASSERT_EQ(read.profile->incomeCount(), 2);
    ASSERT_EQ(read.profile->expenseCount(), 6);
    EXPECT_EQ(read.profile->incomes.record(1).title, "Wages / Salary");
    EXPECT_EQ(read.profile->incomes.record(1).useCustom, 0x0201); // low-order bytes only
    EXPECT_EQ(read.profile->incomes.record(1).amount, 0.0f);
    EXPECT_EQ(read.profile->incomes.record(2), RecurringEntry{});
    EXPECT_EQ(read.profile->accounts.record(2), BankAccount{});
    EXPECT_EQ(read.profile->history, HistoryLog{});
}

TEST_F(SessionFileTest, AHistoryCutOffAfterTenEntriesLeavesTheRestEmpty)
{
    Profile full;
    for (int k = 1; k <= 99; ++k)
        full.history.entry(k) = {"11/08/2010", QStringLiteral("Line %1").arg(k)};
    const QByteArray bytes = writeSession(full);
    const qsizetype afterTen = header("", 0, 0, 0).size() + 10 * QByteArray("11/08/2010\r\nLine 1\r\n").size() + 1;
    const SessionReadResult read = readSession(bytes.left(afterTen));
    ASSERT_TRUE(read.profile);
    EXPECT_EQ(read.profile->history.entry(10).actionText, "Line 10");
    for (int k = 11; k <= 99; ++k)
        EXPECT_EQ(read.profile->history.entry(k), HistoryEntry{}) << "entry " << k;
}

TEST_F(SessionFileTest, ASmallerProfileSavedOverALargerFileLeavesOnlyItself)
{
    Profile large = test::richProfile();
    ASSERT_TRUE(saveSession(large, pathOf("reuse.cfp")).ok);
    Profile small;
    small.profileName = "Small";
    ASSERT_TRUE(saveSession(small, pathOf("reuse.cfp")).ok);

    EXPECT_EQ(QFile(pathOf("reuse.cfp")).size(), 415);
    Profile loaded;
    ASSERT_TRUE(loadSession(loaded, pathOf("reuse.cfp")).ok);
    small.sessionPath = loaded.sessionPath;
    EXPECT_EQ(loaded, small);
}

TEST_F(SessionFileTest, ImpossibleCountsAreRefusedAndTheOpenProfileIsKept)
{
    const std::int32_t counts[] = {101, -1, std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min()};
    for (int position = 0; position < 3; ++position) {
        for (std::int32_t count : counts) {
            int values[3] = {0, 0, 0};
            values[position] = count;
            test::writeBytes(pathOf("bad.cfp"), header("Bad", values[0], values[1], values[2]));

            Profile profile = openProfile();
            const SessionResult result = loadSession(profile, pathOf("bad.cfp"));
            EXPECT_FALSE(result.ok);
            EXPECT_TRUE(result.message().contains(pathOf("bad.cfp")));
            EXPECT_TRUE(result.message().contains(QString::number(count))) << result.message().toStdString();
            EXPECT_EQ(profile, openProfile());
        }
    }
}

TEST_F(SessionFileTest, FilesThatCannotBeReadAreRefusedAndTheOpenProfileIsKept)
{
    QDir(folder_.path()).mkdir("folder.cfp");
    QFile huge(pathOf("huge.cfp"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(17 * 1024 * 1024));
    huge.close();
    // A pipe would block the reader until something writes to it.
    ASSERT_EQ(mkfifo(pathOf("pipe.cfp").toLocal8Bit().constData(), 0600), 0);

    for (const char* name : {"folder.cfp", "huge.cfp", "pipe.cfp"}) {
        Profile profile = openProfile();
        const SessionResult result = loadSession(profile, pathOf(name));
        EXPECT_FALSE(result.ok) << name;
        EXPECT_TRUE(result.message().contains(pathOf(name))) << result.message().toStdString();
        EXPECT_EQ(profile, openProfile()) << name;
    }
}

TEST_F(SessionFileTest, AMissingFileGivesAnEmptyProfileBoundToItAndCreatesNothing)
{
    Profile profile = openProfile();
    const SessionResult result = loadSession(profile, pathOf("new"));
    EXPECT_TRUE(result.ok);
    Profile expected;
    expected.sessionPath = pathOf("new.cfp");
    EXPECT_EQ(profile, expected);
    EXPECT_FALSE(QFile::exists(pathOf("new.cfp")));
}

TEST_F(SessionFileTest, AReadOnlyFileOpens)
{
    Profile saved = test::richProfile();
    ASSERT_TRUE(saveSession(saved, pathOf("locked.cfp")).ok);
    QFile::setPermissions(pathOf("locked.cfp"), QFile::ReadOwner | QFile::ReadGroup);
    Profile loaded;
    EXPECT_TRUE(loadSession(loaded, pathOf("locked.cfp")).ok);
    EXPECT_EQ(loaded, saved);
}

TEST_F(SessionFileTest, AFailedSaveChangesNothingAboutTheProfile)
{
    Profile profile = openProfile();
    const SessionResult result = saveSession(profile, pathOf("no such folder/x.cfp"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message().contains(pathOf("no such folder/x.cfp")));
    EXPECT_EQ(profile, openProfile());
}

TEST_F(SessionFileTest, ASaveTheDiskCannotTakeWholeFailsAndKeepsTheOldFile)
{
    Profile old;
    old.profileName = "Old";
    ASSERT_TRUE(saveSession(old, pathOf("full.cfp")).ok);
    const QByteArray oldBytes = test::readBytes(pathOf("full.cfp"));

    const int status = test::runWithFileSizeLimit(500, [&] {
        Profile profile = openProfile();
        const SessionResult result = saveSession(profile, pathOf("full.cfp"));
        return !result.ok && profile == openProfile() ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::readBytes(pathOf("full.cfp")), oldBytes);
}

TEST_F(SessionFileTest, AnEmptyPathSavesToTheBoundFileOrTmpInTheCurrentFolder)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    Profile profile;
    const SessionResult first = saveSession(profile, "");
    QDir::setCurrent(before);
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.path, "tmp.cfp");
    EXPECT_TRUE(QFile::exists(pathOf("tmp.cfp")));

    profile.sessionPath = pathOf("bound.cfp");
    EXPECT_EQ(saveSession(profile, "").path, pathOf("bound.cfp"));
    EXPECT_TRUE(QFile::exists(pathOf("bound.cfp")));
}

TEST(SessionFilePath, AppendsTheExtensionUnlessThePathEndsInItExactly)
{
    struct Case {
        const char* given;
        const char* sessionPath;
        const char* path;
    };
    const Case cases[] = {
        {"", "", "tmp.cfp"},
        {"", "/home/sam/budget.cfp", "/home/sam/budget.cfp"},
        {"/home/sam/budget", "", "/home/sam/budget.cfp"},
        {"/home/sam/budget.cfp", "/other.cfp", "/home/sam/budget.cfp"},
        {"/home/sam/budget.CFP", "", "/home/sam/budget.CFP.cfp"},
        {"budget.cfpx", "", "budget.cfpx.cfp"},
        {".cfp", "", ".cfp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sessionFilePath(c.given, c.sessionPath).toStdString(), c.path) << c.given;
}

TEST(SessionTexts, ReadEightBitTextsAsWindows1252AndWriteUtf8)
{
    struct Case {
        QByteArray stored;
        const char* text; // UTF-8
    };
    const Case cases[] = {
        {"\xA3" "5 caf\xE9", "£5 café"},
        {"\x80 \x85 \x9F", "€ … Ÿ"},
        {"\xC2\xA3" "5 caf\xC3\xA9", "£5 café"},
        {"plain", "plain"},
    };
    for (const auto& c : cases) {
        const SessionReadResult read = readSession(header(c.stored, 0, 0, 0));
        ASSERT_TRUE(read.profile);
        EXPECT_EQ(read.profile->profileName, QString::fromUtf8(c.text));
        EXPECT_EQ(writeSession(*read.profile).left(QByteArray(c.text).size() + 2), line(c.text));
    }
}

TEST(SessionTexts, ALeadingByteOrderMarkIsKeptAsPartOfTheText)
{
    const SessionReadResult read = readSession(header("\xEF\xBB\xBF" "bom", 0, 0, 0));
    ASSERT_TRUE(read.profile);
    EXPECT_EQ(read.profile->profileName, QChar(0xFEFF) + QStringLiteral("bom"));
    EXPECT_EQ(writeSession(*read.profile).left(8), line("\xEF\xBB\xBF" "bom"));
}

TEST(SessionTexts, ALineBreakInATextIsWrittenAsABlankSoTheFileKeepsItsShape)
{
    Profile profile;
    profile.profileName = QString::fromLatin1("two\r\nlines\0here", 15);
    EXPECT_EQ(writeSession(profile).left(17), line("two  lines here"));
}

} // namespace
} // namespace cashvane
