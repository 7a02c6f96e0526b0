#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <vector>

// One slice of the expenses chart: how wide it is, what the legend says of it
// and its colour. The recalculation builds them from the expenses; the pie
// chart draws them and knows nothing of expenses.
namespace cashvane {

struct ChartSlice {
    std::int32_t value = 0; // at least 2 for every slice the pass makes
    QString label;
    QColor colour;

    bool operator==(const ChartSlice&) const = default;
};

// Slice k of the chart is element k - 1; slices are numbered from 1 like the
// expenses they stand for.
using ChartSlices = std::vector<ChartSlice>;

} // namespace cashvane
