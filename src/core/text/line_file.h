#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Line-oriented text files in the program's file format: GBK, CR LF line ends.
namespace pentad::text {

struct ReadLinesResult {
    QStringList lines;    // without line ends; a final empty line is not reported
    bool valid = true; // false when the bytes were neither GBK nor UTF-8 (they read as U+FFFD)
};

// Reads a GBK (or UTF-8) file, splitting at CR LF, LF or a lone CR. Returns nothing and sets `error`
// when the file cannot be read.
std::optional<ReadLinesResult> readGbkLines(const QString& path, QString* error = nullptr);

// Joins lines with CR LF (each line ends with CR LF).
QByteArray joinCrLf(const QStringList& lines);

// Writes bytes atomically: a temporary file is renamed into place, so a failure never
// leaves a half-written file instead of the old one. Creates the folder when missing.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Writes lines as GBK with CR LF, atomically.
bool writeGbkLines(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace pentad::text
