#pragma once

#include "engine/report/RichText.h"

#include <ostream>

// Lets GoogleTest show formatted text readably when a comparison fails.
namespace cashvane {

inline void PrintTo(const TextStyle& style, std::ostream* out)
{
    *out << '[' << style.fontFamily.toStdString() << ' ' << style.pointSize << "pt"
         << (style.bold ? " bold" : "") << (style.italic ? " italic" : "")
         << (style.underline ? " underline" : "");
    if (style.foreground)
        *out << " fg " << style.foreground->name().toStdString();
    if (style.background)
        *out << " bg " << style.background->name().toStdString();
    *out << ']';
}

inline void PrintTo(const TextRun& run, std::ostream* out)
{
    *out << '"' << run.text.toStdString() << "\" ";
    PrintTo(run.style, out);
}

inline void PrintTo(const Paragraph& paragraph, std::ostream* out)
{
    *out << "\n  paragraph align " << static_cast<int>(paragraph.alignment) << " tabs";
    for (double stop : paragraph.tabStops)
        *out << ' ' << stop;
    *out << " style ";
    PrintTo(paragraph.style, out);
    for (const TextRun& run : paragraph.runs) {
        *out << "\n    ";
        PrintTo(run, out);
    }
}

} // namespace cashvane
