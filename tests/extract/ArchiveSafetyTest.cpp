// Archives whose entries try to write outside the destination folder. The
// library strips ".." and leading "/" from stored paths and does not create
// symbolic links that point outside the destination; these tests hold it to
// that, since the run itself writes wherever the library puts an entry.
#include "RarFixtures.h"
#include "RecordingView.h"
#include "config/InstallerState.h"
#include "extract/ExtractionRun.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace extract::test {
namespace {

// Stages files in a fresh folder of temp and adds them to archive.rar (rar
// appends when the archive exists; -ol stores symbolic links as links).
void AddToArchive(const TempDir &temp, const std::string &stage,
                  const std::function<void(const std::string &root)> &make,
                  const std::string &paths) {
    const std::string root = temp / stage;
    fs::create_directories(root);
    make(root);
    ASSERT_TRUE(RunRar(root, "a -ol '" + temp / "archive.rar" + "' " + paths));
}

void Link(const std::string &target, const std::string &at) {
    fs::create_directories(fs::path(at).parent_path());
    fs::create_symlink(target, at);
}

// Stores relativeName, then renames it in the archive to storedName (same length).
void AddRenamed(const TempDir &temp, const std::string &relativeName,
                const std::string &storedName) {
    AddToArchive(
        temp, "stage",
        [&](const std::string &root) { WriteFile(root + "/" + relativeName, "evil\n"); },
        "'" + relativeName + "'");
    std::string bytes = ReadFile(temp / "archive.rar");
    ASSERT_EQ(ReplaceInHeaders(bytes, relativeName, storedName), 1);
    WriteFile(temp / "archive.rar", bytes);
}

struct EscapeRow {
    const char *tries;
    std::function<void(const TempDir &temp)> build;
};

// Everything below temp but the destination folder's contents.
std::map<std::string, std::string> OutsideDestination(const TempDir &temp) {
    std::map<std::string, std::string> tree = ReadTree(temp.Path());
    std::erase_if(tree, [](const auto &entry) { return entry.first.starts_with("dest/"); });
    return tree;
}

TEST(ExtractSafety, NoEntryIsWrittenOutsideTheDestination) {
    const std::vector<EscapeRow> rows = {
        {"a stored path starting with ../",
         [](const TempDir &temp) { AddRenamed(temp, "aa/evil.txt", "../evil.txt"); }},
        {"a stored path climbing out through aa/../../",
         [](const TempDir &temp) { AddRenamed(temp, "aa/bb/cc/evil.txt", "aa/../../evil.txt"); }},
        {"an absolute stored path into a folder beside the destination",
         [](const TempDir &temp) {
             const std::string absolute = temp / "outside/abs.txt";
             AddRenamed(temp, "a" + absolute.substr(1), absolute);
         }},
        {"a relative link to ../outside, then an entry written through it",
         [](const TempDir &temp) {
             AddToArchive(
                 temp, "stage1", [](auto &root) { Link("../outside", root + "/link"); }, "link");
             AddToArchive(
                 temp, "stage2", [](auto &root) { WriteFile(root + "/link/evil.txt", "evil\n"); },
                 "link/evil.txt");
         }},
        {"an absolute link to the outside folder, then an entry written through it",
         [](const TempDir &temp) {
             AddToArchive(
                 temp, "stage1", [&](auto &root) { Link(temp / "outside", root + "/link"); },
                 "link");
             AddToArchive(
                 temp, "stage2", [](auto &root) { WriteFile(root + "/link/evil.txt", "evil\n"); },
                 "link/evil.txt");
         }},
        {"two links to .. chained (x/b, then x/b/b2), then an entry through both",
         [](const TempDir &temp) {
             AddToArchive(
                 temp, "stage1", [](auto &root) { Link("..", root + "/x/b"); }, "x/b");
             AddToArchive(
                 temp, "stage2", [](auto &root) { Link("..", root + "/x/b/b2"); }, "x/b/b2");
             AddToArchive(
                 temp, "stage3", [](auto &root) { WriteFile(root + "/x/b/b2/evil.txt", "evil\n"); },
                 "x/b/b2/evil.txt");
         }},
    };
    for (const EscapeRow &row : rows) {
        SCOPED_TRACE(row.tries);
        TempDir temp;
        fs::create_directories(temp / "dest");
        fs::create_directories(temp / "outside");
        row.build(temp);
        config::InstallerState.ArchivePath = temp / "archive.rar";
        config::InstallerState.DestinationFolder = temp / "dest";
        const auto before = OutsideDestination(temp);
        RecordingView view;

        RunExtraction(view);
        std::setlocale(LC_ALL, "C");

        EXPECT_EQ(OutsideDestination(temp), before);
        EXPECT_TRUE(fs::is_empty(temp / "outside"));
        EXPECT_EQ(view.Titles.back(), "Done!");
    }
}

} // namespace
} // namespace extract::test
