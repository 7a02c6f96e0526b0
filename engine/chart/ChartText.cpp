#include "ChartText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace cashvane {

namespace {

// Points are taken at the 96 dots per inch of a desktop screen, rounded as
// the point size of a screen font usually is: 10 points make 13 pixels and 8
// points 11. A fixed resolution keeps the chart the same on every screen and
// off screen.
int pixelsForPoints(int points)
{
    constexpr int kDotsPerInch = 96;
    constexpr int kPointsPerInch = 72;
    return (points * kDotsPerInch + kPointsPerInch / 2) / kPointsPerInch;
}

QFont arial(int points, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelsForPoints(points));
    font.setWeight(weight);
    return font;
}

} // namespace

QFont chartTitleFont()
{
    return arial(10, QFont::Bold);
}

QFont chartLegendFont()
{
    return arial(8, QFont::Normal);
}

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int widestText(const QFont& font, const std::vector<QString>& texts)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

void drawTexts(QImage& picture, const QFont& font, const QColor& colour, const std::vector<PlacedText>& texts)
{
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(colour);
    // QPainter places text by its baseline; the chart places it by the top
    // of the line, one ascent higher.
    const int ascent = QFontMetrics(font).ascent();
    for (const PlacedText& placed : texts)
        painter.drawText(QPoint(placed.topLeft.x(), placed.topLeft.y() + ascent), placed.text);
}

} // namespace cashvane
