#pragma once

#include "store/draw.h"

#include <QString>

#include <optional>
#include <vector>

// Reading draws from text and CSV files of the common layouts:
//   period,d1,d2,d3,d4,d5      period,date,12345      period 1 2 3 4 5      period 12345
// Fields may be separated by commas, semicolons, tabs or blanks and may be quoted; a
// five-digit period such as 13201 means 2013201; a first line of column names is skipped.
namespace pentad::store {

class DrawStore;

struct RejectedLine {
    int line = 0; // from 1
    QString reason;
};

struct ParsedDraws {
    std::vector<Draw> draws;            // in file order, each period once
    std::vector<RejectedLine> rejected; // malformed lines and conflicting repeats
    int repeats = 0;                    // lines repeating an earlier line of the file exactly
};

ParsedDraws parseDraws(const QString& text);

struct ImportReport {
    int added = 0;
    int skipped = 0; // already stored, or repeated within the file
    std::vector<RejectedLine> rejected;
};

// Decodes the file (UTF-8 when valid, else GBK), parses it and adds the new draws in one
// transaction. Returns nothing and sets `error` when the file cannot be read or the store
// refuses the write; the store is then unchanged.
std::optional<ImportReport> importDrawFile(DrawStore& store, const QString& path, QString* error);
std::optional<ImportReport> importDrawText(DrawStore& store, const QString& text, QString* error);

// "新增 N 期，跳过 M 期，拒绝 K 行" followed by the first rejected lines.
QString describeImport(const ImportReport& report, int maxListed = 10);

} // namespace pentad::store
