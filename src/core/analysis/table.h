#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A report table as a plain value: what every report builder returns and every grid, file
// and printout reads.
namespace pentad::analysis {

// An RGB colour (0xRRGGBB); absent means the view's default.
using Rgb = std::uint32_t;

struct Cell {
    QString text;
    std::optional<Rgb> background;
    std::optional<Rgb> foreground;
    bool bold = false;
};

struct Column {
    Column(QString heading = {}, int width = 64, std::optional<Rgb> background = {},
           bool visible = true)
        : heading(std::move(heading)), width(width), background(background), visible(visible) {}

    QString heading;
    int width = 64; // pixels
    std::optional<Rgb> background;
    bool visible = true;
};

class Table {
public:
    Table() = default;
    explicit Table(std::vector<Column> columns) : columns_(std::move(columns)) {}

    int columnCount() const { return static_cast<int>(columns_.size()); }
    int rowCount() const { return static_cast<int>(rows_.size()); }

    const Column& column(int c) const { return columns_[static_cast<std::size_t>(c)]; }
    Column& column(int c) { return columns_[static_cast<std::size_t>(c)]; }

    // Adds an empty row and returns its index.
    int addRow();
    void resizeRows(int rows);
    void removeRow(int row);

    const Cell& cell(int row, int c) const {
        return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
    }
    Cell& cell(int row, int c) {
        return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
    }
    void setText(int row, int c, const QString& text) { cell(row, c).text = text; }

private:
    std::vector<Column> columns_;
    std::vector<std::vector<Cell>> rows_;
};

// The column width that fits a heading, by its length in GBK bytes (a Chinese character
// counts two): 3 -> 26, 4 -> 33, ..., 12 -> 85; other lengths give nothing (width unchanged).
std::optional<int> widthForHeading(const QString& heading);
void FitColumnToHeading(Table& table, int column);

} // namespace pentad::analysis
