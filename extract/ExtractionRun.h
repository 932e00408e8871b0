#pragma once
// The extraction run: unpacks every entry of the archive at
// config::InstallerState.ArchivePath below config::InstallerState.DestinationFolder,
// one entry at a time, and reports on a ProgressView.
//
// Runs synchronously on the user-interface thread and returns when the archive
// has been closed, or at once when it does not open. On the view: the title
// names the archive, then each volume as it is opened; the entry-name line
// names each entry (its file name, without folders) before it is written; the
// bar shows how much of the current entry has been written and stands at 0
// after a normal end. Failures are shown with ShowError. A run that opened the
// archive ends by setting the title to "Done!", which tells the window the run
// is over; a run whose open failed leaves the title alone.
//
// An entry with data that fails (an abort included, which the data callback
// turns into a stop) ends the loop; an entry without data that fails is passed
// over. Nothing is deleted or retried.
#include "extract/ArchiveLibrary.h"
#include "extract/ProgressView.h"

namespace extract {

// Runs against the real library.
void RunExtraction(ProgressView &view);

// Runs against the given library table (tests script results with it).
void RunExtraction(ProgressView &view, const ArchiveLibrary &library);

} // namespace extract
