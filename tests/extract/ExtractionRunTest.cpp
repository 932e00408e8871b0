// The run on real archives made by rar, through the real library.
#include "extract/ExtractionRun.h"
#include "RarFixtures.h"
#include "RecordingView.h"
#include "config/InstallerState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace extract::test {
namespace {

class RealArchive : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(temp / "src");
        fs::create_directories(temp / "dest");
        // The folder the window hands over carries no trailing separator.
        config::InstallerState.DestinationFolder = temp / "dest";
    }
    // The run leaves the character type at UTF-8; start every test from "C",
    // where a test program begins.
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    // Archives everything in src as archive (a path below the temp folder)
    // and points the run at it.
    void MakeArchive(const std::string &archive, const std::string &options,
                     const std::string &files = "*") {
        ASSERT_TRUE(RunRar(temp / "src", "a " + options + " '" + temp / archive + "' " + files));
        config::InstallerState.ArchivePath = temp / archive;
    }
    std::string Patched(std::function<void(std::string &)> change) {
        std::string bytes = ReadFile(config::InstallerState.ArchivePath);
        change(bytes);
        WriteFile(config::InstallerState.ArchivePath, bytes);
        return bytes;
    }

    TempDir temp;
    RecordingView view;
};

class StartingLocale : public RealArchive, public ::testing::WithParamInterface<const char *> {};

// "" is whatever the environment says, as the program's toolkit sets it at
// start-up; ctest runs this with LC_ALL=C.
INSTANTIATE_TEST_SUITE_P(Locales, StartingLocale, ::testing::Values("", "C", "POSIX"));

TEST_P(StartingLocale, EveryEntryLandsWithItsBytesAndName) {
    WriteFile(temp / "src/top.bin", RandomBytes(300000, 1));
    WriteFile(temp / "src/empty.txt", "");
    WriteFile(temp / "src/sub/a.txt", "hello\n");
    WriteFile(temp / "src/sub/deep/gr\xC3\xBC\xC3\x9F"
                     "e.txt",
              "\xC3\xBC\n");
    fs::create_directories(temp / "src/emptydir");
    MakeArchive("data.rar", "-r");
    ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr);

    RunExtraction(view);

    EXPECT_EQ(ReadTree(temp / "dest"), ReadTree(temp / "src"));
    EXPECT_EQ(view.Titles, (std::vector<std::string>{"Installing - (data.rar)", "Done!"}));
    EXPECT_TRUE(view.Errors.empty());
    std::vector<std::string> names = view.EntryNames;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "deep", "empty.txt", "emptydir",
                                               "gr\xC3\xBC\xC3\x9F"
                                               "e.txt",
                                               "sub", "top.bin"}));
    ASSERT_FALSE(view.BarPositions.empty());
    EXPECT_EQ(*std::max_element(view.BarPositions.begin(), view.BarPositions.end()), 100);
    EXPECT_EQ(view.BarPositions.back(), 0);
}

TEST_F(RealArchive, VolumesAreNamedAsTheyOpen) {
    WriteFile(temp / "src/big.bin", RandomBytes(100000, 2));
    WriteFile(temp / "src/after.txt", "after\n");
    MakeArchive("set.rar", "-m0 -v40k", "big.bin after.txt");
    config::InstallerState.ArchivePath = temp / "set.part1.rar";

    RunExtraction(view);

    EXPECT_EQ(view.Titles, (std::vector<std::string>{"Installing - (set.part1.rar)",
                                                     "Installing - (set.part2.rar)",
                                                     "Installing - (set.part3.rar)", "Done!"}));
    EXPECT_TRUE(view.Errors.empty());
    EXPECT_EQ(ReadTree(temp / "dest"), ReadTree(temp / "src"));
}

TEST_F(RealArchive, MissingVolumeIsReportedAndStopsTheRun) {
    WriteFile(temp / "src/big.bin", RandomBytes(100000, 3));
    WriteFile(temp / "src/after.txt", "after\n");
    MakeArchive("set.rar", "-m0 -v40k", "big.bin after.txt");
    config::InstallerState.ArchivePath = temp / "set.part1.rar";
    fs::remove(temp / "set.part2.rar");

    RunExtraction(view);

    EXPECT_EQ(view.Log,
              (std::vector<std::string>{"title: Installing - (set.part1.rar)", "entry: big.bin",
                                        "error: Can't find file " + temp / "set.part2.rar" +
                                            ".\rProcess stopped...",
                                        "error: Volume open error", "title: Done!"}));
    EXPECT_FALSE(fs::exists(temp / "dest/after.txt"));
}

// Damaged or missing archives: what the view shows, in order. "{path}" stands
// for the archive's full path.
struct DamageRow {
    const char *what;
    std::function<void(std::string &bytes, const std::vector<Rar5Block> &blocks)> damage;
    std::vector<std::string> expectedLog;
};

TEST_F(RealArchive, DamagedArchivesEndAsTheLibraryReports) {
    const std::vector<DamageRow> rows = {
        {"not an archive at all",
         [](std::string &bytes, auto &) { bytes = "plain text\n"; },
         {"error: {path} is not RAR archive"}},
        {"cut inside the signature",
         [](std::string &bytes, auto &) { bytes.resize(7); },
         {"error: {path} is not RAR archive"}},
        {"cut before the first entry",
         [](std::string &bytes, auto &blocks) { bytes.resize(blocks[1].Start); },
         {"title: Installing - (data.rar)", "title: Done!"}},
        {"cut inside the first entry's data",
         [](std::string &bytes, auto &blocks) { bytes.resize(blocks[1].HeaderEnd + 100); },
         {"title: Installing - (data.rar)", "entry: a.bin", "error: CRC error", "title: Done!"}},
        // A file header whose CRC no longer matches is still used by the
        // library; a header chain broken at its start is what ends the reading.
        {"size of the first entry's header zeroed",
         [](std::string &bytes, auto &blocks) { bytes[blocks[1].Start + 4] = 0; },
         {"title: Installing - (data.rar)", "error: File header broken", "title: Done!"}},
        {"data of the first entry changed",
         [](std::string &bytes, auto &blocks) { bytes[blocks[1].HeaderEnd + 5] ^= 0x01; },
         {"title: Installing - (data.rar)", "entry: a.bin", "error: CRC error", "title: Done!"}},
        {"no entries (file blocks taken out)",
         [](std::string &bytes, auto &blocks) {
             for (auto block = blocks.rbegin(); block != blocks.rend(); ++block)
                 if (block->Type == Rar5FileBlock)
                     bytes.erase(block->Start, block->DataEnd - block->Start);
         },
         {"title: Installing - (data.rar)", "title: Done!"}},
    };
    WriteFile(temp / "src/a.bin", RandomBytes(5000, 4));
    WriteFile(temp / "src/b.bin", RandomBytes(5000, 5));
    for (const DamageRow &row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove(temp / "data.rar");
        fs::remove_all(temp / "dest");
        fs::create_directories(temp / "dest");
        // -qo-: no quick-open copy of the headers at the end, which the
        // library would read instead of the damaged ones.
        MakeArchive("data.rar", "-m0 -qo-", "a.bin b.bin");
        Patched([&](std::string &bytes) { row.damage(bytes, Rar5Blocks(bytes)); });
        RecordingView damaged;

        RunExtraction(damaged);

        std::vector<std::string> expected = row.expectedLog;
        for (std::string &line : expected)
            if (const auto at = line.find("{path}"); at != std::string::npos)
                line.replace(at, 6, config::InstallerState.ArchivePath);
        EXPECT_EQ(damaged.Log, expected);
        EXPECT_FALSE(fs::exists(temp / "dest/b.bin")); // nothing after a failure
    }
}

TEST_F(RealArchive, MissingArchiveCannotBeOpened) {
    config::InstallerState.ArchivePath = temp / "gone.rar";
    RunExtraction(view);
    EXPECT_EQ(view.Log, std::vector<std::string>{"error: Cannot open " + temp / "gone.rar"});
}

TEST_F(RealArchive, AbortStopsTheEntryAtTheNextBlock) {
    WriteFile(temp / "src/huge.bin", RandomBytes(20'000'000, 6));
    WriteFile(temp / "src/z.txt", "after\n");
    MakeArchive("data.rar", "-m0");
    view.CancelOnPump = 3; // the entry's own pump, then one per block

    RunExtraction(view);

    EXPECT_EQ(view.Log, (std::vector<std::string>{"title: Installing - (data.rar)",
                                                  "entry: huge.bin", "title: Done!"}));
    EXPECT_EQ(view.Pumps, 3);
    ASSERT_EQ(view.BarPositions.size(), 2u);
    EXPECT_LT(view.BarPositions.back(), 100); // the bar keeps where the entry got to
    EXPECT_FALSE(fs::exists(temp / "dest/z.txt"));
}

} // namespace
} // namespace extract::test
