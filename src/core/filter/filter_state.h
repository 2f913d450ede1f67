#pragma once

#include <QString>

#include <array>
#include <map>

// The state of the filter controls as a plain value: per control name its text, tick and
// selected index, and the five pad texts. The panel reads and writes it, filter files store
// it, the engine compiles it. Controls not in the map read as empty, unticked, index 0.
namespace pentad::filter {

struct ControlValue {
    QString text;
    bool checked = false;
    int index = 0;
};

class FilterState {
public:
    std::array<QString, 5> pads; // 万 千 百 十 个

    QString text(const QString& name) const;
    bool checked(const QString& name) const;
    int index(const QString& name) const;

    void setText(const QString& name, const QString& text) { controls_[name].text = text; }
    void setChecked(const QString& name, bool checked) { controls_[name].checked = checked; }
    void setIndex(const QString& name, int index) { controls_[name].index = index; }

private:
    std::map<QString, ControlValue> controls_;
};

// The state the panel starts with: every pad at all ten digits, the catalogue's default
// texts, ticks and combo selections, the first radio button of each pair selected.
FilterState defaultFilterState();

// 重置过滤: all pads at all ten digits and every check box of the group boxes unticked,
// except those of " 除N余数 "; radios, fields and combos stay as they are.
void resetFilter(FilterState& state);

// Selects a radio button of a pair and clears its partner.
void selectRadio(FilterState& state, const QString& name);

// A pad text as the pad's typing rule leaves it: digits only, each once, in the order given.
QString cleanPadText(const QString& text);

} // namespace pentad::filter
