#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Result files: the bets of the result grid saved as a plain list or a report, and bets read
// back from any text file.
namespace pentad::filter {

// Every maximal run of exactly five digits, as a set listed ascending.
std::vector<int> betsInText(QByteArrayView bytes);

// Opening accepts only names containing ".txt", ".TXT" or ".Txt".
bool isOpenableResultName(const QString& path);

// Reads the bets of a file; nothing, with `error` set, when it cannot be read.
std::optional<std::vector<int>> readResultFile(const QString& path, QString* error);

// The plain layout is written when the upper-cased name contains ".TXT", else the report.
bool usesPlainLayout(const QString& path);

// The lines of either layout; `period` and `savedAt` head and close the report.
QStringList resultFileLines(const std::vector<int>& bets, bool plain, const QString& period, const QDateTime& savedAt);

// Writes the file (GBK, CR LF) atomically in the layout its name chooses.
bool saveResultFile(const QString& path, const std::vector<int>& bets, const QString& period,
                    const QDateTime& savedAt, QString* error);

// 随机生成: `count` numbers drawn independently and uniformly from 0..99999 (they may repeat).
std::vector<int> randomBets(int count);

// A bet as its five characters.
QString betText(int bet);

} // namespace pentad::filter
