#include "filter/filter_state.h"

namespace pentad::filter {

QString FilterState::text(const QString& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? QString() : it->second.text;
}

bool FilterState::checked(const QString& name) const {
    const auto it = controls_.find(name);
    return it != controls_.end() && it->second.checked;
}

int FilterState::index(const QString& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? 0 : it->second.index;
}

} // namespace pentad::filter
