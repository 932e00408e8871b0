#pragma once
// The process-wide values the windows share. All empty at start, used on the
// user-interface thread only, never saved.
#include <string>

namespace config {

struct InstallerStateValues {
    std::string ArchivePath;       // first volume of the archive to extract
    std::string NfoPath;           // the NFO text
    std::string DizPath;           // the DIZ text
    std::string DefaultFolderName; // suggested name of a new folder
    std::string ChosenFolder;      // set by "ok" in the folder selection window
    std::string DestinationFolder; // folder the archive is extracted into
    std::string NewFolderName;     // name typed in the new folder window
};

extern InstallerStateValues InstallerState;

} // namespace config
