#pragma once

#include "filter/catalogue.h"
#include "filter/engine.h"

#include <vector>

// The checks of the history rows. Instead of comparing every number with every draw of the
// window, the draws mark what they relate to (a key such as the route pattern, or the
// numbers themselves for the positional matches) and each number looks its key up.
namespace pentad::filter {

// Passes the numbers that have the relation with none of the draws.
Fill historyFill(Relation relation, std::vector<attr::Digits> window);

} // namespace pentad::filter
