#include "engine/report/RichTextDocument.h"
#include "engine/report/RtfReader.h"
#include "model/SessionFile.h"
#include "tests/support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace cashvane {
namespace {

RecurringEntry entry(const QString& title, float amount)
{
    RecurringEntry e;
    e.title = title;
    e.frequency = FrequencyCode::Monthly;
    e.startDay = 1;
    e.startMonth = 1;
    e.startYear = 2010;
    e.noEndDate = 1;
    e.amount = amount;
    return e;
}

class ReportCommandTest : public testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    // Saves the profile, runs "report" on it and reads back the lines of the
    // file it wrote.
    QStringList reportLines(const Profile& profile)
    {
        Profile saved = profile;
        EXPECT_TRUE(saveSession(saved, pathOf("profile.cfp")).ok);
        const test::CliRun run = test::runCli(
            {"report", pathOf("profile.cfp"), "-o", pathOf("report"), "--now", "2010-08-11 09:00:00"});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QTextDocument document;
        setRichText(document, readRtf(test::readBytes(pathOf("report.rtf"))));
        return document.toPlainText().split(u'\n');
    }

    QTemporaryDir folder_;
};

TEST_F(ReportCommandTest, WritesEveryFigureAtItsPlaceAndTheBlocksBelowEachOther)
{
    Profile profile;
    profile.profileName = "Sam Reyes";
    profile.incomes.append(entry("Wages / Salary", 1500.0f));
    profile.incomes.append(entry("Pension", 300.0f));
    profile.incomes.append(entry("Benefits", 50.0f));
    profile.expenses.append(entry("Rent/Mortgage", 450.0f));
    profile.expenses.append(entry("Utility Bill", 50.0f));
    profile.accounts.append({"Main", 1, "Big Bank", 1000.0f, 250.0f});

    const QStringList lines = reportLines(profile);
    ASSERT_GT(lines.size(), 90);
    EXPECT_EQ(lines[1], "Prepared for profile Sam Reyes");
    EXPECT_EQ(lines[2], "Dated: August 11th 2010");
    EXPECT_EQ(lines[5], "Income:       \t1850.00");
    EXPECT_EQ(lines[6], "Expenses:       \t500.00");
    EXPECT_EQ(lines[7], "Balance:       \t1350.00");
    EXPECT_EQ(lines[13], "Income:       \t1850.00");
    EXPECT_EQ(lines[19], "Balance:      \t16200.00");
    EXPECT_EQ(lines.mid(22, 3), QStringList({"Wages / Salary (1500.00)", "Pension (300.00)", "Benefits (50.00)"}));
    EXPECT_EQ(lines.mid(28, 2), QStringList({"Rent/Mortgage (450.00)", "Utility Bill (50.00)"}));
    EXPECT_EQ(lines[33], "Main (Balance: 1000.00)");
    EXPECT_EQ(lines[37], "Wk \tWk-End      \tBalance");
    EXPECT_TRUE(lines[38].startsWith("1\t21 / 08 / 10\t")) << lines[38].toStdString();
    EXPECT_TRUE(lines[89].startsWith("52\t13 / 08 / 11\t")) << lines[89].toStdString();
}

TEST_F(ReportCommandTest, AnEmptyListLeavesItsLineEmptyAndMovesNothing)
{
    Profile profile;
    profile.expenses.append(entry("Taxes", 10.0f));
    const QStringList lines = reportLines(profile);
    EXPECT_EQ(lines[1], "Prepared for profile ");
    EXPECT_EQ(lines[22], "");
    EXPECT_EQ(lines[25], "Taxes (10.00)");
}

TEST_F(ReportCommandTest, AnIndependentReaderSeesTheSameReport)
{
    Profile profile;
    profile.profileName = QString::fromUtf8("Zoë {braces} \\back £ €");
    RecurringEntry custom = entry("Other..", 12.5f);
    custom.useCustom = 1;
    custom.customTitle = QString::fromUtf8("Café } { \\par £5");
    profile.incomes.append(custom);
    profile.accounts.append({QString::fromUtf8("Épargne €"), 2, "Banque", -20.0f, 0.0f});
    QStringList ours = reportLines(profile);
    EXPECT_EQ(ours[1], QString::fromUtf8("Prepared for profile Zoë {braces} \\back £ €"));

    // LibreOffice writes the text as UTF-8 with a byte-order mark, and marks
    // each space of a run of spaces with a six-per-em space before it.
    const QString profileFolder = QStringLiteral("file://") + pathOf("office-profile");
    QProcess office;
    // LibreOffice is not ours: it runs without the sanitizer settings the
    // sanitized test run sets for our programs.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {QStringLiteral("ASAN_OPTIONS"), QStringLiteral("UBSAN_OPTIONS"),
                                QStringLiteral("LSAN_OPTIONS")})
        environment.remove(name);
    office.setProcessEnvironment(environment);
    office.start("soffice", {"--headless", "-env:UserInstallation=" + profileFolder, "--convert-to",
                             "txt:Text (encoded):UTF8", "--outdir", folder_.path(), pathOf("report.rtf")});
    ASSERT_TRUE(office.waitForFinished(180'000)) << "LibreOffice did not finish";
    ASSERT_EQ(office.exitCode(), 0) << office.readAllStandardError().toStdString();
    QString theirs = QString::fromUtf8(test::readBytes(pathOf("report.txt")));
    theirs.remove(QChar(0xFEFF)).remove(QChar(0x2006));
    QStringList theirLines = theirs.split(u'\n');
    for (QString& line : theirLines)
        line.remove(u'\r');
    while (!ours.isEmpty() && ours.back().isEmpty())
        ours.removeLast();
    while (!theirLines.isEmpty() && theirLines.back().isEmpty())
        theirLines.removeLast();
    EXPECT_EQ(theirLines.join(u'\n').toStdString(), ours.join(u'\n').toStdString());
}

TEST_F(ReportCommandTest, RefusesBadWordsWithOneLine)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{"report", pathOf("x.cfp")}, "no -o OUT.rtf given"},
        {{"report", pathOf("missing.cfp"), "-o", pathOf("r.rtf")}, "does not exist"},
        {{"report", pathOf("x.cfp"), "-o", pathOf("r.rtf"), "--now", "2010-02-30 00:00:00"}, "--now"},
        {{"report", pathOf("x.cfp"), "-o", pathOf("r.rtf"), "--now", "2010-08-11 09:00:00\n"}, "--now"},
        {{"report", pathOf("x.cfp"), "-o", pathOf("r.rtf"), "--seed", "7\n"}, "--seed"},
    };
    for (const auto& [arguments, says] : cases) {
        const test::CliRun run = test::runCli(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains(says)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

} // namespace
} // namespace cashvane
