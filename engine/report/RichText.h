#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

// Formatted text as the report needs it: paragraphs of runs, each run with
// its font, size, emphasis and colours. The RTF reader produces it, the RTF
// writer consumes it, and RichTextDocument moves it in and out of a
// QTextDocument; none of them knows what the report says.
namespace cashvane {

struct TextStyle {
    QString fontFamily;
    double pointSize = 12.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<QColor> foreground; // none: the default text colour
    std::optional<QColor> background; // none: no highlight

    bool operator==(const TextStyle&) const = default;
};

// The characters a QTextDocument takes as the end of a paragraph when they
// are inserted as text; a run holding one would split its paragraph.
constexpr bool endsParagraph(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0)
        || c == QChar(0xFDD1);
}

struct TextRun {
    QString text; // never holds a line break (endsParagraph): a new line is a new paragraph
    TextStyle style;

    bool operator==(const TextRun&) const = default;
};

enum class ParagraphAlignment { Left, Centre, Right, Justified };

struct Paragraph {
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    std::vector<double> tabStops; // in points from the left margin
    TextStyle style;              // for text typed or written into the paragraph later
    std::vector<TextRun> runs;

    bool operator==(const Paragraph&) const = default;
};

using RichText = std::vector<Paragraph>;

} // namespace cashvane
