#pragma once

#include "filter/condition_compiler.h"
#include "filter/filter_state.h"

#include "filter/catalogue.h"

#include <QStringList>
#include <QTest>

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

// Every control of the catalogue.
inline std::vector<const pentad::filter::ControlSpec*> allControls() {
    std::vector<const pentad::filter::ControlSpec*> controls;
    for (const auto& g : pentad::filter::Catalogue::instance().groupBoxes())
        for (const auto& c : g.conditions)
            for (const auto& control : c.controls)
                controls.push_back(&control);
    return controls;
}

// A state in which every control differs from its default: every other box ticked, texts
// named after their fields (as long as the field holds), the last item of every combo, the
// second radio of each pair.
inline pentad::filter::FilterState everyControlChanged() {
    using namespace pentad::filter;
    FilterState s = defaultFilterState();
    s.pads = {"13579", "0", "", "9876543210", "24"};
    int i = 0;
    for (const ControlSpec* c : allControls()) {
        switch (c->kind) {
        case ControlKind::CheckBox: s.setChecked(c->name, i++ % 2 == 0); break;
        case ControlKind::Edit: {
            const QString text = c->name.right(3) + QStringLiteral("|1,2;");
            s.setText(c->name, c->maxLength > 0 ? text.right(c->maxLength) : text);
            break;
        }
        case ControlKind::Combo: s.setIndex(c->name, static_cast<int>(c->items.size()) - 1); break;
        case ControlKind::Radio:
            if (c->name.endsWith(u'2'))
                selectRadio(s, c->name);
            break;
        }
    }
    return s;
}

inline void compareStates(const pentad::filter::FilterState& actual, const pentad::filter::FilterState& expected) {
    QCOMPARE(actual.pads, expected.pads);
    for (const auto* c : allControls()) {
        QVERIFY2(actual.checked(c->name) == expected.checked(c->name), qPrintable(c->name));
        QVERIFY2(actual.text(c->name) == expected.text(c->name), qPrintable(c->name));
        QVERIFY2(actual.index(c->name) == expected.index(c->name), qPrintable(c->name));
    }
}

} // namespace fixture
