#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs pentad-cli with arguments and collects its exit code and output.
struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(PENTAD_CLI), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
