#include "ReportCommands.h"

#include "engine/report/ReportExport.h"

namespace cashvane {

void exportReport(Prompts& prompts, const QTextDocument& report, const QString& profileName,
                  const QString& homeDir)
{
    const QString chosen = prompts.saveFileName(QStringLiteral("Export Quick-Report to File.."), homeDir,
                                                QStringLiteral("Rich Text Format | *.rtf"));
    if (chosen.isEmpty())
        return;
    const QString path = reportExportPath(chosen);
    const ExportResult result = writeReportFile(report, path);
    if (result == ExportResult::Written) {
        prompts.message(Tone::Information, QStringLiteral("Success!"),
                        QStringLiteral("The Quick-Report for %1 has been exported to...\n\"%2\"")
                            .arg(profileName, path),
                        Buttons::Ok);
        return;
    }
    prompts.message(Tone::Error, QStringLiteral("Error"),
                    QStringLiteral("Error saving report file to...\n%1\nError Code: %2")
                        .arg(path)
                        .arg(static_cast<int>(result)),
                    Buttons::Ok);
}

} // namespace cashvane
