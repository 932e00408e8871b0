#include "LoadConfiguration.h"

#include "InstallerState.h"
#include "PathHelpers.h"
#include "platform/ProfileReader.h"

namespace config {

platform::ProfileReader *ConfigurationReader = nullptr;

void LoadConfiguration(TitleLines &mainWindow) {
    LoadConfigurationFrom(ProgramFolder(), mainWindow);
}

void LoadConfigurationFrom(const std::string &programFolder, TitleLines &mainWindow) {
    // The reader lives as long as the process; the program loads once, so only
    // a repeated load (tests) ever replaces one.
    delete ConfigurationReader;
    ConfigurationReader = new platform::ProfileReader(programFolder + "install.ini");
    const platform::ProfileReader &ini = *ConfigurationReader;
    mainWindow.SetTitleMain(ini.ReadString("FLAGS", "TITLEMAIN", ""));
    mainWindow.SetTitleSub(ini.ReadString("FLAGS", "TITLESUB", ""));
    InstallerState.ArchivePath = programFolder + ini.ReadString("FLAGS", "SOURCE", "");
    InstallerState.DizPath = programFolder + ini.ReadString("FLAGS", "DIZFILE", "");
    InstallerState.NfoPath = programFolder + ini.ReadString("FLAGS", "NFOFILE", "");
    InstallerState.DefaultFolderName = ini.ReadString("FLAGS", "DEFAULTDIR", "untitled");
}

} // namespace config
