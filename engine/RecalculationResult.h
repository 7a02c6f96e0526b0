#pragma once

#include "engine/ChartSlice.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Everything one recalculation puts on screen, as plain values. The engine
// fills it; the window and cashvane-cli only show it. Each list keeps the
// order in which the pass produced it, which is the order rows and tree items
// are appended and report fields written.
namespace cashvane {

struct TreeItem {
    int depth = 0; // 0 for a branch; a deeper item belongs to the last shallower one
    QString text;
    std::optional<QColor> colour; // none: the tree's own text colour

    bool operator==(const TreeItem&) const = default;
};

// One row of a list, its columns from the left.
using ListRow = QStringList;

// A row of the outlook or projection list, which colour their rows by how the
// week went.
struct ColouredRow {
    QStringList cells;
    QColor background;

    bool operator==(const ColouredRow&) const = default;
};

// One write into the quick report: the text replaces the line from the column
// (counted from 1) to its end; a line break in the text starts a new line.
struct ReportField {
    int line = 0;
    int column = 1;
    QString text;

    bool operator==(const ReportField&) const = default;
};

struct RecalculationResult {
    QString profileNameLabel;
    QString dateLabel;
    std::vector<ListRow> history; // date and action, newest first
    std::vector<TreeItem> summaryTree; // all four branches in order
    std::vector<ListRow> expenseTotals; // period and amount, six rows
    std::vector<ColouredRow> outlook; // weeks 0 to 15
    std::vector<ListRow> income;
    std::vector<ListRow> expenses;
    std::vector<ListRow> banking;
    std::vector<ColouredRow> projection; // weeks 1 to 52
    std::vector<ReportField> reportFields;
    ChartSlices chartSlices; // one per expense

    bool operator==(const RecalculationResult&) const = default;
};

} // namespace cashvane
