#pragma once

#include "filter/engine.h"
#include "filter/filter_state.h"

#include <vector>

// Turns the enabled rows of the catalogue in a filter state into the engine's plan, each
// value text parsed once. History rows look at the first draws of `newestDraws` (latest
// first), as many as their window; fewer when fewer are given.
namespace pentad::filter {

FilterPlan compileFilter(const FilterState& state, const std::vector<attr::Digits>& newestDraws = {});

// The checks of the enabled rows (without 必出号 / 必杀号 and the vote).
std::vector<Check> compileChecks(const FilterState& state, const std::vector<attr::Digits>& newestDraws = {});

// The value of a combo's selected item (a window or a vote limit); an index outside the
// list reads as the nearest item.
int comboValue(const FilterState& state, const QString& comboName);

} // namespace pentad::filter
