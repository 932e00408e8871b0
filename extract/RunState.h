#pragma once
// What the extraction run shares with the two library callbacks. The library
// passes its callbacks no context, so this lives process-wide; only one run
// exists at a time, on the user-interface thread. Every run sets each value
// before using it; the values outlive the run.
#include "extract/ProgressView.h"

#include <cstdint>

namespace extract {

struct RunStateValues {
    ProgressView *View = nullptr; // the view the run and both callbacks report to
    double PercentDone = 0;       // how much of the current entry has been written, in percent
    std::int64_t EntrySize = 0;   // unpacked size of the current entry in bytes (full 64 bits)
};

extern RunStateValues RunState;

} // namespace extract
