#pragma once
// Reads install.ini beside the program once, at the main window's creation.
#include <string>

namespace platform {
class ProfileReader;
}

namespace config {

// What LoadConfiguration needs of the main window: its two title lines.
class TitleLines {
  public:
    virtual ~TitleLines() = default;
    virtual void SetTitleMain(const std::string &text) = 0;
    virtual void SetTitleSub(const std::string &text) = 0;
};

// Reads section FLAGS of ProgramFolder() + "install.ini": TITLEMAIN and
// TITLESUB into the title lines, SOURCE, DIZFILE and NFOFILE (joined to the
// program folder) and DEFAULTDIR (default "untitled") into InstallerState.
// Cannot fail: a missing file, section or key gives the defaults.
void LoadConfiguration(TitleLines &mainWindow);

// The same, for a given program folder (with its trailing '/').
void LoadConfigurationFrom(const std::string &programFolder, TitleLines &mainWindow);

// The reader LoadConfiguration made; kept for the life of the process.
extern platform::ProfileReader *ConfigurationReader;

} // namespace config
