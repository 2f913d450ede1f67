#pragma once

// A filter run allocates large short-lived buffers (its results, the mark tables of the
// history rows). By default the C library hands such blocks back to the system when they are
// freed and takes fresh pages the next time; touching fresh pages then costs more than the
// run itself. Keeping freed blocks in the heap lets repeated runs reuse the same memory.
// Called once at the start of each program.
namespace pentad::app {

void keepLargeBlocksForReuse();

} // namespace pentad::app
