#include "ui/ProgramFolders.h"
#include "ui/commands/TemporarySessionFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cashvane::test {
namespace {

// A build tree keeps the data beside the executable; an installed program
// finds it in ../share/cashvane; the current folder plays no part.
TEST(ProgramFoldersTest, FindsTheDataBesideOrInstalledUnderShare)
{
    QTemporaryDir root;
    const QDir top(root.path());
    for (const char* folder :
        { "build/reports", "prefix/bin", "prefix/share/cashvane/reports", "bare" })
        ASSERT_TRUE(top.mkpath(folder));
    const QString canonical = QDir(root.path()).canonicalPath();

    EXPECT_EQ(findProgramDir(top.filePath("build")), top.filePath("build") + "/");
    EXPECT_EQ(findProgramDir(top.filePath("prefix/bin")), canonical + "/prefix/share/cashvane/");
    EXPECT_EQ(findProgramDir(top.filePath("bare")), top.filePath("bare") + "/");
}

TEST(ProgramFoldersTest, HomeFolderEndsInASlashAndHoldsTheTemporarySessionFile)
{
    const ProgramFolders folders = programFolders("/opt/x/bin", "/home/sam");
    EXPECT_EQ(folders.homeDir, "/home/sam/");
    EXPECT_EQ(temporarySessionFilePath(folders.homeDir), "/home/sam/cfp_tmp.dat");
    EXPECT_EQ(programFolders("/opt/x/bin", "/").homeDir, "/");
}

TEST(ProgramFoldersTest, NoTemporarySessionFileMeansAFirstSession)
{
    QTemporaryDir home;
    EXPECT_FALSE(readTemporarySession(home.path() + "/").has_value());
}

} // namespace
} // namespace cashvane::test
