#pragma once

#include "filter/engine.h"

#include <QAbstractTableModel>

#include <vector>

// The result grid: "序号" and "号码", the number cell shaded by the bet's tolerated failures.
// Bets opened from a file or picked at random have no failures and stay white; a bet keeps
// its shade when rows above it are deleted.
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultModel(QObject* parent = nullptr);

    void setResults(std::vector<pentad::filter::FilterResult> results);
    void setBets(const std::vector<int>& bets); // no failures
    void removeBet(int row);

    const std::vector<pentad::filter::FilterResult>& results() const { return results_; }
    std::vector<int> bets() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The eleven shades by failure count (index 0 is white).
    static QColor shade(int failures);

private:
    std::vector<pentad::filter::FilterResult> results_;
};
