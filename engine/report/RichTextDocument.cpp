#include "RichTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>

namespace cashvane {

namespace {

QTextCharFormat charFormat(const TextStyle& style)
{
    QTextCharFormat format;
    if (!style.fontFamily.isEmpty())
        format.setFontFamilies({style.fontFamily});
    format.setFontPointSize(style.pointSize);
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    if (style.foreground)
        format.setForeground(*style.foreground);
    if (style.background)
        format.setBackground(*style.background);
    return format;
}

TextStyle textStyle(const QTextCharFormat& format)
{
    TextStyle style;
    style.fontFamily = format.fontFamilies().toStringList().value(0);
    if (format.fontPointSize() > 0)
        style.pointSize = format.fontPointSize();
    style.bold = format.fontWeight() >= QFont::Bold;
    style.italic = format.fontItalic();
    style.underline = format.fontUnderline();
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        style.foreground = format.foreground().color();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        style.background = format.background().color();
    return style;
}

const std::pair<ParagraphAlignment, Qt::Alignment> kAlignments[] = {
    {ParagraphAlignment::Left, Qt::AlignLeft},
    {ParagraphAlignment::Centre, Qt::AlignHCenter},
    {ParagraphAlignment::Right, Qt::AlignRight},
    {ParagraphAlignment::Justified, Qt::AlignJustify},
};

QTextBlockFormat blockFormat(const Paragraph& paragraph)
{
    QTextBlockFormat format;
    for (const auto& [ours, qt] : kAlignments) {
        if (ours == paragraph.alignment)
            format.setAlignment(qt);
    }
    QList<QTextOption::Tab> tabs;
    for (double stop : paragraph.tabStops)
        tabs.append(QTextOption::Tab(stop, QTextOption::LeftTab));
    format.setTabPositions(tabs);
    return format;
}

ParagraphAlignment alignmentOf(const QTextBlockFormat& format)
{
    for (const auto& [ours, qt] : kAlignments) {
        if (format.alignment() & qt & Qt::AlignHorizontal_Mask)
            return ours;
    }
    return ParagraphAlignment::Left;
}

} // namespace

void setRichText(QTextDocument& document, const RichText& text)
{
    document.clear();
    QTextCursor cursor(&document);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Paragraph& paragraph = text[i];
        if (i == 0) {
            cursor.setBlockFormat(blockFormat(paragraph));
            cursor.setBlockCharFormat(charFormat(paragraph.style));
        } else {
            cursor.insertBlock(blockFormat(paragraph), charFormat(paragraph.style));
        }
        for (const TextRun& run : paragraph.runs)
            cursor.insertText(run.text, charFormat(run.style));
    }
}

RichText richTextOf(const QTextDocument& document)
{
    RichText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph;
        paragraph.alignment = alignmentOf(block.blockFormat());
        for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
            paragraph.tabStops.push_back(tab.position);
        paragraph.style = textStyle(block.charFormat());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            paragraph.runs.push_back({part.text(), textStyle(part.charFormat())});
        }
        text.push_back(std::move(paragraph));
    }
    return text;
}

} // namespace cashvane
