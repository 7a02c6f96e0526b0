#pragma once

#include "model/Profile.h"

#include <QByteArray>

#include <bit>
#include <cstdint>

// Builders for session-file bytes in tests, written out field by field so a
// test states the layout it expects rather than trusting the writer.
namespace cashvane::test {

inline QByteArray int32Bytes(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

inline QByteArray floatBytes(float value)
{
    return int32Bytes(std::bit_cast<std::int32_t>(value));
}

inline QByteArray line(const QByteArray& text)
{
    return text + "\r\n";
}

inline QByteArray header(const QByteArray& name, int incomes, int expenses, int accounts)
{
    return line(name) + int32Bytes(incomes) + int32Bytes(expenses) + int32Bytes(accounts);
}

inline QByteArray emptyHistory()
{
    return QByteArray("\r\n").repeated(99 * 2);
}

// A profile that uses every kind of value a field can hold.
Profile richProfile();

} // namespace cashvane::test
