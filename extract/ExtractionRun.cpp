#include "ExtractionRun.h"

#include "config/InstallerState.h"
#include "config/PathHelpers.h"
#include "extract/ErrorMessages.h"
#include "extract/ProgressCallbacks.h"
#include "extract/RunState.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace extract {

namespace {

// Sizes of 4 GiB and more spill into the high half; taking both halves keeps
// the bar a true share and keeps a 4 GiB entry from passing for an empty one.
std::int64_t EntrySizeOf(const HeaderRecord &header) {
    return static_cast<std::int64_t>((std::uint64_t{header.UnpSizeHigh} << 32) | header.UnpSize);
}

// The stored path runs up to the first NUL, or fills the whole buffer.
std::string EntryPathOf(const HeaderRecord &header) {
    return std::string(header.FileName, strnlen(header.FileName, sizeof header.FileName));
}

// Extracts entry by entry until a header read fails or an entry with data
// fails. Returns the last header-read result: 0 when an entry ended the loop.
int ExtractEntries(const ArchiveLibrary &library, ArchiveHandle handle, std::string &destination) {
    ProgressView &view = *RunState.View;
    HeaderRecord header;
    int headerResult = library.ReadHeader(handle, header);
    RunState.EntrySize = EntrySizeOf(header);
    while (headerResult == 0) {
        view.SetEntryName(config::FileNamePart(EntryPathOf(header)));
        // Paints the new name and takes in an abort before the entry starts.
        view.PumpEvents();
        const int result =
            library.ProcessFile(handle, OperationExtract, destination.data(), nullptr);
        // Folders and empty files have nothing to lose; their failures are passed over.
        if (result != 0 && RunState.EntrySize != 0) {
            ReportExtractError(result);
            break;
        }
        headerResult = library.ReadHeader(handle, header);
        RunState.PercentDone = 0;
        RunState.EntrySize = EntrySizeOf(header);
        view.SetBarPosition(0);
    }
    return headerResult;
}

} // namespace

void RunExtraction(ProgressView &view) {
    RunExtraction(view, UnrarLibrary());
}

void RunExtraction(ProgressView &view, const ArchiveLibrary &library) {
    RunState.View = &view;
    RunState.PercentDone = 0;
    // NUL-terminated copies the library may write through its char * arguments.
    std::string archivePath = config::InstallerState.ArchivePath;
    std::string destination = config::InstallerState.DestinationFolder;

    OpenRecord open;
    open.ArchiveName = archivePath.data();
    open.Mode = OpenForExtract;
    const ArchiveHandle handle = library.Open(open);
    if (open.Result != 0) {
        ReportOpenError(static_cast<int>(open.Result), archivePath);
        return;
    }
    view.SetTitle(InstallingTitle(archivePath));
    library.SetChangeVolProc(handle, OnChangeVolume);
    library.SetProcessDataProc(handle, OnProcessData);

    if (ExtractEntries(library, handle, destination) == BadData)
        view.ShowError("File header broken");
    library.Close(handle);
    view.SetTitle("Done!");
}

} // namespace extract
