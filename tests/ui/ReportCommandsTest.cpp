#include "engine/report/RichTextDocument.h"
#include "engine/report/RtfReader.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "ui/ReportCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cashvane {
namespace {

class ExportReportTest : public testing::Test {
protected:
    ExportReportTest() { report_.setPlainText("Quick report\nedited by hand"); }

    QString pathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    QTemporaryDir folder_;
    QTextDocument report_;
    test::ScriptedPrompts prompts_;
};

TEST_F(ExportReportTest, AsksWhereInTheHomeFolderAndWritesTheViewAsRtf)
{
    prompts_.choose(pathOf("Report")).answer(Answer::Ok);
    exportReport(prompts_, report_, "Sam Reyes", folder_.path() + "/");

    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[0].kind, "save");
    EXPECT_EQ(prompts_.shown[0].title, "Export Quick-Report to File..");
    EXPECT_EQ(prompts_.shown[0].text, folder_.path() + "/");
    EXPECT_EQ(prompts_.shown[0].extra, "Rich Text Format | *.rtf");
    EXPECT_EQ(prompts_.shown[1].title, "Success!");
    EXPECT_EQ(prompts_.shown[1].text, "The Quick-Report for Sam Reyes has been exported to...\n\""
                                          + pathOf("Report.rtf") + "\"");

    QTextDocument written;
    setRichText(written, readRtf(test::readBytes(pathOf("Report.rtf"))));
    EXPECT_EQ(written.toPlainText(), "Quick report\nedited by hand");
}

TEST_F(ExportReportTest, KeepsAnExtensionInCapitalsAndReplacesAnExistingFile)
{
    test::writeBytes(pathOf("Report.RTF"), "an older report");
    prompts_.choose(pathOf("Report.RTF")).answer(Answer::Ok);
    exportReport(prompts_, report_, "", folder_.path());

    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[1].text,
              "The Quick-Report for  has been exported to...\n\"" + pathOf("Report.RTF") + "\"");
    EXPECT_TRUE(test::readBytes(pathOf("Report.RTF")).startsWith("{\\rtf1"));
    EXPECT_FALSE(QFile::exists(pathOf("Report.RTF.rtf")));
}

TEST_F(ExportReportTest, ACancelledDialogDoesNothing)
{
    prompts_.choose("");
    exportReport(prompts_, report_, "Sam Reyes", folder_.path());
    EXPECT_EQ(prompts_.shown.size(), 1u);
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

TEST_F(ExportReportTest, AFileThatCannotBeCreatedGivesErrorCodeOne)
{
    prompts_.choose(pathOf("no such folder/report")).answer(Answer::Ok);
    exportReport(prompts_, report_, "Sam Reyes", folder_.path());
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[1].title, "Error");
    EXPECT_EQ(prompts_.shown[1].text,
              "Error saving report file to...\n" + pathOf("no such folder/report.rtf") + "\nError Code: 1");
    EXPECT_TRUE(prompts_.allAnswersUsed());
}

} // namespace
} // namespace cashvane
