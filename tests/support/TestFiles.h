#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Small helpers the tests share: whole-file reads and writes, and running
// cashvane-cli as a separate program, as a user would.
namespace cashvane::test {

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Runs `body` in a child process whose files cannot grow past `limitBytes`,
// as on a full disk, and returns the child's exit status (-1 if it crashed).
int runWithFileSizeLimit(long limitBytes, const std::function<int()>& body);

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the cashvane-cli of this build. With an output file, its standard
// output goes there instead (CliRun::out stays empty).
CliRun runCli(const QStringList& arguments, const QString& outputFile = {});

} // namespace cashvane::test
