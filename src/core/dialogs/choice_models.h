#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The setting dialogs whose field is a plain comma-separated list: TfrmWX (values),
// TfrmSDZX (group count patterns) and Tfrm012 (single-selection class patterns).
namespace pentad::dialogs {

// A checklist of a fixed vocabulary: opening ticks every item present in the field text as a
// whole item; 确定 writes the ticked items in list order. Text outside the vocabulary is
// dropped.
class ChoiceListModel {
public:
    explicit ChoiceListModel(QStringList items) : items_(std::move(items)), checked_(items_.size(), false) {}

    void open(const QString& fieldText);
    QString fieldText() const;

    const QStringList& items() const { return items_; }
    bool checked(int i) const { return checked_[static_cast<std::size_t>(i)]; }
    void setChecked(int i, bool on);
    void checkAll();
    void invert();
    void clear();

private:
    QStringList items_;
    std::vector<bool> checked_;
};

// TfrmWX: the values of kinds 1-5, 8-10, 12, 17-29 (empty for another kind), and titles.
QStringList valueChoices(int kind);
QString valueChoicesCaption(int kind);

// TfrmSDZX: the 21 count patterns of kinds 4-7, and titles.
QStringList groupChoices(int kind);
QString groupChoicesCaption(int kind);

// Tfrm012: class signs ticked per position, and the list of five-sign items they add.
class PatternProductModel {
public:
    explicit PatternProductModel(int kind);

    static QString caption(int kind);
    // The three signs of the kind in box order (大 中 小, 邻 孤 传, 复 隔 中).
    const std::array<QString, 3>& signs() const { return signs_; }

    void open(const QString& fieldText); // every piece between "," is an item
    QString fieldText() const { return items_.join(u','); }

    bool ticked(int position, int sign) const { return ticked_[static_cast<std::size_t>(position)][static_cast<std::size_t>(sign)]; }
    void setTicked(int position, int sign, bool on);
    void untickAll();

    // 添加: every combination of one ticked sign per position (万 slowest) not yet listed; the
    // refusal when a position has none.
    QString add();
    void removeItem(int index);
    void clearItems() { items_.clear(); }
    const QStringList& items() const { return items_; }

private:
    std::array<QString, 3> signs_;
    std::array<std::array<bool, 3>, 5> ticked_{};
    QStringList items_;
};

} // namespace pentad::dialogs
