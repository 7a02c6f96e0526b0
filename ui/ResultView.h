#pragma once

#include "MainWindow.h"

#include "engine/RecalculationResult.h"

#include <QString>

// Putting one recalculation on screen: every list and the tree are emptied
// and refilled, the chart repainted, the report reloaded from its template
// with every figure written in, and the At A Glance page shown. Nothing here
// computes a figure.
namespace cashvane {

void showResult(
    MainWindow& window, const RecalculationResult& result, const QString& reportTemplatePath);

} // namespace cashvane
