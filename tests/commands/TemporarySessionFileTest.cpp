#include "ui/commands/TemporarySessionFile.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cashvane {
namespace {

TEST(TemporarySessionFile, ReplacesTheFileWithOneLine)
{
    QTemporaryDir home;
    const QString homeDir = home.path() + "/";
    test::writeBytes(
        homeDir + "cfp_tmp.dat", "/an/older/and/much/longer/path/from/an/earlier/run.cfp\r\n");

    EXPECT_TRUE(writeTemporarySessionFile(homeDir, "/home/sam/Café.cfp"));

    EXPECT_EQ(test::readBytes(temporarySessionFilePath(homeDir)), "/home/sam/Caf\xc3\xa9.cfp\r\n");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList { "cfp_tmp.dat" });
}

TEST(TemporarySessionFile, AFileThatCannotBeWrittenWholeKeepsTheOldOne)
{
    QTemporaryDir home;
    const QString homeDir = home.path() + "/";
    const QByteArray old = "/home/sam/old.cfp\r\n";
    test::writeBytes(homeDir + "cfp_tmp.dat", old);

    const int status = test::runWithFileSizeLimit(8, [&] {
        return writeTemporarySessionFile(homeDir, "/home/sam/a/much/longer/path.cfp") ? 1 : 0;
    });

    EXPECT_EQ(status, 0) << "a cut-off line must not count as written";
    EXPECT_EQ(test::readBytes(homeDir + "cfp_tmp.dat"), old);
    EXPECT_FALSE(writeTemporarySessionFile(home.path() + "/missing/", "/home/sam/x.cfp"));
}

} // namespace
} // namespace cashvane
