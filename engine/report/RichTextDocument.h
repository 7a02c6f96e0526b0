#pragma once

#include "RichText.h"

#include <QTextDocument>

// Moves formatted text in and out of a QTextDocument, the form the report view
// edits and shows. Each paragraph is one block; the document knows nothing of
// RTF and the RTF code knows nothing of QTextDocument.
namespace cashvane {

// Replaces the document's whole content.
void setRichText(QTextDocument& document, const RichText& text);

RichText richTextOf(const QTextDocument& document);

} // namespace cashvane
