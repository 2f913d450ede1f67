#pragma once

#include "filter/filter_state.h"

#include <QString>
#include <QStringList>

// Filter files (.sfl and the automatic Data/TFilter.aus): GBK, CR LF. The title line, the
// five pad texts, the three radio pairs, then per group box in numeric order its ticked
// boxes, every field's text and every combo's index.
namespace pentad::filter {

QStringList filterFileLines(const FilterState& state);

// Applies the lines of a filter file. Lines 2-6 are the pads; later lines are name:value,
// with txt/chk/rdo/cmb in the name saying what to set. Unknown names, lines without ":",
// combo indexes outside the list and values longer than any field holds are ignored.
// Fewer than six lines: nothing changes and the result is false.
bool applyFilterFileLines(FilterState& state, const QStringList& lines);

// The longest value a line may carry (a forced list of all 100,000 numbers fits).
inline constexpr int kMaxFilterValueLength = 1 << 20;

// Writes the file atomically.
bool saveFilterFile(const QString& path, const FilterState& state, QString* error);

// Reads and applies a file. A file that cannot be read, is not GBK text or is not a filter
// file leaves the state as it was, and `error` says why.
bool openFilterFile(const QString& path, FilterState& state, QString* error);

} // namespace pentad::filter
