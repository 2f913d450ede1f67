#pragma once

#include "filter/engine.h"
#include "filter/filter_state.h"

#include <vector>

// Turns the enabled conditions of a filter state into the engine's checks, each value text
// parsed once. Covers the conditions of the pages 过滤1 to 过滤3.
namespace pentad::filter {

std::vector<Check> compileChecks(const FilterState& state);

} // namespace pentad::filter
