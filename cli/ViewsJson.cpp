#include "ViewsJson.h"

namespace cashvane::cli {

namespace {

Json text(const QString& value)
{
    return value.toStdString();
}

Json colour(const QColor& value)
{
    return Json::array({ value.red(), value.green(), value.blue() });
}

Json row(const ListRow& cells)
{
    Json array = Json::array();
    for (const QString& cell : cells)
        array.push_back(text(cell));
    return array;
}

Json treeItem(const TreeItem& item)
{
    return { { "depth", item.depth }, { "text", text(item.text) },
        { "colour", item.colour ? colour(*item.colour) : Json(nullptr) } };
}

Json colouredRow(const ColouredRow& value)
{
    return { { "cells", row(value.cells) }, { "background", colour(value.background) } };
}

Json reportField(const ReportField& field)
{
    return { { "line", field.line }, { "column", field.column }, { "text", text(field.text) } };
}

Json chartSlice(const ChartSlice& slice)
{
    return { { "value", slice.value }, { "label", text(slice.label) },
        { "colour", colour(slice.colour) } };
}

template <typename T, typename ToJson> Json arrayOf(const std::vector<T>& values, ToJson toJson)
{
    Json array = Json::array();
    for (const T& value : values)
        array.push_back(toJson(value));
    return array;
}

} // namespace

Json viewsToJson(const RecalculationResult& r)
{
    return {
        { "profileNameLabel", text(r.profileNameLabel) },
        { "dateLabel", text(r.dateLabel) },
        { "history", arrayOf(r.history, row) },
        { "summaryTree", arrayOf(r.summaryTree, treeItem) },
        { "expenseTotals", arrayOf(r.expenseTotals, row) },
        { "outlook", arrayOf(r.outlook, colouredRow) },
        { "income", arrayOf(r.income, row) },
        { "expenses", arrayOf(r.expenses, row) },
        { "banking", arrayOf(r.banking, row) },
        { "projection", arrayOf(r.projection, colouredRow) },
        { "reportFields", arrayOf(r.reportFields, reportField) },
        { "chartSlices", arrayOf(r.chartSlices, chartSlice) },
    };
}

} // namespace cashvane::cli
