#pragma once

#include <QString>
#include <QTextDocument>

// Writing the report view's content to an RTF file of the user's choice. The
// dialog and the messages around it belong to the window; this is the file.
namespace cashvane {

// ".rtf" is appended unless the path already ends in it, in any case:
// "Report.RTF" is kept, "report.txt" becomes "report.txt.rtf".
QString reportExportPath(const QString& chosen);

enum class ExportResult {
    Written = 0,
    NotCreated = 1, // the file could not be created; nothing was written
    NotWritten = 2, // it was created but the content did not reach the disk
};

// Writes the document as RTF through a temporary file that replaces `path`
// only once the whole report is on disk, so an old report is never left
// half-overwritten.
ExportResult writeReportFile(const QTextDocument& document, const QString& path);

} // namespace cashvane
