#pragma once

#include "app/data_home.h"

#include <QStringList>
#include <QTextStream>

// What every command of pentad-cli gets: its arguments, the data home and the two streams.
struct CliContext {
    QStringList args; // after the command name, --home already taken out
    pentad::app::DataPaths paths;
    QTextStream& out;
    QTextStream& err;
};

// Exit codes of pentad-cli.
enum CliExit { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Opens the draw store of the data home; prints the reason and returns false when it fails.
namespace pentad::store {
class DrawStore;
}
bool openStore(CliContext& context, pentad::store::DrawStore& store);
