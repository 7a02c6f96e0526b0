#include "engine/report/QuickReport.h"
#include "engine/report/ReportExport.h"
#include "engine/report/RichTextDocument.h"
#include "engine/ReportLayout.h"
#include "tests/support/TestFiles.h"
#include "RichTextPrinting.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>

#include <gtest/gtest.h>


namespace cashvane {
namespace {

const QString kTemplate = QStringLiteral(CASHVANE_SOURCE_DIR "/reports/_template.rtf");

QString lineOf(const QTextDocument& document, int line)
{
    return document.findBlockByNumber(line).text();
}

QTextDocument* templateDocument()
{
    auto* document = new QTextDocument;
    EXPECT_TRUE(loadReportTemplate(*document, kTemplate));
    return document;
}

// Every place the pass writes a field.
const report::Place kFieldPlaces[] = {
    report::kProfileName, report::kDate,
    report::kCurrentIncome, report::kCurrentExpenses, report::kCurrentBalance,
    report::kWeeklyIncome, report::kWeeklyExpenses, report::kWeeklyBalance,
    report::kMonthlyIncome, report::kMonthlyExpenses, report::kMonthlyBalance,
    report::kAnnualIncome, report::kAnnualExpenses, report::kAnnualBalance,
    {report::kIncomeBlockLine, report::kBlockColumn}, {report::kExpenseBlockLine, report::kBlockColumn},
    {report::kBankingBlockLine, report::kBlockColumn}, {report::kCashflowBlockLine, report::kBlockColumn},
};

TEST(ReportTemplate, HasAPlaceholderAtEveryFieldsColumn)
{
    std::unique_ptr<QTextDocument> document(templateDocument());
    ASSERT_GE(document->blockCount(), 32);
    for (const report::Place& place : kFieldPlaces) {
        const QString line = lineOf(*document, place.line);
        EXPECT_GT(line.size(), place.column - 1) << "line " << place.line << " has no placeholder";
    }
    EXPECT_EQ(lineOf(*document, 1).left(21), "Prepared for profile ");
    EXPECT_EQ(lineOf(*document, 2).left(5), "Dated");
    EXPECT_EQ(lineOf(*document, 5).left(15), "Income:       \t");
}

TEST(ReportTemplate, KeepsItsTextAndFormatsThroughExportAndReload)
{
    std::unique_ptr<QTextDocument> document(templateDocument());
    QTemporaryDir folder;
    const QString path = folder.filePath("report.rtf");
    ASSERT_EQ(writeReportFile(*document, path), ExportResult::Written);

    QTextDocument reloaded;
    ASSERT_TRUE(loadReportTemplate(reloaded, path));
    EXPECT_EQ(reloaded.toPlainText(), document->toPlainText());
    EXPECT_EQ(richTextOf(reloaded), richTextOf(*document));

    const RichText text = richTextOf(reloaded);
    EXPECT_EQ(text[0].runs[0].style.fontFamily, "Arial");
    EXPECT_TRUE(text[0].runs[0].style.bold);
    EXPECT_EQ(text[0].runs[0].style.pointSize, 18.0);
    EXPECT_EQ(text[0].runs[0].style.foreground, QColor(0, 51, 102));
    EXPECT_EQ(text[31].style.fontFamily, "Courier New");
    EXPECT_EQ(text[31].tabStops, (std::vector<double>{36.0, 126.0}));
}

TEST(SetReportField, ReplacesFromTheColumnToTheEndOfTheLine)
{
    std::unique_ptr<QTextDocument> document(templateDocument());
    setReportField(*document, 1, 22, "Sam Reyes");
    setReportField(*document, 2, 6, ": August 11th 2010");
    setReportField(*document, 6, 18, "1234.50");
    EXPECT_EQ(lineOf(*document, 1), "Prepared for profile Sam Reyes");
    EXPECT_EQ(lineOf(*document, 2), "Dated: August 11th 2010");
    EXPECT_EQ(lineOf(*document, 6), "Expenses:       \t1234.50");

    // The figure takes the placeholder's format, not the label's.
    const QTextBlock line6 = document->findBlockByNumber(6);
    EXPECT_EQ(richTextOf(*document)[6].runs.back().text, "1234.50");
    EXPECT_TRUE(richTextOf(*document)[6].runs.back().style.bold);
    EXPECT_FALSE(richTextOf(*document)[6].runs.front().style.bold);
    EXPECT_EQ(line6.text().size(), 24);
}

TEST(SetReportField, ABlockOfLinesPushesTheLaterLinesDown)
{
    std::unique_ptr<QTextDocument> document(templateDocument());
    const QString expensesHeading = lineOf(*document, 24);
    const QString accountsHeading = lineOf(*document, 27);
    setReportField(*document, 22, 1, "Wages / Salary (1500.00)\nPension (812.50)\nRent (10.00)\n");
    EXPECT_EQ(lineOf(*document, 22), "Wages / Salary (1500.00)");
    EXPECT_EQ(lineOf(*document, 24), "Rent (10.00)");
    EXPECT_EQ(lineOf(*document, 25), "");
    EXPECT_EQ(lineOf(*document, 27), expensesHeading);

    // An empty block leaves its line empty and moves nothing.
    setReportField(*document, 25 + 3, 1, "");
    EXPECT_EQ(lineOf(*document, 28), "");
    EXPECT_EQ(lineOf(*document, 30), accountsHeading);
}

TEST(SetReportField, OnlyALineFeedInATextStartsANewLine)
{
    const QChar breaks[] = {u'\r', QChar::ParagraphSeparator, QChar(0xFDD0), QChar(0xFDD1)};
    for (const QChar c : breaks) {
        std::unique_ptr<QTextDocument> document(templateDocument());
        const int lines = document->blockCount();
        const QString dated = lineOf(*document, 2);
        setReportField(*document, 1, 22, QStringLiteral("Sam") + c + QStringLiteral("Reyes"));
        EXPECT_EQ(document->blockCount(), lines) << "U+" << std::hex << int {c.unicode()};
        EXPECT_EQ(lineOf(*document, 1), "Prepared for profile Sam Reyes") << "U+" << std::hex << int {c.unicode()};
        EXPECT_EQ(lineOf(*document, 2), dated) << "U+" << std::hex << int {c.unicode()};
    }
}

TEST(SetReportField, LeavesLinesTheDocumentDoesNotHaveAlone)
{
    QTextDocument document;
    document.setPlainText("one\ntwo");
    setReportField(document, 5, 1, "x");
    setReportField(document, 1, 0, "x");
    EXPECT_EQ(document.toPlainText(), "one\ntwo");
    setReportField(document, 1, 10, "!"); // past the end: written at the end
    EXPECT_EQ(document.toPlainText(), "one\ntwo!");
}

TEST(ReportTemplateFile, AMissingTemplateLeavesANoticeNamingWhereItWasLookedFor)
{
    QTextDocument document;
    document.setPlainText("old report");
    EXPECT_FALSE(loadReportTemplate(document, "/nowhere/reports/_template.rtf"));
    EXPECT_TRUE(document.toPlainText().contains("/nowhere/reports/_template.rtf"));
    EXPECT_FALSE(document.toPlainText().contains("old report"));
    EXPECT_EQ(reportTemplatePath("/opt/cashvane/share"), "/opt/cashvane/share/reports/_template.rtf");
}

TEST(ReportExport, AppendsTheExtensionUnlessTheNameEndsInItInAnyCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/sam/Report", "/home/sam/Report.rtf"},
        {"/home/sam/Report.RTF", "/home/sam/Report.RTF"},
        {"/home/sam/Report.Rtf", "/home/sam/Report.Rtf"},
        {"/home/sam/report.txt", "/home/sam/report.txt.rtf"},
        {"/home/sam/report.rtf", "/home/sam/report.rtf"},
    };
    for (const auto& [chosen, path] : cases)
        EXPECT_EQ(reportExportPath(chosen).toStdString(), path);
}

TEST(ReportExport, AFileThatCannotBeCreatedIsCodeOneAndNothingIsWritten)
{
    QTextDocument document;
    document.setPlainText("report");
    QTemporaryDir folder;
    // A folder that does not exist, and one no user, root included, can write to.
    for (const QString& path : {folder.filePath("gone/report.rtf"), QStringLiteral("/proc/report.rtf")}) {
        EXPECT_EQ(writeReportFile(document, path), ExportResult::NotCreated) << path.toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST(ReportExport, AWriteThatFailsAfterCreationIsCodeTwoAndKeepsTheOldFile)
{
    QTextDocument document;
    document.setPlainText(QString(4000, u'x'));
    QTemporaryDir folder;
    const QString path = folder.filePath("report.rtf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report");
    old.close();

    // The report is created but cannot be written whole.
    const int status = test::runWithFileSizeLimit(
        100, [&] { return static_cast<int>(writeReportFile(document, path)); });
    EXPECT_EQ(status, static_cast<int>(ExportResult::NotWritten));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old report");
}

} // namespace
} // namespace cashvane
