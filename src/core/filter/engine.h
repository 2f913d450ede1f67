#pragma once

#include "attributes/digit_classes.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The filter run: the candidate space of the pads (optionally limited to earlier results),
// every check on every candidate, then the failure vote that orders the survivors.
namespace pentad::filter {

// One vote unit: a condition, or one entry of a tolerant entry list.
struct Check {
    std::function<bool(const attr::Digits&)> passes;
    bool tolerant = false;
};

struct FilterPlan {
    std::array<QString, 5> pads;
    std::optional<std::vector<int>> resultLimit;  // 根据结果: only these numbers are candidates
    std::function<bool(const attr::Digits&)> keep; // 必出号: kept without failures
    std::function<bool(const attr::Digits&)> kill; // 必杀号: removed
    std::vector<Check> checks;                     // in evaluation order
    bool voteOn = false;                           // 容错总数
    int voteMin = 0;
    int voteMax = 0;
};

struct FilterResult {
    int number = 0;
    int failures = 0; // tolerated failures

    friend bool operator==(const FilterResult&, const FilterResult&) = default;
};

// Percentages as the run advances: 1, 3, 5, then 5..91 through the candidates, 86, 90.
// Returning false cancels the run.
using FilterProgress = std::function<bool(int percent)>;

struct FilterRun {
    std::vector<FilterResult> results; // by tolerated failures, then by number
    bool cancelled = false;
};

FilterRun runFilter(const FilterPlan& plan, const FilterProgress& progress = {});

// The shading index of a result with f tolerated failures: 0 (white) for none, else min(f, 10).
int failureShade(int failures);

} // namespace pentad::filter
