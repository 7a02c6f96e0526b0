#include "engine/report/RtfReader.h"
#include "RichTextPrinting.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

QStringList paragraphTexts(const RichText& text)
{
    QStringList texts;
    for (const Paragraph& paragraph : text) {
        QString line;
        for (const TextRun& run : paragraph.runs)
            line += run.text;
        texts.append(line);
    }
    return texts;
}

TEST(RtfReader, ReadsTheTextOfEveryKindOfEscapeAndBreak)
{
    struct Case {
        const char* name;
        QByteArray rtf;
        QStringList paragraphs;
    };
    const Case cases[] = {
        {"plain text", R"({\rtf1 Hello world})", {"Hello world"}},
        {"paragraphs and line breaks", R"({\rtf1 one\par two\line three})", {"one", "two", "three"}},
        {"escaped braces and backslash", R"({\rtf1 a\{b\}c\\d})", {"a{b}c\\d"}},
        {"Windows-1252 escapes", R"({\rtf1 \'a35 \'80 caf\'e9})", {"£5 € café"}},
        {"Unicode with one fallback", R"({\rtf1 \u8364\'80 and \u8364?})", {"€ and €"}},
        {"Unicode with two fallbacks", R"({\rtf1\uc2 \u8364 EUx})", {"€x"}},
        {"Unicode without fallback", R"({\rtf1\uc0 \u8364 x})", {"€x"}},
        {"negative Unicode", R"({\rtf1 \u-3913?})", {QString(QChar(0xF0B7))}},
        {"fallback cut by a group end", R"({\rtf1\uc3 {\u8364 a}bc})", {"€bc"}},
        {"special spaces and hyphens", R"({\rtf1 a\~b\-c\_d})",
         {QStringLiteral("a\u00A0b\u00ADc\u2011d")}},
        {"typographic words", R"({\rtf1 \ldblquote x\rdblquote  \emdash  \bullet})",
         {QStringLiteral("\u201Cx\u201D \u2014 \u2022")}},
        {"tab", R"({\rtf1 Wk \tab Wk-End})", {"Wk \tWk-End"}},
        {"space after a control word is a delimiter", R"({\rtf1\b  two})", {" two"}},
        {"control symbol line end is a paragraph", "{\\rtf1 a\\\nb}", {"a", "b"}},
        {"raw line ends are ignored", "{\\rtf1 a\r\nb}", {"ab"}},
        {"breaks written as Unicode stay on the line",
         R"({\rtf1 a\u10?b\u13?c\u8233?d\u-560?e\u-559?f})", {"a b c d e f"}},
        {"a break as a Windows-1252 escape stays on the line", R"({\rtf1 a\'0ab\'0dc})", {"a b c"}},
        {"ignorable destination", R"({\rtf1 a{\*\generator Writer;}b})", {"ab"}},
        {"unknown ignorable with groups", R"({\rtf1 a{\*\x {\y z}{w}}b})", {"ab"}},
        {"known skipped destinations", R"({\rtf1{\info{\title T}}{\stylesheet{\s0 N;}}{\pict 0a0b}x})", {"x"}},
        {"binary data", "{\\rtf1{\\*\\p \\bin3 }}{}x}y", {"xy"}},
        {"unknown control words", R"({\rtf1\frobnicate12 a\zz-5 b})", {"ab"}},
        {"field result shown, instruction skipped",
         R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", {"link"}},
        {"stray closing braces", R"(}}{\rtf1 a}}b)", {"ab"}},
        {"unclosed groups", R"({\rtf1 {{{ a)", {" a"}},
        {"cut inside an escape", R"({\rtf1 a\')", {"a"}},
        {"cut after a backslash", "{\\rtf1 a\\", {"a"}},
        {"bad hex escape", R"({\rtf1 a\'zzb})", {"azzb"}},
        {"empty input", "", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paragraphTexts(readRtf(c.rtf)), c.paragraphs) << c.name;
}

TEST(RtfReader, ReadsFontsSizesEmphasisAndColours)
{
    const RichText text = readRtf(
        R"({\rtf1\ansi\deff1{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(plain {\f0\fs20\b\i\ul\cf1\highlight2 styled}{\b0 x}\par)"
        R"(\qc\tx720\tx2520 centred\par\pard right\qr\par last})");
    ASSERT_EQ(text.size(), 4u);
    ASSERT_EQ(text[0].runs.size(), 3u);

    TextStyle plain;
    plain.fontFamily = "Courier New"; // the default font, \deff1
    EXPECT_EQ(text[0].runs[0], (TextRun{"plain ", plain}));

    TextStyle styled;
    styled.fontFamily = "Arial";
    styled.pointSize = 10.0;
    styled.bold = styled.italic = styled.underline = true;
    styled.foreground = QColor(255, 0, 0);
    styled.background = QColor(0, 0, 255);
    EXPECT_EQ(text[0].runs[1], (TextRun{"styled", styled}));
    EXPECT_EQ(text[0].runs[2].style, plain); // the group ended: back to plain

    EXPECT_EQ(text[1].alignment, ParagraphAlignment::Centre);
    EXPECT_EQ(text[1].tabStops, (std::vector<double>{36.0, 126.0}));
    EXPECT_EQ(text[2].alignment, ParagraphAlignment::Right);
    EXPECT_TRUE(text[2].tabStops.empty());
}

TEST(RtfReader, KeepsFormattingGroupScopedAndResetsOnPlain)
{
    const RichText text = readRtf(R"({\rtf1 {\b bold {\i both} bold}\b\i\plain  none})");
    ASSERT_EQ(text.size(), 1u);
    const auto& runs = text[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_TRUE(runs[0].style.bold && !runs[0].style.italic);
    EXPECT_TRUE(runs[1].style.bold && runs[1].style.italic);
    EXPECT_TRUE(runs[2].style.bold && !runs[2].style.italic);
    EXPECT_FALSE(runs[3].style.bold || runs[3].style.italic);
    EXPECT_EQ(runs[3].text, " none");
}

TEST(RtfReader, SurvivesDeepNestingAndHugeParameters)
{
    const QByteArray deep = QByteArray("{").repeated(100'000) + "x" + QByteArray("}").repeated(100'000);
    EXPECT_EQ(paragraphTexts(readRtf(deep)), QStringList{"x"});

    const RichText huge = readRtf(R"({\rtf1\fs99999999999999999999\u99999999999 a\uc2147483647 \u65 bc\tx-5})");
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_TRUE(huge[0].tabStops.empty());
}

} // namespace
} // namespace cashvane
