#include "TextCodec.h"

#include <QStringDecoder>

namespace cashvane {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F. The five bytes it
// leaves undefined map to the control characters of the same number, as
// Windows itself maps them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = windows1252Char(static_cast<unsigned char>(bytes[i]));
    return text;
}

} // namespace

QChar windows1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
}

std::optional<char> windows1252Byte(QChar character)
{
    const char16_t code = character.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i) {
        if (kWindows1252High[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

QString decodeSessionText(QByteArrayView bytes)
{
    // A leading byte-order mark is part of the text, not a marker to drop.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

QByteArray encodeSessionText(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    for (char& byte : bytes) {
        if (byte == '\r' || byte == '\n' || byte == '\0')
            byte = ' ';
    }
    return bytes;
}

} // namespace cashvane
