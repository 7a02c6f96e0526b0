#pragma once

#include "RichText.h"

#include <QByteArray>

// Writes formatted text as RTF that word processors open. Every text is
// escaped: braces and backslashes cannot change the document's structure, and
// characters beyond ASCII are written as Unicode escapes with a Windows-1252
// fallback for readers that know no Unicode.
namespace cashvane {

QByteArray writeRtf(const RichText& text);

} // namespace cashvane
