#pragma once

#include "cli_context.h"

// pentad-cli import FILE: adds the draws of a text or CSV file to the store.
int runImport(CliContext& context);
// pentad-cli draws: prints the stored draws oldest first, in the layout import reads.
int runDraws(CliContext& context);
