// The run against a scripted library table: results that real archives do not
// easily give, the order and arguments of the library calls, and entry names
// and sizes at the edges of the header record.
#include "RecordingView.h"
#include "config/InstallerState.h"
#include "extract/ArchiveLibrary.h"
#include "extract/ExtractionRun.h"
#include "extract/ProgressCallbacks.h"
#include "extract/RunState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace extract::test {
namespace {

struct ScriptedEntry {
    std::string name; // copied into FileName; 1024 bytes leave no room for a NUL
    unsigned unpSize = 0;
    unsigned unpSizeHigh = 0;
    int processResult = 0;
    std::vector<int> blocks = {}; // fed to the data callback during extraction
};

// The library's side of one run. The table's functions carry no context, so
// the script is process-wide, like the run state it talks to.
struct Script {
    unsigned openResult = 0;
    std::vector<ScriptedEntry> entries;
    int endResult = EndArchive; // header-read result after the last entry

    std::vector<std::string> calls;
    std::string openedName;
    unsigned openedMode = 0;
    std::vector<std::string> destinations;
    std::vector<int> operations;
    bool destNameAlwaysNull = true;
    ChangeVolumeProc volumeProc = nullptr;
    ProcessDataProc dataProc = nullptr;
    std::size_t next = 0; // entry the next header read returns
};
Script script;
int handleTarget;

const ArchiveLibrary ScriptedLibrary{
    [](OpenRecord &record) -> ArchiveHandle {
        script.calls.push_back("open");
        script.openedName = record.ArchiveName;
        script.openedMode = record.Mode;
        record.Result = script.openResult;
        return script.openResult == 0 ? &handleTarget : nullptr;
    },
    [](ArchiveHandle handle, ChangeVolumeProc proc) {
        script.calls.push_back(handle == &handleTarget ? "set volume proc" : "bad handle");
        script.volumeProc = proc;
    },
    [](ArchiveHandle handle, ProcessDataProc proc) {
        script.calls.push_back(handle == &handleTarget ? "set data proc" : "bad handle");
        script.dataProc = proc;
    },
    [](ArchiveHandle handle, HeaderRecord &record) {
        script.calls.push_back(handle == &handleTarget ? "read header" : "bad handle");
        if (script.next >= script.entries.size())
            return script.endResult;
        const ScriptedEntry &entry = script.entries[script.next++];
        std::memset(record.FileName, 0, sizeof record.FileName);
        std::memcpy(record.FileName, entry.name.data(),
                    std::min(entry.name.size(), sizeof record.FileName));
        record.UnpSize = entry.unpSize;
        record.UnpSizeHigh = entry.unpSizeHigh;
        return 0;
    },
    [](ArchiveHandle handle, int operation, char *destPath, char *destName) {
        script.calls.push_back(handle == &handleTarget ? "process" : "bad handle");
        script.operations.push_back(operation);
        script.destinations.push_back(destPath);
        script.destNameAlwaysNull = script.destNameAlwaysNull && destName == nullptr;
        const ScriptedEntry &entry = script.entries[script.next - 1];
        for (int size : entry.blocks)
            if (script.dataProc(nullptr, size) == 0)
                return static_cast<int>(Unknown); // what the library answers to a stop
        return entry.processResult;
    },
    [](ArchiveHandle handle) {
        script.calls.push_back(handle == &handleTarget ? "close" : "bad handle");
        return 0;
    },
};

class ScriptedRun : public ::testing::Test {
  protected:
    void SetUp() override {
        script = Script{};
        config::InstallerState.ArchivePath = "/media/rel/data.rar";
        config::InstallerState.DestinationFolder = "/home/user/Games";
    }
    void Run() { RunExtraction(view, ScriptedLibrary); }
    RecordingView view;
};

TEST_F(ScriptedRun, MakesTheLibraryCallsInOrderWithTheRunsArguments) {
    script.entries = {{"docs/readme.txt", 1000, 0, 0, {250, 250, 500}}, {"docs", 0, 0, 0}};
    Run();
    EXPECT_EQ(script.calls, (std::vector<std::string>{"open", "set volume proc", "set data proc",
                                                      "read header", "process", "read header",
                                                      "process", "read header", "close"}));
    EXPECT_EQ(script.openedName, "/media/rel/data.rar");
    EXPECT_EQ(script.openedMode, 1u);
    EXPECT_EQ(script.volumeProc, &OnChangeVolume);
    EXPECT_EQ(script.dataProc, &OnProcessData);
    EXPECT_EQ(script.operations, (std::vector<int>{2, 2}));
    EXPECT_EQ(script.destinations, std::vector<std::string>(2, "/home/user/Games"));
    EXPECT_TRUE(script.destNameAlwaysNull);
    EXPECT_EQ(view.Log,
              (std::vector<std::string>{"title: Installing - (data.rar)", "entry: readme.txt",
                                        "entry: docs", "title: Done!"}));
    // The entry's blocks, then a reset after each following header read.
    EXPECT_EQ(view.BarPositions, (std::vector<int>{25, 50, 100, 0, 0}));
    EXPECT_EQ(view.Pumps, 2 + 3);
    EXPECT_EQ(RunState.PercentDone, 0.0);
}

TEST_F(ScriptedRun, OpenFailureShowsItsMessageAndLeavesTheArchiveAlone) {
    const std::vector<std::pair<unsigned, std::string>> rows = {
        {11, "Not enough memory"},
        {12, "Archive /media/rel/data.rar has header broken"},
        {13, "/media/rel/data.rar is not RAR archive"},
        {15, "Cannot open /media/rel/data.rar"},
        {14, ""},
        {10, ""},
        {16, ""},
        {21, ""},
        {1, ""},
        {0xFFFFFFFFu, ""},
    };
    for (const auto &[code, message] : rows) {
        SCOPED_TRACE("open result " + std::to_string(code));
        SetUp();
        script.openResult = code;
        RecordingView failed;
        RunExtraction(failed, ScriptedLibrary);
        EXPECT_EQ(failed.Log, message.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{"error: " + message});
        EXPECT_EQ(script.calls, std::vector<std::string>{"open"});
    }
}

TEST_F(ScriptedRun, EntryWithDataFailingShowsItsMessageAndEndsTheLoop) {
    const std::vector<std::pair<int, std::string>> rows = {
        {12, "CRC error"},
        {13, "Bad volume"},
        {14, "Unknown archive format"},
        {15, "Volume open error"},
        {16, "File create error"},
        {17, "File close error"},
        {18, "Read error"},
        {19, "Write error"},
        {11, ""},
        {20, ""},
        {21, ""},
        {10, ""},
        {1, ""},
        {-1, ""},
    };
    for (const auto &[code, message] : rows) {
        SCOPED_TRACE("process result " + std::to_string(code));
        SetUp();
        script.entries = {{"a.bin", 100, 0, code, {60}}, {"b.bin", 100, 0, 0}};
        RecordingView failed;
        RunExtraction(failed, ScriptedLibrary);
        std::vector<std::string> expected = {"title: Installing - (data.rar)", "entry: a.bin"};
        if (!message.empty())
            expected.push_back("error: " + message);
        expected.push_back("title: Done!");
        EXPECT_EQ(failed.Log, expected);
        EXPECT_EQ(script.calls.back(), "close");
        EXPECT_EQ(std::count(script.calls.begin(), script.calls.end(), "process"), 1);
        EXPECT_EQ(failed.BarPositions, std::vector<int>{60}); // the bar stays where it got to
    }
}

TEST_F(ScriptedRun, OnlyEntriesWithoutDataMayFailAndGoOn) {
    struct Row {
        const char *what;
        unsigned low, high;
        bool goesOn;
    };
    const std::vector<Row> rows = {
        {"empty entry", 0, 0, true},
        {"4 GiB entry", 0, 1, false},
        {"2 GiB entry", 0x80000000u, 0, false},
        {"1-byte entry", 1, 0, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        SetUp();
        script.entries = {{"failing", row.low, row.high, CreateFailed}, {"next", 10, 0, 0}};
        RecordingView failed;
        RunExtraction(failed, ScriptedLibrary);
        const std::vector<std::string> expected =
            row.goesOn
                ? std::vector<std::string>{"title: Installing - (data.rar)", "entry: failing",
                                           "entry: next", "title: Done!"}
                : std::vector<std::string>{"title: Installing - (data.rar)", "entry: failing",
                                           "error: File create error", "title: Done!"};
        EXPECT_EQ(failed.Log, expected);
    }
}

TEST_F(ScriptedRun, HeaderReadFailureEndsTheLoop) {
    const std::vector<std::pair<int, std::vector<std::string>>> rows = {
        {BadData, {"File header broken"}},
        {BadArchive, {}},
        {Unknown, {}},
        {EndArchive, {}},
    };
    for (const auto &[code, errors] : rows) {
        for (std::size_t entriesBefore : {0u, 2u}) {
            SCOPED_TRACE("header result " + std::to_string(code) + " after " +
                         std::to_string(entriesBefore) + " entries");
            SetUp();
            script.entries.assign(entriesBefore, ScriptedEntry{"x", 5, 0, 0});
            script.endResult = code;
            RecordingView failed;
            RunExtraction(failed, ScriptedLibrary);
            EXPECT_EQ(failed.Errors, errors);
            EXPECT_EQ(failed.EntryNames.size(), entriesBefore);
            EXPECT_EQ(failed.Log.back(), "title: Done!");
            EXPECT_EQ(script.calls.back(), "close");
        }
    }
}

TEST_F(ScriptedRun, ShowsTheFileNameOfTheStoredPath) {
    const std::string longFolder(900, 'd');
    const std::string tail(HeaderRecord::NameCapacity - 901, 't'); // reaches the buffer's end
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"docs/readme.txt", "readme.txt"},
        {"readme.txt", "readme.txt"},
        {std::string("a/b.txt\0c/hidden", 16), "b.txt"},
        {longFolder + "/" + tail.substr(0, tail.size() - 1) + "Z",
         tail.substr(0, tail.size() - 1) + "Z"},
        {std::string(HeaderRecord::NameCapacity, 'n'), std::string(255, 'n')},
    };
    for (const auto &[stored, shown] : rows)
        script.entries.push_back({stored, 1, 0, 0});
    Run();
    std::vector<std::string> expected;
    for (const auto &row : rows)
        expected.push_back(row.second);
    EXPECT_EQ(view.EntryNames, expected);
}

TEST_F(ScriptedRun, AbortStopsTheEntryAtTheNextBlockWithoutMessage) {
    script.entries = {{"big.bin", 400, 0, 0, {100, 100, 100, 100}}, {"after.bin", 10, 0, 0}};
    view.CancelOnPump = 3; // pump 1 is the entry's own, then one per block
    Run();
    EXPECT_EQ(view.Log, (std::vector<std::string>{"title: Installing - (data.rar)",
                                                  "entry: big.bin", "title: Done!"}));
    EXPECT_EQ(view.BarPositions, (std::vector<int>{25, 50}));
    EXPECT_EQ(view.Pumps, 3);
}

} // namespace
} // namespace extract::test
