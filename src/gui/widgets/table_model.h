#pragma once

#include "analysis/table.h"

#include <QAbstractTableModel>

// Shows any report table: texts, colours, bold cells, headings; hidden columns are left to
// the view (see applyColumns).
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableModel(QObject* parent = nullptr);

    void setTable(pentad::analysis::Table table);
    const pentad::analysis::Table& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    pentad::analysis::Table table_;
};

class QTableView;
// Column visibility and widths of the model's table onto a view (widened where the view's
// font needs more room).
void applyColumns(QTableView* view, const pentad::analysis::Table& table);
