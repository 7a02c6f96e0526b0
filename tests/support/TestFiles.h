#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small helpers the tests share: whole-file reads and writes, and running
// cashvane-cli as a separate program, as a user would.
namespace cashvane::test {

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the cashvane-cli of this build.
CliRun runCli(const QStringList& arguments);

} // namespace cashvane::test
