#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// TfrmLvChu (必出号 / 必杀号) and TfrmPiPei (号码匹配): entries built from five rows of digit
// pads.
namespace pentad::dialogs {

// TfrmLvChu: combination entries "13/*/5/02/79" from pads (ten digits and "*" per row), or
// custom lists of five-digit numbers from the memo.
class KeepKillModel {
public:
    static constexpr int kAnyPad = 10;

    explicit KeepKillModel(int kind = 1) : kind_(kind) {}
    void setKind(int kind) { kind_ = kind; }
    QString title() const;
    QString combinationCaption() const;
    QString customCaption() const;

    // Opening: the entries of the field, combination mode, 修改 off. Pads and memo stay.
    void open(const QString& fieldText);
    QString fieldText() const;
    const QStringList& entries() const { return entries_; }
    bool changeEnabled() const { return picked_.has_value(); }

    bool chosen(int row, int pad) const { return pads_[static_cast<std::size_t>(row)][static_cast<std::size_t>(pad)]; }
    void clickPad(int row, int pad); // a row holds "*" or digits
    bool combinationMode = true;
    QString memo;

    QString add();    // the refusal, or an empty text
    QString change();
    void pick(int index);
    void removeEntry(int index);
    void clearEntries();

    // The memo of a file's text: every five-digit window of its lines (each line followed by
    // ","), once each, ascending, joined by ",".
    static QString memoFromFile(const QStringList& lines);

private:
    std::optional<QString> makeEntry(QString* refusal) const;
    void clearPads();

    int kind_;
    std::array<std::array<bool, 11>, 5> pads_{};
    QStringList entries_;
    std::optional<int> picked_;
};

// TfrmPiPei: five digit groups, the match counts allowed and a tolerance mark,
// "123/45/6/7/89|34-W".
class MatchingModel {
public:
    void open(const QString& fieldText);
    QString fieldText() const;
    const QStringList& entries() const { return entries_; }
    bool changeEnabled() const { return picked_.has_value(); }

    std::array<QString, 5> rows; // the row texts, digits in the order chosen
    std::array<bool, 6> counts{};
    bool tolerant = false;

    QString add();
    QString change();
    void pick(int index);
    void removeEntry(int index);
    void clearEntries();

private:
    std::optional<QString> makeEntry(QString* refusal) const;
    void clearInputs();

    QStringList entries_;
    std::optional<int> picked_;
};

} // namespace pentad::dialogs
