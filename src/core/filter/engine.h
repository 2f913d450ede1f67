#pragma once

#include "filter/number_tables.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The filter run: the candidate space of the pads (optionally limited to earlier results),
// every check over the whole space, then the failure vote that orders the survivors.
//
// Each check fills a pass table for a block of 1,000 numbers at once and the block's scores
// take it in one sweep, so a run costs a few short sweeps per check instead of a call per
// check and number; a block whose candidates are all rejected skips its remaining checks. The outcome is that of evaluating each candidate check by check: pass +2,
// tolerated failure +1, rejection removes it; 必出号 keeps a candidate with a full score
// before anything else, 必杀号 then removes it.
namespace pentad::filter {

// Fills a block's table with 1 for every number that passes.
using Fill = std::function<void(int block, PassBlock& out)>;

// One vote unit: a condition, or one entry of a tolerant entry list.
struct Check {
    Fill fill;
    bool tolerant = false;
};

struct FilterPlan {
    std::array<QString, 5> pads;
    std::optional<std::vector<int>> resultLimit; // 根据结果: only these numbers are candidates
    Fill keep;                                   // 必出号: kept without failures
    Fill kill;                                   // 必杀号: removed
    std::vector<Check> checks;
    bool voteOn = false; // 容错总数
    int voteMin = 0;
    int voteMax = 0;
};

struct FilterResult {
    int number = 0;
    int failures = 0; // tolerated failures

    friend bool operator==(const FilterResult&, const FilterResult&) = default;
};

// Percentages as the run advances: 1, 3, 5, then up to 90 through the checks. Returning
// false cancels the run.
using FilterProgress = std::function<bool(int percent)>;

struct FilterRun {
    std::vector<FilterResult> results; // by tolerated failures, then by number
    bool cancelled = false;
};

FilterRun runFilter(const FilterPlan& plan, const FilterProgress& progress = {});

// The shading index of a result with f tolerated failures: 0 (white) for none, else min(f, 10).
int failureShade(int failures);

} // namespace pentad::filter
