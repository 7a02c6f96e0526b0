#pragma once

#include "engine/ChartSlice.h"
#include "engine/RandomSource.h"
#include "model/RecordList.h"
#include "model/Records.h"

#include <QColor>

#include <cstdint>

// The expenses chart's input: one slice per expense, in record order, sized
// by its amount and labelled by its category. Drawing the slices is the
// chart's business.
namespace cashvane {

// The amount rounded to a whole number, a half to the even neighbour, and at
// least 2, so every slice stays visible: also zero, negative and NaN amounts.
// Amounts beyond the largest 32-bit integer (+Infinity too) give that integer.
std::int32_t sliceValue(float amount);

// Slices 1 to 11 take the fixed palette; later slices draw red, green and blue
// from 88 to 255, in that order, anew at every pass.
QColor sliceColour(int k, RandomSource& random);

ChartSlices chartSlices(const RecordList<Expense>& expenses, RandomSource& random);

} // namespace cashvane
