#include "tests/support/CaseName.h"
#include "ChartPictures.h"
#include "engine/chart/PieChart.h"

#include <QDir>

#include <gtest/gtest.h>

namespace cashvane {
namespace {

using test::slice;

// Whole pictures compared with ones a person has looked at and committed.
// Fonts come from the system, so a change of FreeType or of the Liberation
// fonts may move text pixels; the message says how to review and accept.
struct GoldenCase {
    const char* name;
    const char* file; // in golden/, without ".png"
    ChartSlices slices;
};

std::vector<GoldenCase> goldenCases()
{
    ChartSlices fourteen{
        slice(450, QStringLiteral("Rent/Mortgage (450.00)"), {207, 186, 119}),
        slice(120, QStringLiteral("Groceries (120.50)"), {119, 165, 207}),
        slice(60, QStringLiteral("Electricity (60.00)"), {186, 207, 119}),
        slice(35, QStringLiteral("Phone (35.00)"), {212, 146, 146}),
        slice(210, QStringLiteral("Car Loan (210.00)"), {135, 225, 218}),
    };
    const ChartSlices five = fourteen;
    for (int k = 6; k <= 14; ++k)
        fourteen.push_back(slice(10 * k, QStringLiteral("Expense %1 (%2.00)").arg(k).arg(10 * k),
                                 QColor(88 + 11 * k, 255 - 9 * k, 100 + 7 * k)));
    return {{"NoData", "no-data", {}},
            {"FiveExpenses", "five-expenses", five},
            {"FourteenExpenses", "fourteen-expenses", fourteen}};
}

QString describe(const QColor& colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// Empty when the pictures agree; otherwise how many pixels differ and where
// the first one is.
QString difference(const QImage& expected, const QImage& actual)
{
    if (expected.isNull())
        return QStringLiteral("there is no expected picture");
    if (expected.size() != actual.size()) {
        return QStringLiteral("the expected picture is %1 x %2, the actual one %3 x %4")
            .arg(expected.width()).arg(expected.height()).arg(actual.width()).arg(actual.height());
    }
    int count = 0;
    QString first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QColor want(expected.pixel(x, y));
            const QColor got(actual.pixel(x, y));
            if (want == got)
                continue;
            if (count++ == 0)
                first = QStringLiteral("first at (%1, %2): expected %3, got %4").arg(x).arg(y).arg(describe(want), describe(got));
        }
    }
    if (count == 0)
        return {};
    return QStringLiteral("%1 pixels differ, %2").arg(count).arg(first);
}

class GoldenChartTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenChartTest, MatchesTheCommittedPicture)
{
    const QString name = QString::fromLatin1(GetParam().file);
    const QString expectedPath = QDir(QStringLiteral(CASHVANE_CHART_GOLDEN_DIR)).filePath(name + QStringLiteral(".png"));
    const QImage actual = drawExpensesChart(GetParam().slices);
    const QString problem = difference(QImage(expectedPath), actual);
    if (problem.isEmpty())
        return;
    const QString actualPath = QDir(QStringLiteral(CASHVANE_CHART_ACTUAL_DIR)).filePath(name + QStringLiteral(".actual.png"));
    actual.save(actualPath);
    ADD_FAILURE() << name.toStdString() << ": " << problem.toStdString() << ".\nThe drawn picture is "
                  << actualPath.toStdString() << "; look at both, and if the new one is right, copy it over "
                  << expectedPath.toStdString() << ".";
}

INSTANTIATE_TEST_SUITE_P(Charts, GoldenChartTest, testing::ValuesIn(goldenCases()), test::CaseName());

} // namespace
} // namespace cashvane
