#pragma once

#include "RichText.h"

#include <QByteArrayView>

// Reads RTF as word processors write it for a simple document: groups, the
// font and colour tables, fonts and sizes, bold, italic, underline, text and
// highlight colours, paragraphs with alignment and tab stops, tabs and line
// breaks, Windows-1252 escapes and Unicode characters. Everything else (pictures, styles,
// document information, unknown control words and {\*\...} destinations) is
// skipped. Any bytes at all give some text: the reader never fails, never
// recurses, and takes time in proportion to its input.
namespace cashvane {

RichText readRtf(QByteArrayView rtf);

} // namespace cashvane
