#pragma once

#include "ChartScheme.h"
#include "engine/ChartSlice.h"

#include <QImage>
#include <QString>

// The expenses chart: a titled, striped panel with a pie of the slices and a
// legend, painted anew from its arguments at every call. The slices come
// from the recalculation; this only draws them. Drawing text needs a
// QGuiApplication.
namespace cashvane {

// Draws slices 1 to n (elements 0 to n − 1; n is cut to the slices there are)
// into the chart rectangle (left, top, width, height) of the picture, clipped
// to the picture's edges. With n < 1 the pie is one grey "No Data" slice.
// The picture is made 32-bit RGB if it is not already.
// REQUIRES: width and height small enough that width × 65 and 17 × n do not
// overflow an int.
void drawPieChart(QImage& picture, const ChartSlices& slices, int n, int left, int top, int width, int height,
                  const ChartScheme& scheme, const QString& title);

inline constexpr int kExpensesChartWidth = 300;
inline constexpr int kExpensesChartHeight = 220;

// The At A Glance picture: every slice, drawn as the window shows them.
QImage drawExpensesChart(const ChartSlices& slices);

// The same chart drawn over the whole of a picture the caller keeps, which
// must be kExpensesChartWidth by kExpensesChartHeight.
void drawExpensesChart(QImage& picture, const ChartSlices& slices);

} // namespace cashvane
