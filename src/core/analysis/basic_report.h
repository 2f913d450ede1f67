#pragma once

#include "analysis/table.h"
#include "store/draw_store.h"
#include "store/period_range.h"

#include <array>
#include <optional>

// The eighteen reports of the basic analysis: one row per shown draw with the period, the five
// digits and up to ten attribute columns.
namespace pentad::analysis {

inline constexpr int kBasicViewCodes[] = {47, 48, 49, 50, 51, 52, 53, 54, 56,
                                          57, 60, 61, 62, 63, 64, 65, 66, 67};
bool isBasicViewCode(int code);
// Reports over all five positions (the position boxes are disabled for them).
bool usesAllPositions(int code);
// The page of the report's radio button: 2 for report 67, 1 for the others.
int basicReportPage(int code);

struct BasicOptions {
    int code = 47;
    int step = 1;                           // every step-th draw, 1..20
    std::array<bool, 5> ticked{true, true, true, true, true}; // 万 千 百 十 个
};

// The ticked positions as position numbers, "1" 万 .. "5" 个: all ticked gives "12345".
QString tickedPositionsText(const std::array<bool, 5>& ticked);

// Builds the report over the range of the store. Returns nothing with `message` set when a
// report over the ticked positions has fewer than two of them.
std::optional<Table> buildBasicReport(const store::DrawStore& store, const store::PeriodRange& range,
                                      const BasicOptions& options, QString* message);

// The texts of consecutive and repeated digit values: 1,2|5,6 and 1,1|3,3,3.
QString consecutiveText(const std::vector<int>& digits);
QString repeatText(const std::vector<int>& digits);
int consecutiveRuns(const std::vector<int>& digits);

} // namespace pentad::analysis
