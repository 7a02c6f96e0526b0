#include "ReportExport.h"

#include "RichTextDocument.h"
#include "RtfWriter.h"

#include <QSaveFile>

namespace cashvane {

QString reportExportPath(const QString& chosen)
{
    if (chosen.right(4).toLower() == u".rtf")
        return chosen;
    return chosen + QStringLiteral(".rtf");
}

ExportResult writeReportFile(const QTextDocument& document, const QString& path)
{
    QSaveFile file(path);
    // Unbuffered for the same reason as a session save: a short write must
    // show in write()'s count rather than pass unnoticed at commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ExportResult::NotCreated;
    const QByteArray rtf = writeRtf(richTextOf(document));
    if (file.write(rtf) != rtf.size() || !file.commit())
        return ExportResult::NotWritten;
    return ExportResult::Written;
}

} // namespace cashvane
