#pragma once

#include <QColor>

// The four colours of the frame around the pie. The slices bring their own
// colours; the stripes, outlines and legend box have fixed ones.
namespace cashvane {

struct ChartScheme {
    QColor background; // the whole chart
    QColor sideStrip;  // 10 pixels at the left and right edges
    QColor titleText;
    QColor legendText;
};

// The scheme of the At A Glance chart.
inline const ChartScheme kExpensesChartScheme{
    {241, 241, 241},
    {230, 230, 232},
    {49, 75, 49},
    {24, 58, 35},
};

} // namespace cashvane
