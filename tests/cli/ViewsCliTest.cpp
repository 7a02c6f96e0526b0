#include "tests/engine/EngineFixtures.h"
#include "model/SessionFile.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cashvane {
namespace {

using test::entry;
using F = FrequencyCode;

// A session file with more expenses than the palette has colours, so the
// output also depends on the seed.
class ViewsCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        Profile profile = test::profileWith({ entry(F::Monthly, 1500, { 1, 1, 2010 }) }, {},
            { test::account(QStringLiteral("Main"), QString(), 1000) });
        for (int k = 1; k <= 14; ++k)
            profile.expenses.append(entry(F::Weekly, static_cast<float>(k), { 1, 1, 2010 }));
        profile.profileName = QStringLiteral("Sam Reyes");
        ASSERT_TRUE(saveSession(profile, path).ok);
    }

    test::CliRun views(const QStringList& options) const
    {
        return test::runCli(QStringList { QStringLiteral("views"), path } + options);
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("sam.cfp"));
};

const QStringList kFixedRun = { "--now", "2010-08-11 09:30:00", "--seed", "7" };

TEST_F(ViewsCommand, GivesTheSameBytesOnEveryRun)
{
    const QByteArray file = test::readBytes(path);
    const test::CliRun first = views(kFixedRun);
    const test::CliRun second = views(kFixedRun);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.err, QByteArray());
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(test::readBytes(path), file);
    EXPECT_NE(views({ "--now", "2010-08-11 09:30:00", "--seed", "8" }).out, first.out);
}

TEST_F(ViewsCommand, WritesTheKeysInPassOrder)
{
    const QByteArray out = views(kFixedRun).out;
    EXPECT_TRUE(out.startsWith(
        "{\n  \"profileNameLabel\": \"Sam Reyes\",\n  \"dateLabel\": \"August 11th 2010\",\n"));
    qsizetype last = -1;
    for (const char* key : { "history", "summaryTree", "expenseTotals", "outlook", "income",
             "expenses", "banking", "projection", "reportFields", "chartSlices" }) {
        const qsizetype at = out.indexOf(QByteArray("\n  \"") + key + "\": ");
        EXPECT_GT(at, last) << key;
        last = at;
    }
    EXPECT_TRUE(out.contains("\"text\": \"Balance: 1395.00\",\n      \"colour\": [\n        0,\n   "
                             "     153,\n        0\n"));
    EXPECT_TRUE(out.endsWith("}\n"));
}

TEST_F(ViewsCommand, RefusesMalformedOptionsWithOneLine)
{
    const std::vector<QStringList> cases = {
        { "--now", "2010-08-11" },
        { "--now", "2010-02-30 09:30:00" },
        { "--now", "2010-08-11 24:00:00" },
        { "--now", "2010-8-11 09:30:00" },
        { "--now", " 2010-08-11 09:30:00" },
        { "--seed", "-1" },
        { "--seed", "4294967296" },
        { "--seed", "12a" },
        { "--seed" },
        { "--colour", "red" },
    };
    for (const QStringList& options : cases) {
        const test::CliRun run = views(options);
        EXPECT_EQ(run.status, 2) << options.join(u' ').toStdString();
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("cashvane-cli: ")) << run.err.toStdString();
    }
}

TEST_F(ViewsCommand, RefusesAMissingFile)
{
    const test::CliRun run = test::runCli(
        { "views", folder.filePath(QStringLiteral("absent.cfp")), "--now", "2010-08-11 09:30:00" });
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("absent.cfp")) << run.err.toStdString();
}

} // namespace
} // namespace cashvane
