#include "engine/ChartInput.h"
#include "engine/chart/PieChart.h"
#include "model/SessionFile.h"
#include "tests/support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

using test::runCli;

class ChartCommandTest : public testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    // A session file of `count` expenses of growing amounts.
    QString saveExpenses(int count)
    {
        for (int k = 1; k <= count; ++k) {
            Expense expense;
            expense.title = QStringLiteral("Expense %1").arg(k);
            expense.amount = 10.0f * static_cast<float>(k) + 0.5f;
            profile_.expenses.append(expense);
        }
        EXPECT_TRUE(saveSession(profile_, pathOf("profile.cfp")).ok);
        return pathOf("profile.cfp");
    }

    Profile profile_;
    QTemporaryDir folder_;
};

TEST_F(ChartCommandTest, WritesTheExpensesChartAsA300By220Png)
{
    const QString session = saveExpenses(13);
    const test::CliRun run = runCli({"chart", session, "-o", pathOf("chart.png"), "--seed", "5"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());

    const QImage written(pathOf("chart.png"), "PNG");
    ASSERT_EQ(written.size(), QSize(300, 220));
    SeededRandom random(5);
    const QImage drawn = drawExpensesChart(chartSlices(profile_.expenses, random));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), drawn);
}

TEST_F(ChartCommandTest, TheSameSeedGivesTheSameColoursAndAnotherSeedOthers)
{
    const QString session = saveExpenses(12);
    const auto chartWithSeed = [&](const QString& seed) {
        const QString out = pathOf(QStringLiteral("seed-%1.png").arg(seed));
        const test::CliRun run = runCli({"chart", session, "-o", out, "--seed", seed});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return test::readBytes(out);
    };
    const QByteArray first = chartWithSeed(QStringLiteral("7"));
    EXPECT_EQ(chartWithSeed(QStringLiteral("7")), first);
    EXPECT_NE(chartWithSeed(QStringLiteral("8")), first);
}

struct FailureCase {
    const char* name;
    QStringList arguments; // "SESSION" and "OUT" stand for the files of the test
    const char* reason;
};

class ChartCommandFailureTest : public ChartCommandTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ChartCommandFailureTest, ExitsWith2AndOneLineAndWritesNothing)
{
    const QString session = saveExpenses(2);
    QStringList arguments{QStringLiteral("chart")};
    for (const QString& word : GetParam().arguments) {
        arguments.push_back(word == u"SESSION" ? session
                            : word == u"OUT"   ? pathOf("out.png")
                                               : word);
    }
    const test::CliRun run = runCli(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith("cashvane-cli: ")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(GetParam().reason)) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pathOf("out.png")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartCommandFailureTest,
    testing::Values(FailureCase{"NoOutput", {"SESSION"}, "no -o OUT.png given"},
                    FailureCase{"OutputWithoutName", {"SESSION", "-o"}, "-o needs a value"},
                    FailureCase{"TwoFiles", {"SESSION", "SESSION", "-o", "OUT"}, "expected 1 file names, got 2"},
                    FailureCase{"BadSeed", {"SESSION", "-o", "OUT", "--seed", "-1"}, "--seed"},
                    FailureCase{"SeedTooLarge", {"SESSION", "-o", "OUT", "--seed", "4294967296"}, "--seed"},
                    FailureCase{"MissingSession", {"nowhere.cfp", "-o", "OUT"}, "does not exist"},
                    FailureCase{"OutputInAMissingFolder", {"SESSION", "-o", "/nonexistent-folder/out.png"},
                                "cannot write \"/nonexistent-folder/out.png\""}),
    test::CaseName());

} // namespace
} // namespace cashvane
