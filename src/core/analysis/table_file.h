#pragma once

#include "analysis/table.h"

#include <QByteArray>

// Tables saved as comma-separated text: GBK, CR LF, a line of the visible headings, then one
// line per row; every field quoted (quotes doubled) and followed by a comma.
namespace pentad::analysis {

QByteArray tableFileBytes(const Table& table);

// Writes the file atomically; false with the reason in `error` when it fails.
bool saveTableFile(const Table& table, const QString& path, QString* error);

} // namespace pentad::analysis
