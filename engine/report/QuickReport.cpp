#include "QuickReport.h"

#include "RichTextDocument.h"
#include "RtfReader.h"

#include "model/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace cashvane {

namespace {

// A template is a few kilobytes; a file this large is not one.
constexpr qint64 kMaxTemplateBytes = 8 * 1024 * 1024;

void showMissingTemplate(QTextDocument& document, const QString& templatePath, const QString& reason)
{
    document.setPlainText(QStringLiteral(
        "The quick report cannot be shown: its template could not be read.\n"
        "It was looked for at %1 (%2).\n"
        "Reinstalling the program puts the template back.")
                              .arg(QDir::toNativeSeparators(templatePath), reason));
}

// Only '\n' may start a new line: a profile's texts come from its file, and
// any other paragraph break in them would move every later field down.
QString withLineBreaksOnly(QString text)
{
    for (QChar& c : text) {
        if (c != u'\n' && endsParagraph(c))
            c = u' ';
    }
    return text;
}

} // namespace

QString reportTemplatePath(const QString& programDir)
{
    return QDir(programDir).filePath(QStringLiteral("reports/_template.rtf"));
}

bool loadReportTemplate(QTextDocument& document, const QString& templatePath)
{
    // A device or a pipe could block on opening or never end.
    const QFileInfo info(templatePath);
    if (info.exists() && !info.isFile()) {
        showMissingTemplate(document, templatePath, QStringLiteral("it is not a regular file"));
        return false;
    }
    QFile file(templatePath);
    if (!file.open(QIODevice::ReadOnly)) {
        showMissingTemplate(document, templatePath, file.errorString());
        return false;
    }
    const std::optional<QByteArray> rtf = readAtMost(file, kMaxTemplateBytes);
    if (file.error() != QFileDevice::NoError) {
        showMissingTemplate(document, templatePath, file.errorString());
        return false;
    }
    if (!rtf) {
        showMissingTemplate(document, templatePath, QStringLiteral("the file is too large to be a template"));
        return false;
    }
    setRichText(document, readRtf(*rtf));
    return true;
}

void setReportField(QTextDocument& document, int line, int column, const QString& text)
{
    const QTextBlock block = document.findBlockByNumber(line);
    if (!block.isValid() || column < 1)
        return;
    const int lineLength = block.length() - 1; // without the paragraph break
    const int start = block.position() + std::min(column - 1, lineLength);
    const int end = block.position() + lineLength;
    QTextCursor cursor(&document);
    // The cursor's format is that of the character before it: one step past
    // the column finds the placeholder's first character. An empty line
    // keeps the line's own format.
    cursor.setPosition(std::min(start + 1, end));
    const QTextCharFormat format = cursor.charFormat();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(withLineBreaksOnly(text), format);
}

} // namespace cashvane
