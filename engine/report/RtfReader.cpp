#include "RtfReader.h"

#include "model/TextCodec.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>

namespace cashvane {

namespace {

enum class Destination { Text, FontTable, ColourTable, Skip };

// What a control word does. Words the reader does not know do nothing.
enum class Action {
    FontTable, ColourTable, SkippedDestination,
    Paragraph, ParagraphDefaults, CharacterDefaults,
    Bold, Italic, Underline, UnderlineNone,
    Font, DefaultFont, FontSize, Foreground, Background,
    AlignLeft, AlignCentre, AlignRight, AlignJustified, TabStop,
    Red, Green, Blue,
    Unicode, UnicodeSkip, Binary, Symbol,
};

struct WordMeaning {
    Action action;
    char16_t symbol = 0; // for Action::Symbol
};

const std::unordered_map<std::string_view, WordMeaning>& controlWords()
{
    static const std::unordered_map<std::string_view, WordMeaning> table = {
        {"fonttbl", {Action::FontTable}},       {"colortbl", {Action::ColourTable}},
        {"info", {Action::SkippedDestination}}, {"stylesheet", {Action::SkippedDestination}},
        {"pict", {Action::SkippedDestination}}, {"object", {Action::SkippedDestination}},
        {"header", {Action::SkippedDestination}}, {"headerl", {Action::SkippedDestination}},
        {"headerr", {Action::SkippedDestination}}, {"headerf", {Action::SkippedDestination}},
        {"footer", {Action::SkippedDestination}}, {"footerl", {Action::SkippedDestination}},
        {"footerr", {Action::SkippedDestination}}, {"footerf", {Action::SkippedDestination}},
        {"footnote", {Action::SkippedDestination}}, {"fldinst", {Action::SkippedDestination}},
        {"listtable", {Action::SkippedDestination}}, {"listoverridetable", {Action::SkippedDestination}},
        {"revtbl", {Action::SkippedDestination}}, {"rsidtbl", {Action::SkippedDestination}},
        {"filetbl", {Action::SkippedDestination}}, {"generator", {Action::SkippedDestination}},
        {"themedata", {Action::SkippedDestination}}, {"latentstyles", {Action::SkippedDestination}},
        {"datastore", {Action::SkippedDestination}}, {"xmlnstbl", {Action::SkippedDestination}},
        {"colorschememapping", {Action::SkippedDestination}},
        {"par", {Action::Paragraph}},           {"line", {Action::Paragraph}},
        {"page", {Action::Paragraph}},          {"sect", {Action::Paragraph}},
        {"pard", {Action::ParagraphDefaults}},  {"plain", {Action::CharacterDefaults}},
        {"b", {Action::Bold}},                  {"i", {Action::Italic}},
        {"ul", {Action::Underline}},            {"ulnone", {Action::UnderlineNone}},
        {"f", {Action::Font}},                  {"deff", {Action::DefaultFont}},
        {"fs", {Action::FontSize}},             {"cf", {Action::Foreground}},
        {"cb", {Action::Background}},           {"highlight", {Action::Background}},
        {"chcbpat", {Action::Background}},
        {"ql", {Action::AlignLeft}},            {"qc", {Action::AlignCentre}},
        {"qr", {Action::AlignRight}},           {"qj", {Action::AlignJustified}},
        {"tx", {Action::TabStop}},
        {"red", {Action::Red}},                 {"green", {Action::Green}},
        {"blue", {Action::Blue}},
        {"u", {Action::Unicode}},               {"uc", {Action::UnicodeSkip}},
        {"bin", {Action::Binary}},
        {"tab", {Action::Symbol, u'\t'}},       {"emdash", {Action::Symbol, u'\u2014'}},
        {"endash", {Action::Symbol, u'\u2013'}}, {"lquote", {Action::Symbol, u'\u2018'}},
        {"rquote", {Action::Symbol, u'\u2019'}}, {"ldblquote", {Action::Symbol, u'\u201C'}},
        {"rdblquote", {Action::Symbol, u'\u201D'}}, {"bullet", {Action::Symbol, u'\u2022'}},
        {"emspace", {Action::Symbol, u'\u2003'}}, {"enspace", {Action::Symbol, u'\u2002'}},
    };
    return table;
}

// Everything a group can change; a closing brace restores what its opening
// brace saw. Paragraph properties live here too, as word processors expect.
struct GroupState {
    Destination destination = Destination::Text;
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int foreground = 0; // colour table index; 0 is the automatic colour
    int background = 0;
    int unicodeSkip = 1;
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    std::vector<double> tabStops;
};

// Deeper nesting is counted but not remembered, so hostile input cannot make
// the state stack grow without bound.
constexpr std::size_t kMaxDepth = 256;
constexpr std::size_t kMaxTabStops = 64;
constexpr int kMaxWordLength = 32;
constexpr int kMaxParameterDigits = 10;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class RtfReader {
public:
    explicit RtfReader(QByteArrayView rtf) : in_(rtf) { text_.emplace_back(); }

    RichText read()
    {
        while (position_ < in_.size()) {
            const char c = in_[position_++];
            switch (c) {
            case '{': openGroup(); break;
            case '}': closeGroup(); break;
            case '\\': control(); break;
            case '\r':
            case '\n': break;
            default:
                ignorableNext_ = false;
                character(windows1252Char(static_cast<unsigned char>(c)));
            }
        }
        if (!documentClosed_)
            finishParagraph(text_.back());
        return std::move(text_);
    }

private:
    void openGroup()
    {
        skipCount_ = 0;
        ignorableNext_ = false;
        if (stack_.size() >= kMaxDepth) {
            ++ignoredDepth_;
            return;
        }
        stack_.push_back(state_);
    }

    void closeGroup()
    {
        skipCount_ = 0;
        ignorableNext_ = false;
        if (ignoredDepth_ > 0) {
            --ignoredDepth_;
            return;
        }
        if (stack_.empty())
            return;
        if (stack_.size() == 1) {
            // The document's last paragraph takes the state inside the
            // document's group, not the empty state outside it.
            finishParagraph(text_.back());
            documentClosed_ = true;
        }
        state_ = std::move(stack_.back());
        stack_.pop_back();
        styleDirty_ = true;
    }

    void control()
    {
        if (position_ >= in_.size())
            return;
        const char first = in_[position_];
        if (!isLetter(first)) {
            ++position_;
            controlSymbol(first);
            return;
        }
        const qsizetype start = position_;
        while (position_ < in_.size() && isLetter(in_[position_]))
            ++position_;
        const auto word = std::string_view(in_.data() + start, static_cast<std::size_t>(
            std::min<qsizetype>(position_ - start, kMaxWordLength + 1)));
        const std::optional<int> parameter = readParameter();
        if (position_ < in_.size() && in_[position_] == ' ')
            ++position_;
        controlWord(word, parameter);
    }

    std::optional<int> readParameter()
    {
        const bool negative = position_ < in_.size() && in_[position_] == '-';
        qsizetype digitsStart = position_ + (negative ? 1 : 0);
        if (digitsStart >= in_.size() || !isDigit(in_[digitsStart]))
            return std::nullopt;
        position_ = digitsStart;
        long long value = 0;
        int digits = 0;
        while (position_ < in_.size() && isDigit(in_[position_])) {
            if (digits++ < kMaxParameterDigits)
                value = value * 10 + (in_[position_] - '0');
            ++position_;
        }
        value = std::clamp(negative ? -value : value, -2'147'483'648LL, 2'147'483'647LL);
        return static_cast<int>(value);
    }

    // A character that stands in for the one before it, for readers without
    // Unicode, is dropped; escapes and control words count as one character.
    bool skipFallback()
    {
        if (skipCount_ == 0)
            return false;
        --skipCount_;
        return true;
    }

    void controlSymbol(char symbol)
    {
        if (symbol == '\'') {
            const int high = position_ < in_.size() ? hexValue(in_[position_]) : -1;
            const int low = position_ + 1 < in_.size() ? hexValue(in_[position_ + 1]) : -1;
            if (high < 0 || low < 0)
                return;
            position_ += 2;
            character(windows1252Char(static_cast<unsigned char>(high * 16 + low)));
            return;
        }
        if (symbol == '*') {
            ignorableNext_ = true;
            return;
        }
        ignorableNext_ = false;
        switch (symbol) {
        case '\\':
        case '{':
        case '}': character(QChar(symbol)); break;
        case '~': character(QChar(0x00A0)); break;
        case '-': character(QChar(0x00AD)); break;
        case '_': character(QChar(0x2011)); break;
        case '\r':
        case '\n':
            if (!skipFallback() && state_.destination == Destination::Text)
                endParagraph();
            break;
        default: break;
        }
    }

    void controlWord(std::string_view word, std::optional<int> parameter)
    {
        if (std::exchange(ignorableNext_, false)) {
            state_.destination = Destination::Skip;
            return;
        }
        const auto found = controlWords().find(word);
        if (found != controlWords().end() && found->second.action == Action::Binary) {
            position_ += std::clamp<qsizetype>(parameter.value_or(0), 0, in_.size() - position_);
            return;
        }
        if (skipFallback() || state_.destination == Destination::Skip || found == controlWords().end())
            return;
        apply(found->second, parameter);
    }

    void apply(const WordMeaning& meaning, std::optional<int> parameter)
    {
        const int value = parameter.value_or(0);
        const bool on = parameter.value_or(1) != 0;
        styleDirty_ = true;
        switch (meaning.action) {
        case Action::FontTable: state_.destination = Destination::FontTable; break;
        case Action::ColourTable: state_.destination = Destination::ColourTable; break;
        case Action::SkippedDestination: state_.destination = Destination::Skip; break;
        case Action::Paragraph:
            if (state_.destination == Destination::Text)
                endParagraph();
            break;
        case Action::ParagraphDefaults:
            state_.alignment = ParagraphAlignment::Left;
            state_.tabStops.clear();
            break;
        case Action::CharacterDefaults: resetCharacterState(); break;
        case Action::Bold: state_.bold = on; break;
        case Action::Italic: state_.italic = on; break;
        case Action::Underline: state_.underline = on; break;
        case Action::UnderlineNone: state_.underline = false; break;
        case Action::Font:
            if (state_.destination == Destination::FontTable)
                fontNumber_ = value;
            else
                state_.font = value;
            break;
        case Action::DefaultFont: defaultFont_ = value; break;
        case Action::FontSize: state_.halfPoints = std::clamp(parameter.value_or(24), 1, 3276); break;
        case Action::Foreground: state_.foreground = value; break;
        case Action::Background: state_.background = value; break;
        case Action::AlignLeft: state_.alignment = ParagraphAlignment::Left; break;
        case Action::AlignCentre: state_.alignment = ParagraphAlignment::Centre; break;
        case Action::AlignRight: state_.alignment = ParagraphAlignment::Right; break;
        case Action::AlignJustified: state_.alignment = ParagraphAlignment::Justified; break;
        case Action::TabStop:
            if (state_.tabStops.size() < kMaxTabStops && value > 0)
                state_.tabStops.push_back(value / 20.0); // twips to points
            break;
        case Action::Red: setComponent(red_, value); break;
        case Action::Green: setComponent(green_, value); break;
        case Action::Blue: setComponent(blue_, value); break;
        case Action::Unicode:
            // The parameter is a signed 16-bit number, so characters above
            // U+7FFF come negative: U+F0B7 is written \u-3913.
            content(QChar(static_cast<char16_t>(value < 0 ? value + 65536 : value)));
            skipCount_ = state_.unicodeSkip;
            break;
        case Action::UnicodeSkip: state_.unicodeSkip = std::clamp(value, 0, 16); break;
        case Action::Symbol: content(QChar(meaning.symbol)); break;
        case Action::Binary: break;
        }
    }

    void setComponent(int& component, int value)
    {
        component = std::clamp(value, 0, 255);
        colourHasComponents_ = true;
    }

    void resetCharacterState()
    {
        state_.font = -1;
        state_.halfPoints = 24;
        state_.bold = state_.italic = state_.underline = false;
        state_.foreground = state_.background = 0;
    }

    void character(QChar c)
    {
        if (!skipFallback())
            content(c);
    }

    // A character of content, in whichever destination is being read.
    void content(QChar c)
    {
        switch (state_.destination) {
        case Destination::Text: appendText(c); break;
        case Destination::FontTable:
            if (c == u';') {
                fonts_[fontNumber_] = fontName_.trimmed();
                fontName_.clear();
            } else {
                fontName_ += c;
            }
            break;
        case Destination::ColourTable:
            if (c == u';') {
                colours_.push_back(colourHasComponents_ ? std::optional(QColor(red_, green_, blue_))
                                                        : std::nullopt);
                red_ = green_ = blue_ = 0;
                colourHasComponents_ = false;
            }
            break;
        case Destination::Skip: break;
        }
    }

    void appendText(QChar c)
    {
        Paragraph& paragraph = text_.back();
        if (styleDirty_) {
            currentStyle_ = resolvedStyle();
            styleDirty_ = false;
        }
        if (paragraph.runs.empty() || paragraph.runs.back().style != currentStyle_)
            paragraph.runs.push_back({{}, currentStyle_});
        // A break written as \uN is text to RTF; here it would split the paragraph.
        paragraph.runs.back().text += endsParagraph(c) ? QChar(u' ') : c;
    }

    void endParagraph()
    {
        finishParagraph(text_.back());
        text_.emplace_back();
    }

    void finishParagraph(Paragraph& paragraph)
    {
        paragraph.alignment = state_.alignment;
        paragraph.tabStops = state_.tabStops;
        paragraph.style = resolvedStyle();
    }

    std::optional<QColor> colour(int index) const
    {
        if (index <= 0 || static_cast<std::size_t>(index) >= colours_.size())
            return std::nullopt;
        return colours_[static_cast<std::size_t>(index)];
    }

    TextStyle resolvedStyle() const
    {
        TextStyle style;
        const auto font = fonts_.find(state_.font < 0 ? defaultFont_ : state_.font);
        if (font != fonts_.end())
            style.fontFamily = font->second;
        style.pointSize = state_.halfPoints / 2.0;
        style.bold = state_.bold;
        style.italic = state_.italic;
        style.underline = state_.underline;
        style.foreground = colour(state_.foreground);
        style.background = colour(state_.background);
        return style;
    }

    QByteArrayView in_;
    qsizetype position_ = 0;
    GroupState state_;
    std::vector<GroupState> stack_;
    int ignoredDepth_ = 0;
    bool ignorableNext_ = false;
    int skipCount_ = 0;
    bool documentClosed_ = false;

    std::map<int, QString> fonts_;
    int defaultFont_ = 0;
    int fontNumber_ = 0;
    QString fontName_;
    std::vector<std::optional<QColor>> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colourHasComponents_ = false;

    RichText text_;
    TextStyle currentStyle_;
    bool styleDirty_ = true;
};

} // namespace

RichText readRtf(QByteArrayView rtf)
{
    return RtfReader(rtf).read();
}

} // namespace cashvane
