#pragma once

#include "cli_context.h"

// pentad-cli filter --filter FILE.sfl [--with-failures] [--results FILE]: runs a saved filter
// over the candidate space with the draws of the store and prints one bet per line in result
// order (with --with-failures: the bet, a tab, its tolerated failures). --results limits the
// candidates to the bets of a result file (根据结果).
int runFilterCommand(CliContext& context);
