#include "widgets/table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

using pentad::analysis::Table;

TableModel::TableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TableModel::setTable(Table table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.rowCount() || index.column() >= table_.columnCount())
        return {};
    const auto& cell = table_.cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::BackgroundRole: {
        const auto rgb = cell.background ? cell.background : table_.column(index.column()).background;
        return rgb ? QVariant(QBrush(QColor::fromRgb(*rgb))) : QVariant();
    }
    case Qt::ForegroundRole:
        return cell.foreground ? QVariant(QBrush(QColor::fromRgb(*cell.foreground))) : QVariant();
    case Qt::FontRole:
        if (cell.bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < table_.columnCount() ? QVariant(table_.column(section).heading) : QVariant();
    return section + 1;
}

void applyColumns(QTableView* view, const Table& table) {
    for (int c = 0; c < table.columnCount(); ++c) {
        view->setColumnHidden(c, !table.column(c).visible);
        // The table's width is what files and printouts use; on screen a column never clips
        // its heading or its texts.
        const int fit = std::max(static_cast<const QAbstractItemView*>(view)->sizeHintForColumn(c),
                                 view->horizontalHeader()->sectionSizeHint(c));
        view->setColumnWidth(c, std::max(table.column(c).width, fit));
    }
}
