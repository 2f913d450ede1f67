#include "analysis/table.h"

#include "text/gbk.h"

namespace pentad::analysis {

int Table::addRow() {
    rows_.emplace_back(columns_.size());
    return rowCount() - 1;
}

void Table::resizeRows(int rows) { rows_.resize(static_cast<std::size_t>(rows), std::vector<Cell>(columns_.size())); }

void Table::removeRow(int row) {
    if (row >= 0 && row < rowCount())
        rows_.erase(rows_.begin() + row);
}

std::optional<int> widthForHeading(const QString& heading) {
    static constexpr int kWidths[] = {26, 33, 40, 42, 48, 54, 60, 74, 80, 85}; // 3 .. 12 bytes
    const qsizetype bytes = text::gbkLength(heading);
    if (bytes < 3 || bytes > 12)
        return std::nullopt;
    return kWidths[bytes - 3];
}

void FitColumnToHeading(Table& table, int column) {
    if (const auto width = widthForHeading(table.column(column).heading))
        table.column(column).width = *width;
}

} // namespace pentad::analysis
