#include "ProgressCallbacks.h"

#include "config/PathHelpers.h"
#include "extract/ArchiveLibrary.h"
#include "extract/RunState.h"

#include <climits>
#include <cmath>

namespace extract {

int OnProcessData(unsigned char *, int size) {
    if (size > 0) {
        // No size to take a share of (an entry whose header gives 0): the bar
        // stays where it is rather than jump on a division by zero.
        if (RunState.EntrySize != 0)
            RunState.PercentDone +=
                static_cast<double>(size) / static_cast<double>(RunState.EntrySize) * 100.0;
    } else {
        RunState.PercentDone += size;
    }
    RunState.View->SetBarPosition(BarPosition(RunState.PercentDone));
    RunState.View->PumpEvents();
    // Read after the pump, so an abort the pump has just delivered stops this block.
    return RunState.View->IsCancelRequested() ? 0 : 1;
}

int OnChangeVolume(char *volumeName, int mode) {
    const std::string name(volumeName);
    if (mode == VolumeAsk) {
        RunState.View->ShowError("Can't find file " + name + ".\rProcess stopped...");
        return 0;
    }
    RunState.View->SetTitle(InstallingTitle(name));
    return 1;
}

std::string InstallingTitle(const std::string &archivePath) {
    return "Installing - (" + config::FileNamePart(archivePath) + ")";
}

int BarPosition(double percent) {
    // nearbyint rounds in the current mode, which this program leaves at the
    // default: to nearest, halves to even (std::round would take 0.5 to 1).
    const double rounded = std::nearbyint(percent);
    if (rounded >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(rounded);
}

} // namespace extract
