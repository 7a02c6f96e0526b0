#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// How the texts of a session file become characters. The program writes UTF-8;
// files from older 8-bit desktops hold Windows-1252, which a text that is not
// valid UTF-8 is read as, so "£" or "é" from such a file loads unharmed.
namespace cashvane {

QString decodeSessionText(QByteArrayView bytes);

// One byte of Windows-1252 as a character, and back; a character the code
// page does not have gives no byte.
QChar windows1252Char(unsigned char byte);
std::optional<char> windows1252Byte(QChar character);

// CR, LF and NUL would end the text early when it is read back, and the rest
// would be taken for the following fields; each is written as a blank.
QByteArray encodeSessionText(const QString& text);

} // namespace cashvane
