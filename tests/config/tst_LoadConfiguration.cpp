#include "config/InstallerState.h"
#include "config/LoadConfiguration.h"
#include "platform/ProfileReader.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using config::InstallerState;

namespace {

struct RecordedTitles : config::TitleLines {
    std::string main = "unset", sub = "unset";
    void SetTitleMain(const std::string &text) override { main = text; }
    void SetTitleSub(const std::string &text) override { sub = text; }
};

class LoadConfigurationTest : public ::testing::Test {
  protected:
    void SetUp() override { InstallerState = {}; }
    RecordedTitles Load() {
        RecordedTitles titles;
        config::LoadConfigurationFrom(folder, titles);
        return titles;
    }
    testsupport::TempDir dir;
    std::string folder = dir.Str() + "/";
};

} // namespace

TEST_F(LoadConfigurationTest, MissingFileGivesDefaults) {
    const RecordedTitles titles = Load();
    EXPECT_EQ(titles.main, "");
    EXPECT_EQ(titles.sub, "");
    EXPECT_EQ(InstallerState.ArchivePath, folder);
    EXPECT_EQ(InstallerState.NfoPath, folder);
    EXPECT_EQ(InstallerState.DizPath, folder);
    EXPECT_EQ(InstallerState.DefaultFolderName, "untitled");
    ASSERT_NE(config::ConfigurationReader, nullptr);
    EXPECT_EQ(config::ConfigurationReader->Path(), folder + "install.ini");
}

TEST_F(LoadConfigurationTest, EveryKeyReachesItsPlace) {
    dir.Write("install.ini", "; release\n[FLAGS]\nTITLEMAIN=Main & co\nTITLESUB=Sub line\n"
                             "SOURCE=data/set.rar\nDIZFILE=file_id.diz\nNFOFILE=info/rel.nfo\n"
                             "DEFAULTDIR=Game Folder\nEXTRA=ignored\n");
    const RecordedTitles titles = Load();
    EXPECT_EQ(titles.main, "Main & co");
    EXPECT_EQ(titles.sub, "Sub line");
    EXPECT_EQ(InstallerState.ArchivePath, folder + "data/set.rar");
    EXPECT_EQ(InstallerState.DizPath, folder + "file_id.diz");
    EXPECT_EQ(InstallerState.NfoPath, folder + "info/rel.nfo");
    EXPECT_EQ(InstallerState.DefaultFolderName, "Game Folder");
    // The folder selection values are not touched by loading.
    EXPECT_EQ(InstallerState.ChosenFolder, "");
    EXPECT_EQ(InstallerState.DestinationFolder, "");
}

TEST_F(LoadConfigurationTest, EmptyValuesAreNotDefaultsAndLongValuesAreCut) {
    const std::string longTitle(1500, 't');
    dir.Write("install.ini", "[FLAGS]\nDEFAULTDIR=\nTITLEMAIN=" + longTitle + "\n");
    const RecordedTitles titles = Load();
    EXPECT_EQ(InstallerState.DefaultFolderName, "");
    EXPECT_EQ(titles.main, longTitle.substr(0, 1023));
}

TEST_F(LoadConfigurationTest, FullPathInSourceIsJoinedAsText) {
    dir.Write("install.ini", "[FLAGS]\nSOURCE=/srv/data.rar\n");
    Load();
    // Joined to the program folder as text: names no existing file.
    EXPECT_EQ(InstallerState.ArchivePath, folder + "/srv/data.rar");
}
