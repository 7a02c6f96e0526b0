#include "engine/report/ReportExport.h"
#include "model/SessionFile.h"
#include "model/SessionWriter.h"
#include "tests/model/SessionBytes.h"
#include "tests/support/TestFiles.h"
#include "ui/commands/TemporarySessionFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// A writer killed with SIGKILL at a random moment must leave the file it was
// replacing either whole and old or whole and new. Each case runs the real
// writer in a child process, over and over, and checks the file after every
// kill. The moments come from a seed printed at the start; set
// CASHVANE_CRASH_SEED to replay a failure.
namespace cashvane {
namespace {

constexpr int kRounds = 200;

unsigned crashSeed()
{
    if (const char* given = std::getenv("CASHVANE_CRASH_SEED"))
        return static_cast<unsigned>(std::strtoul(given, nullptr, 10));
    return std::random_device{}();
}

struct ChildRun {
    bool killed = false;                // the kill found it still running
    std::chrono::microseconds ran {};  // from its "ready" to its end
};

// Forks a child that runs `body` and exits. With `killIt` the child is
// killed `killAfter` after it said it was ready. Every child must end by
// that kill or by finishing its write: an exit for any other reason (the
// write failed) would leave the old file for the wrong reason.
ChildRun runChild(const std::function<void()>& body, std::chrono::microseconds killAfter, bool killIt)
{
    int ready[2];
    if (pipe(ready) != 0)
        ADD_FAILURE() << "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        const char byte = 'r';
        if (::write(ready[1], &byte, 1) != 1)
            _exit(3);
        body();
        _exit(0);
    }
    close(ready[1]);
    char byte = 0;
    if (read(ready[0], &byte, 1) != 1)
        ADD_FAILURE() << "the child never got ready";
    close(ready[0]);
    const auto start = std::chrono::steady_clock::now();
    if (killIt) {
        std::this_thread::sleep_for(killAfter);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ChildRun run;
    run.ran = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    EXPECT_TRUE(run.killed || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        << "the child ended with status " << status;
    return run;
}

// Runs the rounds: `restoreOld` puts the old content back in the parent
// (plainly: only the child's write is under test), `writeNew` is what the
// child does, `check` looks at the file after each kill, and `holdsNew` says
// whether the file holds the new content, as an undisturbed write must leave
// it. Prints how many kills landed while the child was still running.
void killDuringWrites(const char* what, const std::function<void()>& restoreOld,
                      const std::function<void()>& writeNew, const std::function<void()>& check,
                      const std::function<bool()>& holdsNew)
{
    const unsigned seed = crashSeed();
    std::cout << "[ seed     ] " << what << ": CASHVANE_CRASH_SEED=" << seed << std::endl;
    SCOPED_TRACE(testing::Message() << "seed " << seed);

    // How long one undisturbed child runs after it is ready sets the range
    // the kills fall in, so they spread over its write.
    restoreOld();
    const std::chrono::microseconds took = runChild(writeNew, {}, false).ran;
    ASSERT_TRUE(holdsNew()) << "an undisturbed write did not leave the new content";

    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, took.count());
    int killedWhileRunning = 0;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        restoreOld();
        if (runChild(writeNew, std::chrono::microseconds(delay(random)), true).killed)
            ++killedWhileRunning;
        check();
        if (testing::Test::HasFatalFailure())
            return;
    }
    std::cout << "[ kills    ] " << what << ": " << killedWhileRunning << " of " << kRounds
              << " kills landed before the child finished (one write takes about " << took.count()
              << " us)" << std::endl;
}

// What is left in the folder besides the files a case expects.
QStringList strayFiles(const QString& folder, const QStringList& expected)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : expected)
        names.removeAll(name);
    return names;
}

// Leftovers may only be QSaveFile's own temporary files ("<name>.XXXXXX"),
// and each may only hold the start of the new content.
void expectOnlySaveFileLeftovers(const QString& folder, const QString& name, const QByteArray& newBytes)
{
    const QStringList strays = strayFiles(folder, {name});
    std::cout << "[ leftover ] " << name.toStdString() << ": " << strays.size()
              << " temporary file(s) left after the kills" << std::endl;
    for (const QString& stray : strays) {
        EXPECT_TRUE(stray.startsWith(name + u'.') && stray.size() == name.size() + 7)
            << "unexpected file " << stray.toStdString();
        EXPECT_TRUE(newBytes.startsWith(test::readBytes(QDir(folder).filePath(stray))))
            << stray.toStdString() << " holds something other than the new content";
    }
}

QString longText(int k, int length)
{
    QString text = QStringLiteral("%1 ").arg(k);
    while (text.size() < length)
        text += QString::fromUtf8("Grüße € long text ");
    return text.left(length);
}

// Every list full, every history line used, long texts everywhere.
Profile fullProfile()
{
    Profile profile;
    profile.profileName = longText(0, 200);
    for (int k = 1; k <= 100; ++k) {
        RecurringEntry entry;
        entry.title = longText(k, 120);
        entry.customTitle = longText(-k, 150);
        entry.useCustom = k % 2;
        entry.frequency = FrequencyCode::Monthly;
        entry.startDay = k % 28 + 1;
        entry.startMonth = k % 12 + 1;
        entry.startYear = 2000 + k;
        entry.endYear = 2100 + k;
        entry.bankIndex = k;
        entry.amount = static_cast<float>(k) * 10.25f;
        profile.incomes.append(entry);
        entry.amount = -entry.amount;
        profile.expenses.append(entry);
        profile.accounts.append({longText(k, 100), k % 5, longText(k, 130), static_cast<float>(k), 1.5f});
    }
    for (int k = 1; k <= 99; ++k)
        profile.history.entry(k) = {QStringLiteral("%1/01/2024").arg(k % 28 + 1, 2, 10, QChar(u'0')),
                                    longText(k, 160)};
    return profile;
}

// The profile as loading the file gives it: bound to the file, saved.
Profile asLoaded(Profile profile, const QString& path)
{
    profile.sessionPath = path;
    profile.profileSaved = true;
    return profile;
}

TEST(CrashSafety, killedSessionSaveLeavesOldOrNewProfile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("budget.cfp"));
    const Profile oldProfile = asLoaded(test::richProfile(), path);
    const Profile newProfile = asLoaded(fullProfile(), path);
    ASSERT_EQ(newProfile.incomeCount(), 100);

    int sawOld = 0;
    int sawNew = 0;
    killDuringWrites(
        "session file",
        [&] { test::writeBytes(path, writeSession(oldProfile)); },
        [&] {
            Profile fresh = newProfile;
            fresh.profileSaved = false;
            if (!saveSession(fresh, path).ok)
                _exit(2);
        },
        [&] {
            Profile loaded;
            const SessionResult result = loadSession(loaded, path);
            ASSERT_TRUE(result.ok) << result.message().toStdString();
            if (loaded == oldProfile)
                ++sawOld;
            else if (loaded == newProfile)
                ++sawNew;
            else
                FAIL() << "the file holds neither profile: name starts \""
                       << loaded.profileName.left(20).toStdString() << "\", counts "
                       << loaded.incomeCount() << "/" << loaded.expenseCount() << "/"
                       << loaded.bankCount();
        },
        [&] {
            Profile loaded;
            return loadSession(loaded, path).ok && loaded == newProfile;
        });
    std::cout << "[ outcome  ] old profile " << sawOld << " times, new profile " << sawNew
              << " times" << std::endl;
    expectOnlySaveFileLeftovers(dir.path(), QStringLiteral("budget.cfp"), writeSession(newProfile));
}

TEST(CrashSafety, killedTemporarySessionWriteLeavesOldOrNewLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString home = dir.path() + u'/';
    const QString oldPath = QStringLiteral("/home/sam/old budget.cfp");
    const QString newPath = QStringLiteral("/home/sam/") + longText(7, 2000) + QStringLiteral(".cfp");
    const QByteArray oldBytes = QByteArray("/home/sam/old budget.cfp\r\n");
    const QByteArray newBytes = newPath.toUtf8() + "\r\n";

    killDuringWrites(
        "temporary session file",
        [&] { test::writeBytes(temporarySessionFilePath(home), oldBytes); },
        [&] {
            if (!writeTemporarySessionFile(home, newPath))
                _exit(2);
        },
        [&] {
            const QByteArray bytes = test::readBytes(temporarySessionFilePath(home));
            ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
                << "the file holds " << bytes.size() << " bytes of neither line";
            const std::optional<QString> read = readTemporarySession(home);
            ASSERT_TRUE(read.has_value());
            EXPECT_EQ(*read, bytes == oldBytes ? oldPath : newPath);
        },
        [&] { return test::readBytes(temporarySessionFilePath(home)) == newBytes; });
    expectOnlySaveFileLeftovers(dir.path(), QStringLiteral("cfp_tmp.dat"), newBytes);
}

// A report long enough that writing it takes a while.
void fillReport(QTextDocument& document, int lines, const QString& word)
{
    QString text;
    for (int k = 1; k <= lines; ++k)
        text += QStringLiteral("%1 %2 %3\n").arg(word).arg(k).arg(longText(k, 60));
    document.setPlainText(text);
}

TEST(CrashSafety, killedReportExportLeavesOldOrNewReport)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("report.rtf"));
    QTextDocument oldReport;
    QTextDocument newReport;
    fillReport(oldReport, 20, QStringLiteral("Old"));
    fillReport(newReport, 1000, QStringLiteral("New"));
    // What an undisturbed export writes, in a folder of its own.
    QTemporaryDir reference;
    ASSERT_TRUE(reference.isValid());
    ASSERT_EQ(writeReportFile(oldReport, reference.filePath(QStringLiteral("old.rtf"))), ExportResult::Written);
    ASSERT_EQ(writeReportFile(newReport, reference.filePath(QStringLiteral("new.rtf"))), ExportResult::Written);
    const QByteArray oldBytes = test::readBytes(reference.filePath(QStringLiteral("old.rtf")));
    const QByteArray newBytes = test::readBytes(reference.filePath(QStringLiteral("new.rtf")));
    ASSERT_NE(oldBytes, newBytes);

    killDuringWrites(
        "report export",
        [&] { test::writeBytes(path, oldBytes); },
        [&] {
            if (writeReportFile(newReport, path) != ExportResult::Written)
                _exit(2);
        },
        [&] {
            const QByteArray bytes = test::readBytes(path);
            ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
                << "the report holds " << bytes.size() << " bytes of neither export";
        },
        [&] { return test::readBytes(path) == newBytes; });
    expectOnlySaveFileLeftovers(dir.path(), QStringLiteral("report.rtf"), newBytes);
}

} // namespace
} // namespace cashvane
