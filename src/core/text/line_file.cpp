#include "text/line_file.h"

#include "text/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pentad::text {

std::optional<ReadLinesResult> readGbkLines(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    ReadLinesResult result;
    QString text = decodeText(bytes, &result.valid);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    result.lines = text.split(QLatin1Char('\n'));
    if (!result.lines.isEmpty() && result.lines.last().isEmpty())
        result.lines.removeLast();
    return result;
}

QByteArray joinCrLf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toGbk(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = QStringLiteral("无法创建文件夹 %1").arg(info.absolutePath());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeGbkLines(const QString& path, const QStringList& lines, QString* error) {
    return writeFileAtomically(path, joinCrLf(lines), error);
}

} // namespace pentad::text
