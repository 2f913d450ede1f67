#pragma once

#include "filter/engine.h"
#include "filter/filter_state.h"
#include "store/draw.h"

#include <QString>

#include <span>
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

// The digits of the latest draws a run reads (the store's newest-first list, cut to 650).
std::vector<attr::Digits> historyOf(std::span<const store::Draw> newestFirst);

// The message that refuses the run, or an empty text when it may start.
QString refusalOf(const FilterRequest& request);

struct FilterOutcome {
    QString refusal; // set when the run did not start
    FilterRun run;
};

FilterOutcome runFilterRequest(const FilterRequest& request, const FilterProgress& progress = {});

} // namespace pentad::filter
