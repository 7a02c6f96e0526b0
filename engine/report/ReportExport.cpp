#include "ReportExport.h"

#include "RichTextDocument.h"
#include "RtfWriter.h"

#include "model/WholeFile.h"

namespace cashvane {

QString reportExportPath(const QString& chosen)
{
    if (chosen.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".rtf");
}

ExportResult writeReportFile(const QTextDocument& document, const QString& path)
{
    const WholeFileWrite written = writeWholeFile(path, writeRtf(richTextOf(document)));
    if (written.outcome == WriteOutcome::NotCreated)
        return ExportResult::NotCreated;
    return written.ok() ? ExportResult::Written : ExportResult::NotWritten;
}

} // namespace cashvane
