#include "Program.h"
#include "ui/commands/TemporarySessionFile.h"

#include "Pictures.h"
#include "ResultView.h"

#include "engine/DateLabel.h"
#include "engine/Recalculate.h"
#include "engine/report/QuickReport.h"
#include "model/SessionFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QTableWidget>
#include <QThread>

#include <algorithm>

namespace cashvane {

namespace {

const QString kWelcomeTitle = QStringLiteral("Welcome!");
const QString kWelcomeText = QStringLiteral("As this is your first session, would you like to load "
                                            "a sample profile to practice with? This may help "
                                            "you find your way around.\n \nWhen you're ready to "
                                            "start your own profile, click File-->New Profile to "
                                            "begin.");
const QString kSamplePath = QStringLiteral("samples/Sam_Reyes.cfp");

constexpr unsigned long kPageHoldMilliseconds = 100;

// A picture that cannot be decoded leaves a blank one of its size: the
// window still works, and the chart is painted over it anyway.
QImage pictureOrBlank(const DecodedPicture& decoded, QSize size)
{
    if (decoded.ok())
        return decoded.image;
    qWarning("A built-in picture could not be decoded: %s", qPrintable(decoded.error));
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(Qt::lightGray);
    return blank;
}

} // namespace

Desktop realDesktop()
{
    return { [](const QUrl& url) { QDesktopServices::openUrl(url); },
        [] { QThread::msleep(kPageHoldMilliseconds); } };
}

Program::Program(ProgramFolders folders, Prompts& prompts, Desktop desktop, CalendarTime startTime,
    std::function<CalendarTime()> clock, std::unique_ptr<RandomSource> random)
    : folders_(std::move(folders))
    , prompts_(prompts)
    , desktop_(std::move(desktop))
    , startTime_(startTime)
    , clock_(std::move(clock))
    , random_(std::move(random))
    , window_(pictureOrBlank(bannerPicture(), { 560, 50 }),
          pictureOrBlank(initialChartPicture(), { 300, 220 }), dateLabelText(startTime))
    , entries_(prompts_, profile_, [this] { recalculate(); }, clock_)
{
    window_.onMenuCommand([this](int id) { runMenuCommand(id); });
    window_.onControlEvent([this](int id) { runControlEvent(id); });
    window_.onCloseRequest([this] { return closeRequested(); });
}

void Program::startUp()
{
    window_.showCentred();
    reopenLastSession();
    recalculate();
}

void Program::reopenLastSession()
{
    if (const std::optional<QString> last = readTemporarySession(folders_.homeDir)) {
        openSessionFile(*last);
        return;
    }
    // The window is drawn completely before the question covers it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (prompts_.message(Tone::Question, kWelcomeTitle, kWelcomeText, Buttons::YesNo)
        == Answer::Yes) {
        openSessionFile(folders_.programDir + kSamplePath);
        // The sample is the program's own file, read-only once installed: a
        // profile grown from it is saved wherever the user chooses, never
        // over the sample.
        profile_.sessionPath.clear();
    }
}

void Program::openSessionFile(const QString& path)
{
    const SessionResult result = loadSession(profile_, path);
    if (!result.ok)
        prompts_.message(Tone::Error, QStringLiteral("Error"), result.message(), Buttons::Ok);
}

void Program::recalculate()
{
    const RecalculationResult result = cashvane::recalculate(profile_, clock_(), startTime_, *random_);
    showResult(window_, result, reportTemplatePath(folders_.programDir));
}

void Program::shutDown()
{
    QCoreApplication::exit(0);
}

int Program::selectedRecord(const QTableWidget* list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return 0;
    const auto top = std::min_element(rows.begin(), rows.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return top->row() + 1;
}

} // namespace cashvane
