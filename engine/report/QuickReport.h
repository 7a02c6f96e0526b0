#pragma once

#include <QString>
#include <QTextDocument>

// The quick report as a document: the template it starts from and the one way
// figures are written into it. What the figures are, and where each goes, is
// the recalculation's business.
namespace cashvane {

// The template's place under the program's data folder.
QString reportTemplatePath(const QString& programDir);

// Replaces the document with the template. When the template cannot be read,
// the document instead says so, naming where it was looked for, and false is
// returned: the caller then writes no figures into the notice.
bool loadReportTemplate(QTextDocument& document, const QString& templatePath);

// Replaces everything from `column` (counted from 1) to the end of line `line`
// (counted from 0) with `text`; a line break in the text starts a new line,
// so a block of k lines pushes the later lines down by k. The written text
// takes the format found at the column. A line the document does not have is
// left alone, and a column past the end of its line writes at the end.
void setReportField(QTextDocument& document, int line, int column, const QString& text);

} // namespace cashvane
