#include "filter/catalogue_rows.h"

#include <algorithm>

namespace pentad::filter::rows {

namespace {
const QString kDialogButtonCaption = QStringLiteral("设置");
}

ControlSpec box(const QString& name, const QString& caption, int value) {
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::CheckBox;
    c.caption = caption;
    c.value = value;
    return c;
}

ControlSpec edit(const QString& name, const QString& caption, KeyRule keys, const QString& defaultText,
                 int maxLength) {
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::Edit;
    c.caption = caption;
    c.keys = keys;
    c.defaultText = defaultText;
    c.maxLength = maxLength;
    return c;
}

QStringList numberTexts(const std::vector<int>& values) {
    QStringList texts;
    for (int v : values)
        texts << QString::number(v);
    return texts;
}

ControlSpec numberCombo(const QString& name, const std::vector<int>& values, int selected) {
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::Combo;
    c.items = numberTexts(values);
    const auto it = std::find(values.begin(), values.end(), selected);
    c.defaultIndex = it == values.end() ? 0 : static_cast<int>(it - values.begin());
    return c;
}

std::vector<int> range(int from, int to, int step) {
    std::vector<int> values;
    for (int v = from; v <= to; v += step)
        values.push_back(v);
    return values;
}

std::vector<int> joined(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Row::Row(const QString& caption, const QString& stem, Syntax syntax) : stem_(stem) {
    spec_.caption = caption;
    spec_.syntax = syntax;
    spec_.enableBox = QStringLiteral("chkS") + stem;
    spec_.toleranceBox = spec_.enableBox + QStringLiteral("Wrong");
}

Row& Row::tolerance(const QString& name) {
    spec_.toleranceBox = name;
    return *this;
}

Row& Row::enableBox(const QString& name) {
    spec_.enableBox = name;
    return *this;
}

Row& Row::tickedAtStart() {
    enableTicked_ = true;
    return *this;
}

Row& Row::field(KeyRule keys) {
    spec_.valueField = QStringLiteral("txtS") + stem_;
    field_ = edit(spec_.valueField, {}, keys);
    return *this;
}

Row& Row::dialog(const QString& className, int kind) {
    spec_.button = QStringLiteral("cmdS") + stem_;
    spec_.buttonCaption = kDialogButtonCaption;
    spec_.dialog = className;
    spec_.dialogKind = kind;
    return *this;
}

Row& Row::button(const QString& name, const QString& caption) {
    spec_.button = name;
    spec_.buttonCaption = caption;
    return *this;
}

Row& Row::boxes(const QString& prefix, const std::vector<int>& values) {
    for (int v : values)
        extras_.push_back(box(prefix + QString::number(v), QString::number(v), v));
    return *this;
}

Row& Row::namedBoxes(const QString& prefix, const std::vector<std::pair<int, QString>>& values) {
    for (const auto& [v, caption] : values)
        extras_.push_back(box(prefix + QString::number(v), caption, v));
    return *this;
}

Row& Row::positionBoxes(const QString& prefix) {
    return namedBoxes(prefix, {{1, QStringLiteral("万")}, {2, QStringLiteral("千")}, {3, QStringLiteral("百")},
                               {4, QStringLiteral("十")}, {5, QStringLiteral("个")}});
}

Row& Row::radios(const QString& first, const QString& second, int firstClass) {
    ControlSpec one;
    one.kind = ControlKind::Radio;
    one.name = QStringLiteral("rdoS") + stem_ + QStringLiteral("1");
    one.caption = first;
    one.defaultChecked = true;
    ControlSpec two = one;
    two.name = QStringLiteral("rdoS") + stem_ + QStringLiteral("2");
    two.caption = second;
    two.defaultChecked = false;
    extras_.push_back(one);
    extras_.push_back(two);
    spec_.param = firstClass;
    return *this;
}

Row& Row::control(ControlSpec c) {
    extras_.push_back(std::move(c));
    return *this;
}

Row& Row::positional(Positional p, int param) {
    spec_.positional = p;
    spec_.param = param;
    return *this;
}

Row& Row::pattern(attr::PatternFamily k) {
    spec_.pattern = k;
    return *this;
}

Row& Row::column(Column c) {
    spec_.column = c;
    return *this;
}

Row& Row::relation(Relation r) {
    spec_.relation = r;
    return *this;
}

Row& Row::param(int p) {
    spec_.param = p;
    return *this;
}

Row::operator ConditionSpec() const {
    ConditionSpec c = spec_;
    if (!c.enableBox.isEmpty()) {
        c.controls.push_back(box(c.enableBox, c.caption));
        c.controls.back().defaultChecked = enableTicked_;
        if (!c.toleranceBox.isEmpty())
            c.controls.push_back(box(c.toleranceBox, QStringLiteral("容错")));
    }
    if (field_)
        c.controls.push_back(*field_);
    c.controls.insert(c.controls.end(), extras_.begin(), extras_.end());
    return c;
}

GroupBoxSpec group(int number, const QString& caption, int page, std::vector<ConditionSpec> rows) {
    return {QStringLiteral("RzGroupBox") + QString::number(number), caption, page, std::move(rows)};
}

} // namespace pentad::filter::rows
