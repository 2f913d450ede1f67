#include "filter/filter_state.h"

#include "filter/catalogue.h"
#include "filter/position_pads.h"

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

FilterState defaultFilterState() {
    FilterState state;
    state.pads.fill(kAllDigits);
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& c : g.conditions)
            for (const ControlSpec& control : c.controls) {
                if (control.kind == ControlKind::Edit)
                    state.setText(control.name, control.defaultText);
                else if (control.kind == ControlKind::Combo)
                    state.setIndex(control.name, control.defaultIndex);
                else
                    state.setChecked(control.name, control.defaultChecked);
            }
    return state;
}

void resetFilter(FilterState& state) {
    state.pads.fill(kAllDigits);
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes()) {
        if (g.name == QStringLiteral("RzGroupBox22"))
            continue;
        for (const ConditionSpec& c : g.conditions)
            for (const ControlSpec& control : c.controls)
                if (control.kind == ControlKind::CheckBox)
                    state.setChecked(control.name, false);
    }
}

void selectRadio(FilterState& state, const QString& name) {
    state.setChecked(name, true);
    if (name.endsWith(u'1') || name.endsWith(u'2')) {
        QString partner = name;
        partner.back() = name.endsWith(u'1') ? u'2' : u'1';
        state.setChecked(partner, false);
    }
}

QString cleanPadText(const QString& text) {
    QString clean;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9' && !clean.contains(c))
            clean += c;
    return clean;
}

} // namespace pentad::filter
