#include "filter/result_model.h"

#include "filter/result_file.h"

#include <QColor>

using namespace pentad::filter;

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultModel::setResults(std::vector<FilterResult> results) {
    beginResetModel();
    results_ = std::move(results);
    endResetModel();
}

void ResultModel::setBets(const std::vector<int>& bets) {
    std::vector<FilterResult> results;
    results.reserve(bets.size());
    for (int bet : bets)
        results.push_back({bet, 0});
    setResults(std::move(results));
}

void ResultModel::removeBet(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    results_.erase(results_.begin() + row);
    endRemoveRows();
    // The row numbers below it change.
    if (row < rowCount())
        Q_EMIT dataChanged(index(row, 0), index(rowCount() - 1, 0));
}

std::vector<int> ResultModel::bets() const {
    std::vector<int> bets;
    bets.reserve(results_.size());
    for (const FilterResult& r : results_)
        bets.push_back(r.number);
    return bets;
}

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(results_.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FilterResult& r = results_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? QVariant(index.row() + 1) : QVariant(betText(r.number));
    case Qt::BackgroundRole:
        return index.column() == 1 ? QVariant(shade(r.failures)) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("序号") : QStringLiteral("号码");
}

QColor ResultModel::shade(int failures) {
    static const std::array<QColor, 11> kShades = {
        QColor(255, 255, 255), QColor(238, 238, 255), QColor(221, 221, 255), QColor(204, 204, 255),
        QColor(187, 187, 255), QColor(170, 170, 255), QColor(153, 153, 255), QColor(136, 136, 255),
        QColor(119, 119, 255), QColor(96, 96, 255),   QColor(68, 68, 255)};
    return kShades[static_cast<std::size_t>(failureShade(failures))];
}
