#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

// The chart's two fonts, and text drawn and measured in them. QPainter draws
// the letters; every other pixel of the chart is PixelCanvas's. Needs a
// QGuiApplication, which owns the font database.
namespace cashvane {

// "Arial" (through fontconfig; on Debian, fonts-liberation supplies the
// metric-compatible Liberation Sans) at 10 points bold.
QFont chartTitleFont();
// The same face at 8 points, regular weight.
QFont chartLegendFont();

// Horizontal advance in pixels; an empty text measures 0.
int textWidth(const QFont& font, const QString& text);
// The largest of the texts' advances, 0 for none.
int widestText(const QFont& font, const std::vector<QString>& texts);

struct PlacedText {
    QPoint topLeft;
    QString text;
};

// Draws each text with its top-left corner where it is placed, with nothing
// painted behind the letters.
void drawTexts(QImage& picture, const QFont& font, const QColor& colour, const std::vector<PlacedText>& texts);

} // namespace cashvane
