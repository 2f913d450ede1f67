#pragma once

#include "store/draw.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace pentad::store {

enum class Order { NewestFirst, OldestFirst };

// The history of draws: an SQLite file with the table Lottery5, held in memory newest first.
// Every statement binds its values; writes run in one transaction each.
class DrawStore {
public:
    DrawStore();
    ~DrawStore();
    DrawStore(const DrawStore&) = delete;
    DrawStore& operator=(const DrawStore&) = delete;

    // Opens the file, creating it (and the table) when it is missing or empty. A file that
    // is not a database, or a database without our table, is refused and left untouched.
    bool open(const QString& path, QString* error);
    void close();
    bool isOpen() const { return open_; }
    const QString& path() const { return path_; }

    // Rereads every draw from the file.
    bool reload(QString* error = nullptr);

    const std::vector<Draw>& newestFirst() const { return draws_; }
    bool isEmpty() const { return draws_.empty(); }
    std::optional<int> newestPeriod() const;
    // Every stored period as seven-digit text, oldest first (the lists of the range selectors).
    QStringList periodTextsOldestFirst() const;
    bool contains(int period) const { return indexOf(period).has_value(); }

    // Draws with from <= period <= to, in the order asked for.
    std::vector<Draw> range(int from, int to, Order order) const;
    // The newest n draws (fewer when the store holds fewer), newest first.
    std::span<const Draw> newest(std::size_t n) const;
    // Position of a period in the newest-first list.
    std::optional<std::size_t> indexOf(int period) const;
    // Up to n draws older than `period`, newest first (empty when the period is not stored).
    std::span<const Draw> olderThan(int period, std::size_t n) const;

    // Adds draws whose periods are not stored yet, in one transaction; all or nothing.
    bool insert(const std::vector<Draw>& draws, QString* error);

private:
    bool ensureSchema(QString* error);

    QString connection_;
    QString path_;
    bool open_ = false;
    std::vector<Draw> draws_; // newest first
};

} // namespace pentad::store
