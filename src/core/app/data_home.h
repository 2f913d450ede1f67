#pragma once

#include <QString>
#include <QStringList>

// The data home: the folder below which the program keeps all its files, in `Data/`.
namespace pentad::app {

// The program's folder when it is writable, else the per-user data folder of the
// application; a folder given with --home wins over both.
QString resolveDataHome(const QString& programDir, const QString& homeOption = QString());

// Removes "--home DIR" (or "--home=DIR") from `args` and returns DIR, empty when absent.
// Sets `error` when the option is given without a folder.
QString takeHomeOption(QStringList& args, QString* error);

struct DataPaths {
    explicit DataPaths(const QString& home);

    QString home;          // without a trailing separator
    QString dataDir;       // home/Data
    QString settingsFile;  // Data/Pentad.ini
    QString drawsFile;     // Data/draws.db
    QString autoFilterFile; // Data/TFilter.aus
};

} // namespace pentad::app
