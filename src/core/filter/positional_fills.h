#pragma once

#include "filter/catalogue.h"
#include "filter/engine.h"

// The checks of entry lists: a measure or class pattern over each entry's positions, or a
// sum over a digit set, for every entry (AND). An empty list passes every number.
namespace pentad::filter {

Fill entryListFill(Positional measure, int divisor, const QString& text);
Fill patternListFill(attr::PatternFamily family, const QString& text);
Fill digitEntryListFill(const QString& text);

} // namespace pentad::filter
