// The two library callbacks, called directly on a prepared run state.
#include "extract/ProgressCallbacks.h"
#include "RecordingView.h"
#include "extract/RunState.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace extract::test {
namespace {

struct DataRow {
    const char *what;
    std::int64_t entrySize;
    std::vector<int> blocks;
    bool cancelRequested;
    std::vector<int> expectedBars; // after each block
    double expectedPercent;        // after the last block
};

TEST(ExtractProgress, BlocksMoveTheBarByTheirShareOfTheEntry) {
    const std::vector<DataRow> rows = {
        {"quarters and a half", 1000, {250, 250, 500}, false, {25, 50, 100}, 100.0},
        {"1-byte blocks, halves go to even",
         400,
         std::vector<int>(14, 1),
         false,
         {0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 4},
         3.5},
        {"empty block leaves the share", 1000, {500, 0}, false, {50, 50}, 50.0},
        {"negative block is subtracted unscaled", 1000, {500, -5}, false, {50, 45}, 45.0},
        {"entry of size 0 takes no share", 0, {700, 300}, false, {0, 0}, 0.0},
        {"4 GiB entry in 1 GiB blocks",
         4LL << 30,
         {1 << 30, 1 << 30, 1 << 30, 1 << 30},
         false,
         {25, 50, 75, 100},
         100.0},
        {"abort still moves the bar", 1000, {250, 250}, true, {25, 50}, 50.0},
    };
    for (const DataRow &row : rows) {
        SCOPED_TRACE(row.what);
        RecordingView view;
        view.CancelRequested = row.cancelRequested;
        RunState = {&view, 0.0, row.entrySize};
        std::vector<int> results;
        for (int size : row.blocks)
            results.push_back(OnProcessData(nullptr, size));

        EXPECT_EQ(view.BarPositions, row.expectedBars);
        EXPECT_DOUBLE_EQ(RunState.PercentDone, row.expectedPercent);
        EXPECT_EQ(results, std::vector<int>(row.blocks.size(), row.cancelRequested ? 0 : 1));
        EXPECT_EQ(view.Pumps, static_cast<int>(row.blocks.size()));
        EXPECT_EQ(view.FlagReads, static_cast<int>(row.blocks.size()));
        EXPECT_TRUE(view.Log.empty());
    }
}

TEST(ExtractProgress, AbortDeliveredByThePumpStopsThatSameBlock) {
    RecordingView view;
    view.CancelOnPump = 2;
    RunState = {&view, 0.0, 1000};
    EXPECT_EQ(OnProcessData(nullptr, 100), 1);
    EXPECT_EQ(OnProcessData(nullptr, 100), 0);
    EXPECT_EQ(view.BarPositions, (std::vector<int>{10, 20}));
}

TEST(ExtractProgress, BarPositionRoundsHalvesToEvenAndStaysInRange) {
    const std::vector<std::pair<double, int>> rows = {
        {0.5, 0},  {1.5, 2},  {2.5, 2},   {99.5, 100}, {100.5, 100},    {0.49, 0},
        {0.51, 1}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},  {1e12, INT_MAX}, {-1e12, INT_MIN},
    };
    for (const auto &[percent, expected] : rows)
        EXPECT_EQ(BarPosition(percent), expected) << "percent " << percent;
}

struct VolumeRow {
    const char *name;
    int mode;
    std::vector<std::string> expectedLog;
    int expectedResult;
};

TEST(ExtractProgress, VolumeNoticesNameTheVolumeAndRequestsStop) {
    const std::vector<VolumeRow> rows = {
        {"/rel/data.r00", 1, {"title: Installing - (data.r00)"}, 1},
        {"/rel/data.r01", 0, {"error: Can't find file /rel/data.r01.\rProcess stopped..."}, 0},
        {"/rel/data.r02", 2, {"title: Installing - (data.r02)"}, 1},
        {"/rel/data.r03", -1, {"title: Installing - (data.r03)"}, 1},
        {"data.part2.rar", 1, {"title: Installing - (data.part2.rar)"}, 1},
    };
    for (const VolumeRow &row : rows) {
        SCOPED_TRACE(std::string(row.name) + " mode " + std::to_string(row.mode));
        RecordingView view;
        RunState.View = &view;
        std::string name = row.name;
        EXPECT_EQ(OnChangeVolume(name.data(), row.mode), row.expectedResult);
        EXPECT_EQ(view.Log, row.expectedLog);
        EXPECT_EQ(view.Pumps, 0);
        EXPECT_EQ(view.FlagReads, 0);
    }
}

} // namespace
} // namespace extract::test
