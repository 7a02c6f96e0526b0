#include "engine/report/RtfReader.h"
#include "engine/report/RtfWriter.h"
#include "RichTextPrinting.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

TextStyle styleWith(const QString& family, double size, bool bold)
{
    TextStyle style;
    style.fontFamily = family;
    style.pointSize = size;
    style.bold = bold;
    return style;
}

TEST(RtfWriter, WritesWhatTheReaderReadsBack)
{
    TextStyle highlighted = styleWith("Courier New", 10.0, false);
    highlighted.italic = highlighted.underline = true;
    highlighted.foreground = QColor(0, 51, 102);
    highlighted.background = QColor(255, 255, 0);

    RichText text(3);
    text[0].alignment = ParagraphAlignment::Centre;
    text[0].style = styleWith("Arial", 18.0, true);
    text[0].runs = {{"Title", styleWith("Arial", 18.0, true)}};
    text[1].tabStops = {36.0, 126.0};
    text[1].style = styleWith("Arial", 11.0, false);
    text[1].runs = {{"1\t21 / 08 / 10\t", styleWith("Arial", 11.0, false)},
                    {"-12.50", highlighted},
                    {"plain again", styleWith("", 12.0, false)}};
    text[2].alignment = ParagraphAlignment::Right;
    text[2].style = highlighted; // an empty paragraph keeps its style

    EXPECT_EQ(readRtf(writeRtf(text)), text);
}

TEST(RtfWriter, EscapesEveryTextSoItCannotChangeTheDocument)
{
    const QString hostile = QString::fromUtf8(
        "{\\rtf1 \\par} }}} {\\*\\x} \\'80 \\u65 £ € ü ✓ 😀 \\\\ \\~ ; \t\u00A0\u00AD\u2011");
    RichText text(1);
    text[0].runs = {{hostile, styleWith("Font {with} \\odd; name", 12.0, false)}};

    const QByteArray rtf = writeRtf(text);
    const RichText back = readRtf(rtf);
    ASSERT_EQ(back.size(), 1u);
    ASSERT_EQ(back[0].runs.size(), 1u);
    EXPECT_EQ(back[0].runs[0].text, hostile);
    EXPECT_EQ(back[0].runs[0].style.fontFamily, "Font {with} \\odd  name");

    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "the file is plain ASCII";
    EXPECT_TRUE(rtf.contains("\\u8364\\'80")); // € with its Windows-1252 fallback
    EXPECT_TRUE(rtf.contains("\\u10003?"));   // ✓ has no Windows-1252 byte
}

TEST(RtfWriter, DropsControlCharactersOtherThanTab)
{
    RichText text(1);
    text[0].runs = {{QString::fromLatin1("a\x01" "b\x1F" "c\x7F" "d"), {}}};
    EXPECT_EQ(readRtf(writeRtf(text))[0].runs[0].text, "abcd");
}

} // namespace
} // namespace cashvane
