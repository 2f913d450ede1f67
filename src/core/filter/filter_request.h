#pragma once

#include "filter/engine.h"
#include "filter/filter_state.h"

#include <QString>

#include <vector>

// One press of "投注": the filter state, the 根据结果 mode with the listed results, and the
// latest draws for the history rows. The checks that refuse a run come first.
namespace pentad::filter {

// History rows look back at most this many draws.
inline constexpr int kMaxHistoryWindow = 650;

struct FilterRequest {
    FilterState state;
    bool byResults = false;          // 根据结果
    std::vector<int> results;        // the numbers listed now
    std::vector<attr::Digits> draws; // the latest draws, latest first (at most 650 are read)
};

// The message that refuses the run, or an empty text when it may start.
QString refusalOf(const FilterRequest& request);

struct FilterOutcome {
    QString refusal; // set when the run did not start
    FilterRun run;
};

FilterOutcome runFilterRequest(const FilterRequest& request, const FilterProgress& progress = {});

} // namespace pentad::filter
