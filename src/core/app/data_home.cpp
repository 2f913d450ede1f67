#include "app/data_home.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pentad::app {

QString resolveDataHome(const QString& programDir, const QString& homeOption) {
    if (!homeOption.isEmpty())
        return QDir::cleanPath(QDir(homeOption).absolutePath());
    const QFileInfo program(programDir);
    if (program.isDir() && program.isWritable())
        return QDir::cleanPath(program.absoluteFilePath());
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString takeHomeOption(QStringList& args, QString* error) {
    const QString option = QStringLiteral("--home");
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i].startsWith(option + QLatin1Char('='))) {
            const QString dir = args[i].mid(option.size() + 1);
            args.removeAt(i);
            if (dir.isEmpty() && error)
                *error = QStringLiteral("--home 需要一个文件夹");
            return dir;
        }
        if (args[i] == option) {
            if (i + 1 >= args.size()) {
                if (error)
                    *error = QStringLiteral("--home 需要一个文件夹");
                args.removeAt(i);
                return QString();
            }
            const QString dir = args[i + 1];
            args.remove(i, 2);
            return dir;
        }
    }
    return QString();
}

DataPaths::DataPaths(const QString& homeDir)
    : home(QDir::cleanPath(homeDir)), dataDir(home + QStringLiteral("/Data")),
      settingsFile(dataDir + QStringLiteral("/Pentad.ini")),
      drawsFile(dataDir + QStringLiteral("/draws.db")),
      autoFilterFile(dataDir + QStringLiteral("/TFilter.aus")) {}

} // namespace pentad::app
