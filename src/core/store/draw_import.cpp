#include "store/draw_import.h"

#include "store/draw_store.h"
#include "text/gbk.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <unordered_map>

namespace pentad::store {

namespace {

bool allDigits(const QString& s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool looksLikeDate(const QString& s) {
    static const QRegularExpression date(QStringLiteral(R"(^\d{4}[-/.]\d{1,2}[-/.]\d{1,2}$|^\d{8}$)"));
    return date.match(s).hasMatch();
}

// The period of a field: seven digits, or five digits standing for 20yy + sequence.
std::optional<int> parsePeriod(const QString& field, QString* reason) {
    if (!allDigits(field) || (field.size() != 7 && field.size() != 5)) {
        *reason = QStringLiteral("期号“%1”应为七位数字（或五位，如 13201）").arg(field);
        return std::nullopt;
    }
    int period = field.toInt();
    if (field.size() == 5)
        period += 2000000;
    const int year = period / 1000;
    if (period % 1000 == 0 || year < 2000 || year > 2099) {
        *reason = QStringLiteral("期号“%1”不是有效的期号").arg(field);
        return std::nullopt;
    }
    return period;
}

// The five digits from the fields after the period (and an optional date).
std::optional<std::array<std::uint8_t, 5>> parseDigits(QStringList fields, QString* reason) {
    if (fields.size() > 1 && looksLikeDate(fields.front()))
        fields.removeFirst();
    QString digits;
    if (fields.size() == 1 && fields.front().size() == 5)
        digits = fields.front();
    else if (fields.size() == 5 && std::all_of(fields.cbegin(), fields.cend(),
                                                [](const QString& f) { return f.size() == 1; }))
        digits = fields.join(QString());
    if (digits.size() != 5 || !allDigits(digits)) {
        *reason = QStringLiteral("应为五个 0-9 的数字");
        return std::nullopt;
    }
    std::array<std::uint8_t, 5> result{};
    for (int i = 0; i < 5; ++i)
        result[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(digits[i].digitValue());
    return result;
}

QStringList splitFields(const QString& line) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;，]+"));
    QString cleaned = line;
    cleaned.remove(QLatin1Char('"'));
    return cleaned.split(separators, Qt::SkipEmptyParts);
}

} // namespace

ParsedDraws parseDraws(const QString& text) {
    ParsedDraws parsed;
    std::unordered_map<int, std::size_t> seen; // period -> index in parsed.draws
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    bool firstContentLine = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        const QStringList fields = splitFields(lines[i]);
        if (fields.isEmpty())
            continue;
        const bool isFirst = std::exchange(firstContentLine, false);
        if (isFirst && !fields.front().isEmpty() && fields.front()[0].isLetter())
            continue; // column names
        QString reason;
        const auto period = parsePeriod(fields.front(), &reason);
        const auto digits = period ? parseDigits(fields.mid(1), &reason) : std::nullopt;
        if (!digits) {
            parsed.rejected.push_back({lineNo, reason});
            continue;
        }
        const Draw draw{*period, *digits};
        if (const auto it = seen.find(draw.period); it != seen.end()) {
            if (parsed.draws[it->second] == draw) {
                ++parsed.repeats;
            } else {
                parsed.rejected.push_back(
                    {lineNo, QStringLiteral("第 %1 期在文件中出现两次且号码不同").arg(draw.period)});
            }
            continue;
        }
        seen.emplace(draw.period, parsed.draws.size());
        parsed.draws.push_back(draw);
    }
    return parsed;
}

std::optional<ImportReport> importDrawText(DrawStore& store, const QString& text, QString* error) {
    const ParsedDraws parsed = parseDraws(text);
    ImportReport report;
    report.rejected = parsed.rejected;
    report.skipped = parsed.repeats;
    std::vector<Draw> fresh;
    for (const Draw& draw : parsed.draws) {
        if (store.contains(draw.period))
            ++report.skipped;
        else
            fresh.push_back(draw);
    }
    if (!fresh.empty() && !store.insert(fresh, error))
        return std::nullopt;
    report.added = static_cast<int>(fresh.size());
    return report;
}

std::optional<ImportReport> importDrawFile(DrawStore& store, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("无法读取文件 %1：%2").arg(path, file.errorString());
        return std::nullopt;
    }
    return importDrawText(store, text::decodeText(file.readAll()), error);
}

QString describeImport(const ImportReport& report, int maxListed) {
    QString text = QStringLiteral("新增 %1 期，跳过 %2 期，拒绝 %3 行")
                       .arg(report.added)
                       .arg(report.skipped)
                       .arg(report.rejected.size());
    const int listed = std::min<int>(maxListed, static_cast<int>(report.rejected.size()));
    for (int i = 0; i < listed; ++i) {
        const RejectedLine& r = report.rejected[static_cast<std::size_t>(i)];
        text += QStringLiteral("\n第 %1 行：%2").arg(r.line).arg(r.reason);
    }
    if (static_cast<int>(report.rejected.size()) > listed)
        text += QStringLiteral("\n……");
    return text;
}

} // namespace pentad::store
