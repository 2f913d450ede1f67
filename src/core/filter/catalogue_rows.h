#pragma once

#include "filter/catalogue.h"

#include <optional>
#include <utility>

// Short forms for the rows of the catalogue's page files.
namespace pentad::filter::rows {

ControlSpec box(const QString& name, const QString& caption, int value = 0);
ControlSpec edit(const QString& name, const QString& caption, KeyRule keys = KeyRule::DigitsComma,
                 const QString& defaultText = {}, int maxLength = 0);
// A combo whose items are the decimal values; `selected` names the item selected at start.
ControlSpec numberCombo(const QString& name, const std::vector<int>& values, int selected);
QStringList numberTexts(const std::vector<int>& values);
std::vector<int> range(int from, int to, int step = 1);
std::vector<int> joined(std::vector<int> a, const std::vector<int>& b);

// One row: enable box chkS + stem, tolerance box chkS + stem + "Wrong".
class Row {
public:
    Row(const QString& caption, const QString& stem, Syntax syntax);

    Row& tolerance(const QString& name); // an irregular spelling, or empty for none
    Row& enableBox(const QString& name);
    Row& tickedAtStart(); // the enable box starts ticked
    Row& field(KeyRule keys = KeyRule::DigitsComma); // txtS + stem; a second call changes the rule
    Row& dialog(const QString& className, int kind = 0);
    Row& button(const QString& name, const QString& caption);
    Row& boxes(const QString& prefix, const std::vector<int>& values); // captions are the values
    Row& namedBoxes(const QString& prefix, const std::vector<std::pair<int, QString>>& values);
    Row& positionBoxes(const QString& prefix); // prefix + 1..5 captioned 万 千 百 十 个
    Row& radios(const QString& first, const QString& second, int firstClass);
    Row& control(ControlSpec c);

    Row& positional(Positional p, int param = 0);
    Row& pattern(attr::PatternFamily k);
    Row& column(Column c);
    Row& relation(Relation r);
    Row& param(int p);

    operator ConditionSpec() const; // NOLINT: rows are written as plain values in the tables

private:
    ConditionSpec spec_;
    QString stem_;
    std::optional<ControlSpec> field_;
    bool enableTicked_ = false;
    std::vector<ControlSpec> extras_;
};

GroupBoxSpec group(int number, const QString& caption, int page, std::vector<ConditionSpec> rows);

} // namespace pentad::filter::rows
