#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// TfrmDMSet (更多数字): rules of a digit list, the occurrence counts allowed for it and a
// tolerance mark, "1,3,5|12;0|0-W;", at most 15 of them.
namespace pentad::dialogs {

class BankerDigitsModel {
public:
    static constexpr int kMaxEntries = 15;

    void open(const QString& fieldText); // entries as the other dialogs split them
    QString fieldText() const;
    const QStringList& entries() const { return entries_; }

    // The inputs.
    QString digits;
    std::array<bool, 6> counts{};
    bool tolerant = false;

    // The typing rule of the digit field: digits and "," alternate, starting with a digit.
    static bool acceptsKey(const QString& current, QChar key);

    // The refusal, or an empty text when done (the inputs are then cleared).
    QString add();
    QString modify(int index);
    void pick(int index); // loads the inputs from an entry
    void removeEntry(int index);
    void clearEntries() { entries_.clear(); }

private:
    QString entryRefusal() const;
    QString entry() const;
    void clearInputs();

    QStringList entries_;
};

} // namespace pentad::dialogs
