#pragma once

#include "Json.h"
#include "engine/RecalculationResult.h"

// The result of one recalculation as JSON, in the order the pass produces it:
// texts as strings, colours as [red, green, blue] and a tree item's default
// text colour as null. Working the figures out is the engine's business.
namespace cashvane::cli {

Json viewsToJson(const RecalculationResult& result);

} // namespace cashvane::cli
