#pragma once
// The two callbacks the extraction run registers with the library. Both run
// on the user-interface thread, nested inside a library call of the run, and
// report to RunState.View.
#include <string>

namespace extract {

// Called for each block of unpacked data written for the current entry: adds
// the block's share of RunState.EntrySize to RunState.PercentDone (a size of 0
// or less is added as it is, unscaled; data for an entry of size 0 adds
// nothing), moves the bar to PercentDone rounded to the nearest integer (ties
// to even), pumps events, then answers 0 (stop) when an abort has been
// requested, else 1. Allocates nothing: it runs once per block.
int OnProcessData(unsigned char *block, int size);

// Called when the archive continues in another volume. VolumeAsk (0): the
// volume is missing; shows "Can't find file <name>.\rProcess stopped..." and
// answers 0. Any other mode: the volume has been opened; names it in the title
// and answers 1.
int OnChangeVolume(char *volumeName, int mode);

// The title naming the archive file being read: "Installing - (<file name>)".
std::string InstallingTitle(const std::string &archivePath);

// A percentage as a bar position: nearest integer, halves to the even one,
// held within the range of int.
int BarPosition(double percent);

} // namespace extract
