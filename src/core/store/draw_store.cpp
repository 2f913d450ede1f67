#include "store/draw_store.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace pentad::store {

namespace {

QString nextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("pentad-draws-%1").arg(counter.fetchAndAddRelaxed(1));
}

const QStringList kColumns = {QStringLiteral("ItemNo"), QStringLiteral("WNo"),
                              QStringLiteral("QNo"),    QStringLiteral("BNo"),
                              QStringLiteral("SNo"),    QStringLiteral("GNo")};

const char* const kCreateTable = R"(CREATE TABLE Lottery5 (
    ItemNo INTEGER PRIMARY KEY CHECK (ItemNo BETWEEN 1000000 AND 9999999),
    WNo INTEGER NOT NULL CHECK (WNo BETWEEN 0 AND 9),
    QNo INTEGER NOT NULL CHECK (QNo BETWEEN 0 AND 9),
    BNo INTEGER NOT NULL CHECK (BNo BETWEEN 0 AND 9),
    SNo INTEGER NOT NULL CHECK (SNo BETWEEN 0 AND 9),
    GNo INTEGER NOT NULL CHECK (GNo BETWEEN 0 AND 9)))";

QString describe(const QString& path, const QString& what) {
    return QStringLiteral("无法打开开奖数据文件 %1：%2").arg(QDir::toNativeSeparators(path), what);
}

} // namespace

DrawStore::DrawStore() : connection_(nextConnectionName()) {}

DrawStore::~DrawStore() { close(); }

void DrawStore::close() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
    draws_.clear();
}

bool DrawStore::open(const QString& path, QString* error) {
    close();
    path_ = path;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = describe(path, QStringLiteral("这不是一个文件。"));
        return false;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = describe(path, QStringLiteral("无法创建所在的文件夹。"));
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            if (error)
                *error = describe(path, db.lastError().text());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection_);
            return false;
        }
    }
    open_ = true;
    if (!ensureSchema(error) || !reload(error)) {
        close();
        return false;
    }
    return true;
}

bool DrawStore::ensureSchema(QString* error) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    // Reading the schema is the first real access: a file that is not SQLite fails here,
    // before anything was written to it.
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        if (error)
            *error = describe(path_, QStringLiteral("这不是本程序的数据库文件（%1）。")
                                         .arg(query.lastError().databaseText()));
        return false;
    }
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    if (tables.isEmpty()) {
        if (!query.exec(QString::fromLatin1(kCreateTable))) {
            if (error)
                *error = describe(path_, query.lastError().text());
            return false;
        }
        return true;
    }
    if (!tables.contains(QStringLiteral("Lottery5"))) {
        if (error)
            *error = describe(path_, QStringLiteral("数据库中没有开奖数据表 Lottery5，文件未被改动。"));
        return false;
    }
    QSqlRecord record = db.record(QStringLiteral("Lottery5"));
    for (const QString& column : kColumns) {
        if (record.indexOf(column) < 0) {
            if (error)
                *error = describe(path_, QStringLiteral("开奖数据表缺少列 %1，文件未被改动。").arg(column));
            return false;
        }
    }
    return true;
}

bool DrawStore::reload(QString* error) {
    if (!open_) {
        if (error)
            *error = QStringLiteral("开奖数据库没有打开。");
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT ItemNo, WNo, QNo, BNo, SNo, GNo FROM Lottery5 ORDER BY ItemNo DESC"))) {
        if (error)
            *error = describe(path_, query.lastError().text());
        return false;
    }
    std::vector<Draw> draws;
    while (query.next()) {
        Draw draw;
        draw.period = query.value(0).toInt();
        for (int i = 0; i < 5; ++i) {
            // Rows written by other tools may hold anything; keep digits in range.
            const int digit = query.value(i + 1).toInt();
            draw.digits[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::clamp(digit, 0, 9));
        }
        draws.push_back(draw);
    }
    draws_ = std::move(draws);
    return true;
}

std::optional<int> DrawStore::newestPeriod() const {
    if (draws_.empty())
        return std::nullopt;
    return draws_.front().period;
}

QStringList DrawStore::periodTextsOldestFirst() const {
    QStringList periods;
    periods.reserve(static_cast<qsizetype>(draws_.size()));
    for (auto it = draws_.rbegin(); it != draws_.rend(); ++it)
        periods << QString::number(it->period);
    return periods;
}

std::vector<Draw> DrawStore::range(int from, int to, Order order) const {
    // draws_ is sorted by period descending: the range is one contiguous slice.
    const auto first = std::lower_bound(draws_.begin(), draws_.end(), to,
                                        [](const Draw& d, int p) { return d.period > p; });
    const auto last = std::upper_bound(first, draws_.end(), from,
                                       [](int p, const Draw& d) { return p > d.period; });
    std::vector<Draw> slice(first, last);
    if (order == Order::OldestFirst)
        std::reverse(slice.begin(), slice.end());
    return slice;
}

std::span<const Draw> DrawStore::newest(std::size_t n) const {
    return std::span<const Draw>(draws_).first(std::min(n, draws_.size()));
}

std::optional<std::size_t> DrawStore::indexOf(int period) const {
    const auto it = std::lower_bound(draws_.begin(), draws_.end(), period,
                                     [](const Draw& d, int p) { return d.period > p; });
    if (it == draws_.end() || it->period != period)
        return std::nullopt;
    return static_cast<std::size_t>(it - draws_.begin());
}

std::span<const Draw> DrawStore::olderThan(int period, std::size_t n) const {
    const auto at = indexOf(period);
    if (!at)
        return {};
    const std::span<const Draw> older = std::span<const Draw>(draws_).subspan(*at + 1);
    return older.first(std::min(n, older.size()));
}

bool DrawStore::insert(const std::vector<Draw>& draws, QString* error) {
    if (!open_) {
        if (error)
            *error = QStringLiteral("开奖数据库没有打开。");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO Lottery5 (ItemNo, WNo, QNo, BNo, SNo, GNo) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const Draw& draw : draws) {
        if (contains(draw.period))
            continue;
        query.bindValue(0, draw.period);
        for (int i = 0; i < 5; ++i)
            query.bindValue(i + 1, int(draw.digits[static_cast<std::size_t>(i)]));
        if (!query.exec()) {
            if (error)
                *error = QStringLiteral("写入第 %1 期失败：%2").arg(draw.period).arg(query.lastError().text());
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        if (error)
            *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return reload(error);
}

} // namespace pentad::store
