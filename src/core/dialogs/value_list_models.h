#pragma once

#include "dialogs/entry_dialog_model.h"

#include <array>

// The models of the five dialogs whose entries name positions, digits or a divisor and the
// values allowed for them: TfrmSum, TfrmJO, TfrmMWC, TfrmADSum and TfrmTSH.
namespace pentad::dialogs {

// The five position boxes chkSNo5 (万) .. chkSNo1 (个) and the head they make.
class PositionEntryModel : public EntryDialogModel {
public:
    // Code 5 is 万 .. 1 is 个. Changing the ticks rebuilds the checklist.
    bool ticked(int code) const { return ticked_[static_cast<std::size_t>(code - 1)]; }
    void setTicked(int code, bool on);
    int tickedCount() const;
    // The ticked codes in the order 5, 4, 3, 2, 1.
    QString positionString() const;

protected:
    QString entryText(const QStringList& checkedValues) const override;
    QString takeHead(const QString& entry) override;
    void resetHead() override { tickOnly(QStringLiteral("54321")); }
    void afterEntryMade() override;
    QString headRefusal() const override;
    // Ticks exactly the codes of the text (rebuilding the checklist).
    void tickOnly(const QString& codes);

private:
    std::array<bool, 5> ticked_{};
};

// TfrmSum: kinds 1..16 (和值 .. 质数个数).
class SumDialogModel : public PositionEntryModel {
public:
    explicit SumDialogModel(int kind) : kind_(kind) {}
    static QString caption(int kind);
    static QString field(int kind);

protected:
    QStringList offeredValues() const override;

private:
    int kind_;
};

// TfrmJO: type patterns, kinds 1 奇偶, 2 大小, 3 质合, 4 单选012路.
class PatternDialogModel : public PositionEntryModel {
public:
    explicit PatternDialogModel(int kind) : kind_(kind) {}
    static QString caption(int kind);
    static QString field(int kind);

protected:
    QStringList offeredValues() const override;

private:
    int kind_;
};

// TfrmMWC: exactly two positions; kind 1 更多位差 (0..9), kind 2 更多2码 (00..99).
class TwoPositionDialogModel : public PositionEntryModel {
public:
    explicit TwoPositionDialogModel(int kind) : kind_(kind) {}
    static QString caption(int kind);
    static QString field(int kind);

protected:
    QStringList offeredValues() const override;
    QString headRefusal() const override;
    void resetHead() override { tickOnly(QStringLiteral("54")); }
    void afterEntryMade() override {}

private:
    int kind_;
};

// TfrmADSum: the digits whose sum counts (自定义数和).
class DigitSumDialogModel : public EntryDialogModel {
public:
    bool chosen(int digit) const { return chosen_[static_cast<std::size_t>(digit)]; }
    void toggle(int digit);

protected:
    QStringList offeredValues() const override;
    QString headRefusal() const override;
    QString entryText(const QStringList& checkedValues) const override;
    QString takeHead(const QString& entry) override;
    void resetHead() override { chooseAll(); }
    void afterEntryMade() override { chooseAll(); }

private:
    void chooseAll();
    std::array<bool, 10> chosen_{};
};

// TfrmTSH: remainders of the whole number by 7, 9, 11, 13, 17, 19 or 23, with "容错".
class RemainderDialogModel : public EntryDialogModel {
public:
    static const QStringList& divisorNames(); // "除7余数" .. "除23余数"
    // The chosen divisor's index in divisorNames(), none after picking an unknown code.
    std::optional<int> divisor() const { return divisor_; }
    void chooseDivisor(int index);
    bool tolerant() const { return tolerant_; }
    void setTolerant(bool on) { tolerant_ = on; }

protected:
    QStringList offeredValues() const override;
    QString headRefusal() const override { return {}; }
    QString entryText(const QStringList& checkedValues) const override;
    QString takeHead(const QString& entry) override;
    void resetHead() override { chooseDivisor(6); }
    void afterEntryMade() override;

private:
    std::optional<int> divisor_;
    bool tolerant_ = false;
};

} // namespace pentad::dialogs
