#include "Arguments.h"
#include "Commands.h"
#include "OffscreenApplication.h"
#include "OpenSessionFile.h"
#include "Output.h"
#include "PassOptions.h"
#include "engine/ProgramDir.h"
#include "engine/Recalculate.h"
#include "engine/report/QuickReport.h"
#include "engine/report/ReportExport.h"

#include <QCoreApplication>
#include <QTextDocument>

namespace cashvane::cli {

namespace {

// The report as the report view holds it after a recalculation: the template
// with every field of the pass written into it, in the pass's order.
bool fillReport(QTextDocument& report, const RecalculationResult& result)
{
    const QString templatePath = reportTemplatePath(findProgramDir(QCoreApplication::applicationDirPath()));
    if (!loadReportTemplate(report, templatePath)) {
        fail(QStringLiteral("report: the report template \"%1\" cannot be read").arg(templatePath));
        return false;
    }
    for (const ReportField& field : result.reportFields)
        setReportField(report, field.line, field.column, field.text);
    return true;
}

} // namespace

int writeReport(const QStringList& words)
{
    const QString usage = QStringLiteral("usage: report FILE.cfp -o OUT.rtf [--now T]");
    const ParsedArguments parsed = parseArguments(words, {QStringLiteral("-o"), QStringLiteral("--now")}, 1);
    if (!parsed.arguments)
        return fail(QStringLiteral("report: %1; %2").arg(parsed.reason, usage));
    const std::optional<QString> out = parsed.arguments->option(QStringLiteral("-o"));
    if (!out)
        return fail(QStringLiteral("report: no -o OUT.rtf given; %1").arg(usage));
    const std::optional<CalendarTime> now = nowOption(*parsed.arguments, QStringLiteral("report"));
    if (!now)
        return kFailure;
    const std::optional<Profile> profile = openSessionFile(parsed.arguments->positional[0]);
    if (!profile)
        return kFailure;

    OffscreenApplication application;
    SeededRandom random(kDefaultSeed); // the report shows no random colours
    QTextDocument report;
    if (!fillReport(report, recalculate(*profile, *now, *now, random)))
        return kFailure;
    const QString path = reportExportPath(*out);
    const ExportResult written = writeReportFile(report, path);
    if (written != ExportResult::Written) {
        return fail(QStringLiteral("cannot write the report to \"%1\" (error code %2)")
                        .arg(path)
                        .arg(static_cast<int>(written)));
    }
    return kSuccess;
}

} // namespace cashvane::cli
