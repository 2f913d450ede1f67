#include "filter/catalogue.h"

#include <algorithm>

namespace pentad::filter {

QStringList ConditionSpec::dependents() const {
    QStringList names;
    for (const ControlSpec& c : controls)
        if (c.name != enableBox)
            names << c.name;
    if (!button.isEmpty() && !enableBox.isEmpty())
        names << button;
    return names;
}

const ControlSpec* ConditionSpec::control(const QString& name) const {
    const auto it = std::find_if(controls.begin(), controls.end(), [&](const ControlSpec& c) { return c.name == name; });
    return it == controls.end() ? nullptr : &*it;
}

Catalogue::Catalogue() {
    for (auto pages : {pagesOneToThree(), pagesFourToSeven(), pagesEightToTen()})
        for (GroupBoxSpec& g : pages) {
            pageOrder_.push_back(g.name);
            groups_.push_back(std::move(g));
        }
    const auto number = [](const GroupBoxSpec& g) { return g.name.mid(QStringLiteral("RzGroupBox").size()).toInt(); };
    std::sort(groups_.begin(), groups_.end(), [&](const auto& a, const auto& b) { return number(a) < number(b); });
    for (const GroupBoxSpec& g : groups_)
        for (const ConditionSpec& c : g.conditions) {
            for (const ControlSpec& control : c.controls)
                index_.insert(control.name, {&c, &control});
            if (!c.button.isEmpty())
                index_.insert(c.button, {&c, nullptr});
        }
}

const Catalogue& Catalogue::instance() {
    static const Catalogue catalogue;
    return catalogue;
}

std::vector<const GroupBoxSpec*> Catalogue::page(int page) const {
    std::vector<const GroupBoxSpec*> boxes;
    for (const QString& name : pageOrder_)
        for (const GroupBoxSpec& g : groups_)
            if (g.name == name && g.page == page)
                boxes.push_back(&g);
    return boxes;
}

const ConditionSpec* Catalogue::conditionOf(const QString& controlName) const {
    return index_.value(controlName).condition;
}

const ControlSpec* Catalogue::control(const QString& name) const { return index_.value(name).control; }


QString pageCaption(int page) { return QStringLiteral("过滤") + QString::number(page); }

} // namespace pentad::filter
