#include "model/SessionFile.h"
#include "tests/model/SessionBytes.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cashvane {
namespace {

using test::runCli;

class ProfileCommandsTest : public testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    QString writeJson(const QString& name, const QByteArray& json) const
    {
        test::writeBytes(pathOf(name), json);
        return pathOf(name);
    }

    QTemporaryDir folder_;
};

TEST_F(ProfileCommandsTest, ExportThenImportGivesBackTheSameBytes)
{
    Profile profile = test::richProfile();
    ASSERT_TRUE(saveSession(profile, pathOf("original.cfp")).ok);

    const test::CliRun exported = runCli({"export", pathOf("original.cfp")});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    writeJson("profile.json", exported.out);
    const test::CliRun imported = runCli({"import", pathOf("profile.json"), pathOf("copy.cfp")});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();

    EXPECT_EQ(test::readBytes(pathOf("copy.cfp")), test::readBytes(pathOf("original.cfp")));
}

TEST_F(ProfileCommandsTest, ImportThenExportGivesBackTheSameJson)
{
    const QByteArray json = R"({
  "profileName": "Sam Reyes £€",
  "incomes": [
    {
      "title": "Wages / Salary",
      "useCustom": 1,
      "customTitle": "Büro \"quoted\" \\ {braces}",
      "frequency": 4,
      "startDay": 1,
      "startMonth": 1,
      "startYear": 1919,
      "endDay": 31,
      "endMonth": 2,
      "endYear": 2051,
      "noEndDate": -7,
      "bankIndex": 2147483647,
      "paidInCash": -2147483648,
      "amount": 0.1
    }
  ],
  "expenses": [
    {
      "title": "Rent/Mortgage",
      "useCustom": 0,
      "customTitle": "",
      "frequency": 3,
      "startDay": 0,
      "startMonth": 0,
      "startYear": 0,
      "endDay": 0,
      "endMonth": 0,
      "endYear": 0,
      "noEndDate": 0,
      "bankIndex": -1,
      "paidInCash": 1,
      "amount": "NaN"
    }
  ],
  "accounts": [
    {
      "accountName": "Main",
      "accountType": 1,
      "bankName": "Big Bank",
      "balance": 3.4028235e+38,
      "overdraftLimit": "-Infinity"
    },
    {
      "accountName": "",
      "accountType": 6,
      "bankName": "",
      "balance": -12.34,
      "overdraftLimit": "Infinity"
    }
  ],
  "history": [
)";
    QByteArray history;
    for (int k = 1; k <= 99; ++k) {
        const QByteArray action = k <= 2 ? "Add Expense: Rent/Mortgage" : "";
        history += "    {\n      \"dateText\": \"" + QByteArray(k <= 2 ? "05/03/2010" : "")
            + "\",\n      \"actionText\": \"" + action + "\"\n    }" + (k < 99 ? ",\n" : "\n");
    }
    const QByteArray document = json + history + "  ]\n}\n";
    writeJson("profile.json", document);

    ASSERT_EQ(runCli({"import", pathOf("profile.json"), pathOf("sam.cfp")}).status, 0);
    const test::CliRun exported = runCli({"export", pathOf("sam.cfp")});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out.toStdString(), document.toStdString());
}

TEST_F(ProfileCommandsTest, ImportTakesMissingKeysAsEmptyAndZero)
{
    writeJson("short.json", R"({"profileName": "Short", "expenses": [{"title": "Taxes"}]})");
    ASSERT_EQ(runCli({"import", pathOf("short.json"), pathOf("short")}).status, 0);

    Profile loaded;
    ASSERT_TRUE(loadSession(loaded, pathOf("short.cfp")).ok);
    EXPECT_EQ(loaded.profileName, "Short");
    ASSERT_EQ(loaded.expenseCount(), 1);
    RecurringEntry taxes;
    taxes.title = "Taxes";
    EXPECT_EQ(loaded.expenses.record(1), taxes);
    EXPECT_EQ(loaded.history, HistoryLog{});
}

TEST_F(ProfileCommandsTest, BadInputIsRefusedWithOneLineAndWritesNothing)
{
    QByteArray tooMany = R"({"accounts": [)";
    for (int k = 0; k < 101; ++k)
        tooMany += k == 0 ? "{}" : ",{}";
    tooMany += "]}";

    struct Case {
        const char* name;
        QByteArray json;
        const char* says;
    };
    const Case cases[] = {
        {"not JSON", "{\"profileName\": ", "cannot be read as JSON"},
        {"line break in a text", R"({"profileName": "two\nlines"})", "profileName holds a line break"},
        {"NUL in a text", R"({"accounts": [{"bankName": "a\u0000b"}]})", "accounts[0].bankName holds"},
        {"101 accounts", tooMany, "accounts holds 101 items"},
        {"100 history entries", "{\"history\": [" + QByteArray("{},").repeated(99) + "{}]}",
         "history holds 100 items"},
        {"integer beyond 32 bits", R"({"incomes": [{"frequency": 4294967296}]})",
         "incomes[0].frequency does not fit in 32 bits"},
        {"fraction for an integer", R"({"incomes": [{"startDay": 1.5}]})", "is not a whole number"},
        {"text for an amount", R"({"expenses": [{"amount": "12"}]})", "expenses[0].amount is not a number"},
        {"amount beyond single precision", R"({"expenses": [{"amount": 1e39}]})", "number overflow"},
        {"unknown key", R"({"profileName": "x", "profileNmae": "y"})", "has no member \"profileNmae\""},
        {"list of the wrong kind", R"({"incomes": {}})", "incomes is not a list"},
        {"not an object", "[]", "the profile is not an object"},
    };
    for (const auto& c : cases) {
        writeJson("bad.json", c.json);
        const test::CliRun run = runCli({"import", pathOf("bad.json"), pathOf("out.cfp")});
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_TRUE(run.err.contains(c.says)) << c.name << ": " << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << c.name;
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
        EXPECT_FALSE(QFile::exists(pathOf("out.cfp"))) << c.name;
    }
}

TEST_F(ProfileCommandsTest, FilesThatCannotBeUsedAndBadUsageExitWithTwo)
{
    test::writeBytes(pathOf("bad.cfp"), test::header("Bad", 101, 0, 0));
    writeJson("ok.json", "{}");
    struct Case {
        QStringList arguments;
        const char* says;
    };
    const Case cases[] = {
        {{}, "no command"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"export"}, "usage: export FILE.cfp"},
        {{"export", pathOf("a.cfp"), pathOf("b.cfp")}, "usage: export FILE.cfp"},
        {{"export", "--now", "x", pathOf("a.cfp")}, "unknown option --now"},
        {{"export", pathOf("missing")}, "missing.cfp\" does not exist"},
        {{"export", pathOf("bad.cfp")}, "claims 101 income sources"},
        {{"import", pathOf("missing.json"), pathOf("out.cfp")}, "cannot read"},
        {{"import", "/dev/zero", pathOf("out.cfp")}, "far larger than any profile"},
        {{"import", pathOf("ok.json"), pathOf("no folder/out.cfp")}, "no folder/out.cfp"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = runCli(c.arguments);
        const std::string words = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, 2) << words;
        EXPECT_TRUE(run.err.startsWith("cashvane-cli: ")) << words;
        EXPECT_TRUE(run.err.contains(c.says)) << words << ": " << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << words;
    }
}

TEST_F(ProfileCommandsTest, OutputThatCannotBeWrittenExitsWithTwo)
{
    Profile profile = test::richProfile();
    ASSERT_TRUE(saveSession(profile, pathOf("profile.cfp")).ok);
    for (const QStringList& arguments :
        {QStringList {"export", pathOf("profile.cfp")}, QStringList {"views", pathOf("profile.cfp")},
            QStringList {"--help"}}) {
        const test::CliRun run = runCli(arguments, "/dev/full");
        const std::string words = arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, 2) << words;
        EXPECT_TRUE(run.err.contains("cannot write to standard output")) << words;
        EXPECT_EQ(run.err.count('\n'), 1) << words;
    }
}

TEST_F(ProfileCommandsTest, HelpListsTheCommands)
{
    const test::CliRun run = runCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("export FILE.cfp"));
    EXPECT_TRUE(run.out.contains("import PROFILE.json OUT.cfp"));
}

} // namespace
} // namespace cashvane
