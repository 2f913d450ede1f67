#pragma once

#include "cli_context.h"

// pentad-cli report basic --view CODE [--from P] [--to P] [--step N] [--positions 12345]
//                         [--csv FILE]: builds a basic-analysis report without a window and
// prints it tab-separated (or writes it as a table file).
int runReport(CliContext& context);
