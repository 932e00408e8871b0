#include "config/PathHelpers.h"

#include <gtest/gtest.h>

using namespace config;

TEST(PathHelpers, TableOfCases) {
    struct Row {
        std::string input, withSeparator, folder, fileName;
    };
    const std::string longName(300, 'n');
    const Row rows[] = {
        {"", "/", "", ""},
        {"/", "/", "/", ""},
        {"/home/ann/Games", "/home/ann/Games/", "/home/ann/", "Games"},
        {"/home/ann/Games/", "/home/ann/Games/", "/home/ann/Games/", ""},
        {"readme.txt", "readme.txt/", "", "readme.txt"},
        {"docs/readme.txt", "docs/readme.txt/", "docs/", "readme.txt"},
        // A colon is an ordinary character on this platform.
        {"C:name", "C:name/", "", "C:name"},
        {"/rel/data.r00", "/rel/data.r00/", "/rel/", "data.r00"},
        {"a\\b", "a\\b/", "", "a\\b"},
        {"/x/" + longName, "/x/" + longName + "/", "/x/", longName.substr(0, 255)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(WithTrailingSeparator(row.input), row.withSeparator);
        EXPECT_EQ(FolderPart(row.input), row.folder);
        EXPECT_EQ(FileNamePart(row.input), row.fileName);
    }
}

TEST(PathHelpers, ProgramFolderIsTheExecutablesFolderWithSeparator) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder, ProgramFolder());
    EXPECT_NE(folder, "/");
}
