#include "analysis/table_file.h"

#include "text/line_file.h"

#include <QStringList>

namespace pentad::analysis {

namespace {

QString quotedFields(const Table& table, int row) {
    QString line;
    for (int c = 0; c < table.columnCount(); ++c) {
        if (!table.column(c).visible)
            continue;
        QString field = row < 0 ? table.column(c).heading : table.cell(row, c).text;
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        line += QLatin1Char('"') + field + QStringLiteral("\",");
    }
    return line;
}

} // namespace

QByteArray tableFileBytes(const Table& table) {
    QStringList lines;
    lines.reserve(table.rowCount() + 1);
    for (int row = -1; row < table.rowCount(); ++row)
        lines << quotedFields(table, row);
    return text::joinCrLf(lines);
}

bool saveTableFile(const Table& table, const QString& path, QString* error) {
    return text::writeFileAtomically(path, tableFileBytes(table), error);
}

} // namespace pentad::analysis
