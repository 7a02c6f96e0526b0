#include "TestFiles.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace cashvane::test {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(CASHVANE_CLI_PATH), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60'000))
        ADD_FAILURE() << "cashvane-cli did not finish";
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace cashvane::test
