#include "text/ini_file.h"

#include "text/line_file.h"

#include <optional>

namespace pentad::text {

namespace {

std::optional<QString> sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The key of a key=value line, or nothing for blank, comment and other lines.
std::optional<QString> keyOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return std::nullopt;
    return line.left(eq).trimmed();
}

// Index of the line holding `key` in `section`, or -1; `sectionEnd` receives the index after
// the section's last line (or -1 when the section is absent).
qsizetype findKey(const QStringList& lines, const QString& section, const QString& key,
                  qsizetype* sectionEnd) {
    bool inSection = false;
    *sectionEnd = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inSection)
                return -1;
            inSection = sameName(*name, section);
            if (inSection)
                *sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!lines[i].trimmed().isEmpty())
            *sectionEnd = i + 1;
        if (const auto k = keyOf(lines[i]); k && sameName(*k, key))
            return i;
    }
    return -1;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

QStringList IniFile::readLines() const {
    const auto read = readGbkLines(path_);
    return read ? read->lines : QStringList{};
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    const QStringList lines = readLines();
    qsizetype sectionEnd = -1;
    const qsizetype at = findKey(lines, section, key, &sectionEnd);
    if (at < 0)
        return fallback;
    const QString& line = lines[at];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

int IniFile::intValue(const QString& section, const QString& key, int fallback) const {
    bool ok = false;
    const int number = value(section, key, QString()).toInt(&ok);
    return ok ? number : fallback;
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value,
                       QString* error) {
    QStringList lines = readLines();
    qsizetype sectionEnd = -1;
    const qsizetype at = findKey(lines, section, key, &sectionEnd);
    const QString line = key + QLatin1Char('=') + value;
    if (at >= 0) {
        lines[at] = line;
    } else if (sectionEnd >= 0) {
        lines.insert(sectionEnd, line);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(line);
    }
    return writeGbkLines(path_, lines, error);
}

bool IniFile::setIntValue(const QString& section, const QString& key, int value, QString* error) {
    return setValue(section, key, QString::number(value), error);
}

} // namespace pentad::text
