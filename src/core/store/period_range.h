#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The six pairs of period-range selectors: their defaults, the rule that keeps a pair in
// order, and the range a pair's texts stand for.
namespace pentad::store {

enum class RangePair { Basic = 1, Statistics = 2, Advanced = 3, Omission = 4, Cool = 7, Query = 8 };

inline constexpr RangePair kRangePairs[] = {RangePair::Basic,    RangePair::Statistics,
                                            RangePair::Advanced, RangePair::Omission,
                                            RangePair::Cool,     RangePair::Query};

// Indexes into a pair's list (periods oldest first); -1 selects nothing.
struct RangeSelection {
    int start = -1;
    int end = -1;
};

// The fixed default starts: 2013201 for the basic panel, 2013001 for the advanced panel
// (nothing when that period is not stored); the oldest period elsewhere; the newest as end.
RangeSelection defaultSelection(RangePair pair, const QStringList& periodsOldestFirst);

// What a change of one selector does to the other one of its pair.
enum class RangeCorrection { None, EndToLast, StartToFirst };
RangeCorrection correctionAfterStartChange(const QString& start, const QString& end);
RangeCorrection correctionAfterEndChange(const QString& start, const QString& end);

// What follows the range rule: the panel the pair belongs to is rebuilt, the current view
// is refreshed, or nothing happens until the pair's search runs.
enum class RangeFollowUp { RebuildBasicPanel, RefreshCurrentView, RebuildAdvancedPanel, Nothing };
RangeFollowUp followUp(RangePair pair);

struct PeriodRange {
    int from = 0;
    int to = 0;
};

// The range of a pair's two texts, or nothing with a hint for the user when a bound is
// empty or not a period.
std::optional<PeriodRange> rangeFromTexts(const QString& from, const QString& to, QString* hint);

// The status-bar text of the statistics and omission ranges: "F~T 共 N 期".
QString rangeStatusText(const PeriodRange& range, qsizetype drawCount);

// The 50 bet periods after the newest stored one (plain integer steps); over an empty
// store they start at the first period of `currentYear`.
QStringList betPeriods(std::optional<int> newestPeriod, int currentYear);

} // namespace pentad::store
