#pragma once

#include "filter/condition_compiler.h"
#include "filter/filter_state.h"

#include <QStringList>

// Filter states written as short settings: "chkSSum" ticks, "-chkSSum" unticks, "rdoS..1"
// selects a radio button, "txtSSum=..." sets a text, "cmbS..=3" selects an index.
namespace fixture {

inline pentad::filter::FilterState stateOf(const QStringList& settings) {
    using namespace pentad::filter;
    FilterState state = defaultFilterState();
    for (const QString& s : settings) {
        const qsizetype eq = s.indexOf(u'=');
        const QString name = eq < 0 ? s : s.left(eq);
        const QString value = eq < 0 ? QString() : s.mid(eq + 1);
        if (name.startsWith(u'-'))
            state.setChecked(name.mid(1), false);
        else if (name.startsWith(QStringLiteral("txt")))
            state.setText(name, value);
        else if (name.startsWith(QStringLiteral("cmb")))
            state.setIndex(name, value.toInt());
        else if (name.startsWith(QStringLiteral("rdo")))
            selectRadio(state, name);
        else
            state.setChecked(name, true);
    }
    return state;
}

inline std::vector<pentad::attr::Digits> drawsOf(const std::vector<int>& numbers) {
    std::vector<pentad::attr::Digits> draws;
    for (int n : numbers)
        draws.push_back(pentad::attr::digitsOf(n));
    return draws;
}

} // namespace fixture
