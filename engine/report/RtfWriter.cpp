#include "RtfWriter.h"

#include "model/TextCodec.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace cashvane {

namespace {

QByteArray number(long long value) { return QByteArray::number(value); }

// Escapes text so that it can only ever be text: braces and backslashes are
// escaped, tabs and the special spaces and hyphens become their control
// words, other control characters are dropped, and everything beyond ASCII
// is a Unicode escape followed by its Windows-1252 byte, or "?", for readers
// that know no Unicode (\uc1 says one such character follows).
QByteArray escaped(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\\' || code == u'{' || code == u'}') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code == u'\t') {
            out += "\\tab ";
        } else if (code == 0x00A0) {
            out += "\\~";
        } else if (code == 0x00AD) {
            out += "\\-";
        } else if (code == 0x2011) {
            out += "\\_";
        } else if (code >= 0x20 && code < 0x7F) {
            out += static_cast<char>(code);
        } else if (code >= 0x80) {
            out += "\\u" + number(code > 0x7FFF ? code - 65536 : code);
            const std::optional<char> fallback = windows1252Byte(c);
            if (fallback)
                out += "\\'" + QByteArray(1, *fallback).toHex();
            else
                out += '?';
        }
    }
    return out;
}

// The fonts and colours a text uses, numbered as the tables list them. Font 0
// stands for "no particular font" and colour 0 for the automatic colour.
class Tables {
public:
    explicit Tables(const RichText& text)
    {
        fonts_.append(QString());
        for (const Paragraph& paragraph : text) {
            add(paragraph.style);
            for (const TextRun& run : paragraph.runs)
                add(run.style);
        }
    }

    QByteArray fontTable() const
    {
        QByteArray out = "{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            QString name = fonts_[i];
            name.replace(u';', u' '); // a semicolon ends the name in the table
            out += "{\\f" + number(i) + "\\fnil " + escaped(name) + ";}";
        }
        return out + "}";
    }

    QByteArray colourTable() const
    {
        QByteArray out = "{\\colortbl;";
        for (const QColor& colour : colours_) {
            out += "\\red" + number(colour.red()) + "\\green" + number(colour.green()) + "\\blue"
                + number(colour.blue()) + ";";
        }
        return out + "}";
    }

    QByteArray characterProperties(const TextStyle& style) const
    {
        QByteArray out = "\\f" + number(fonts_.indexOf(style.fontFamily));
        out += "\\fs" + number(std::lround(style.pointSize * 2.0));
        out += style.bold ? "\\b" : "\\b0";
        out += style.italic ? "\\i" : "\\i0";
        out += style.underline ? "\\ul" : "\\ulnone";
        out += "\\cf" + number(colourIndex(style.foreground));
        out += "\\highlight" + number(colourIndex(style.background));
        return out;
    }

private:
    void add(const TextStyle& style)
    {
        if (!fonts_.contains(style.fontFamily))
            fonts_.append(style.fontFamily);
        for (const auto& colour : {style.foreground, style.background}) {
            if (colour && std::find(colours_.begin(), colours_.end(), *colour) == colours_.end())
                colours_.push_back(*colour);
        }
    }

    long long colourIndex(const std::optional<QColor>& colour) const
    {
        if (!colour)
            return 0;
        return std::find(colours_.begin(), colours_.end(), *colour) - colours_.begin() + 1;
    }

    QStringList fonts_;
    std::vector<QColor> colours_;
};

QByteArray paragraphProperties(const Paragraph& paragraph)
{
    static const char* const kAlignments[] = {"\\ql", "\\qc", "\\qr", "\\qj"};
    QByteArray out = "\\pard";
    out += kAlignments[static_cast<int>(paragraph.alignment)];
    for (double stop : paragraph.tabStops)
        out += "\\tx" + number(std::lround(stop * 20.0)); // points to twips
    return out;
}

} // namespace

QByteArray writeRtf(const RichText& text)
{
    const Tables tables(text);
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    out += tables.fontTable() + "\n" + tables.colourTable() + "\n";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Paragraph& paragraph = text[i];
        // The paragraph's own style stands outside the runs' groups, so it is
        // the style in force at the paragraph's end when the file is read back.
        out += paragraphProperties(paragraph) + "\\plain" + tables.characterProperties(paragraph.style);
        for (const TextRun& run : paragraph.runs)
            out += "{" + tables.characterProperties(run.style) + " " + escaped(run.text) + "}";
        out += i + 1 < text.size() ? "\\par\n" : "\n";
    }
    return out + "}\n";
}

} // namespace cashvane
