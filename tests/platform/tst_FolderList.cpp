// The folder list and the drive box linked to it: items and their order,
// opening versus highlighting, folders that cannot be entered, raw-byte names,
// and drives from a mount table.
#include "platform/DriveBox.h"
#include "platform/FolderList.h"
#include "platform/Text.h"
#include "tests/support/TempDir.h"

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using platform::Drive;
using platform::DriveBox;
using platform::FolderList;
using testsupport::TempDir;
namespace fs = std::filesystem;

namespace {

class FolderListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char *name : {"beta", "Alpha", "Charlie", ".hidden", "sub/deeper"})
            fs::create_directories(tree.Path() / name);
        tree.Write("delta.txt", "a file, not a folder");
        fs::create_directory_symlink(tree.Path() / "Alpha", tree.Path() / "echo");
        list->resize(293, 400);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
        ASSERT_TRUE(list->OpenFolder(tree.Str()));
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int row = 0; row < list->count(); ++row)
            texts.push_back(list->item(row)->text().toStdString());
        return texts;
    }
    std::vector<int> Levels() const {
        std::vector<int> levels;
        for (int row = 0; row < list->count(); ++row)
            levels.push_back(list->item(row)->data(FolderList::LevelRole).toInt());
        return levels;
    }
    // The items of the way from the root down to a folder.
    static std::vector<std::string> WayTo(const std::string &folder) {
        std::vector<std::string> way{"/"};
        for (const fs::path &part : fs::path(folder).relative_path())
            way.push_back(part.string());
        return way;
    }
    QListWidgetItem *Item(const std::string &text) const {
        const auto found = list->findItems(QString::fromStdString(text), Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.last();
    }
    QPoint Centre(QListWidgetItem *item) const { return list->visualItemRect(item).center(); }
    std::string Highlighted() const { return FolderList::ItemPath(list->currentItem()); }

    TempDir tree;
    std::unique_ptr<FolderList> list = std::make_unique<FolderList>();
};

} // namespace

TEST_F(FolderListTest, WayDownThenVisibleSubFoldersSortedWithoutRegardToCase) {
    std::vector<std::string> expected = WayTo(tree.Str());
    const int depth = static_cast<int>(expected.size()) - 1;
    for (const char *name : {"Alpha", "beta", "Charlie", "echo", "sub"})
        expected.push_back(name);
    EXPECT_EQ(Texts(), expected);

    std::vector<int> levels;
    for (int level = 0; level <= depth; ++level)
        levels.push_back(level);
    levels.insert(levels.end(), 5, depth + 1);
    EXPECT_EQ(Levels(), levels);

    EXPECT_EQ(list->CurrentFolder(), tree.Str());
    EXPECT_EQ(list->currentRow(), depth);
    EXPECT_EQ(FolderList::ItemPath(list->item(0)), "/");
    EXPECT_EQ(FolderList::ItemPath(Item("Charlie")), tree.Str() + "/Charlie");
    EXPECT_EQ(list->sizeHintForRow(0), 16);
}

TEST_F(FolderListTest, StartsInTheProcessCurrentDirectory) {
    const fs::path before = fs::current_path();
    fs::current_path(tree.Path() / "sub");
    FolderList fresh;
    fs::current_path(before);
    EXPECT_EQ(fresh.CurrentFolder(), tree.Str() + "/sub");
    EXPECT_EQ(FolderList::ItemPath(fresh.currentItem()), tree.Str() + "/sub");
}

TEST_F(FolderListTest, RootIsSlashAndIsTheOnlyFolderWithATrailingSeparator) {
    ASSERT_TRUE(list->OpenFolder("/"));
    EXPECT_EQ(list->CurrentFolder(), "/");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->item(0)->text(), "/");
    ASSERT_GT(list->count(), 1);
    EXPECT_EQ(FolderList::ItemPath(list->item(1)), "/" + list->item(1)->text().toStdString());
    EXPECT_EQ(list->item(1)->data(FolderList::LevelRole).toInt(), 1);
}

TEST_F(FolderListTest, OpenFolderKeepsAFolderItCanEnterAndRefusesTheRest) {
    const std::string base = tree.Str();
    const struct {
        std::string path;
        std::string opened; // "" when the open must fail
    } rows[] = {
        {base + "/sub/", base + "/sub"},
        {base + "//sub///deeper", base + "/sub/deeper"},
        {base + "/sub/../beta", base + "/beta"},
        {"sub", base + "/sub"}, // relative to the current folder
        {base + "/missing", ""},
        {base + "/delta.txt", ""},
        {"", ""},
        {base + std::string("/sub\0/deeper", 12), ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path);
        ASSERT_TRUE(list->OpenFolder(base));
        const std::vector<std::string> before = Texts();
        const bool opened = list->OpenFolder(row.path);
        EXPECT_EQ(opened, !row.opened.empty());
        EXPECT_EQ(list->CurrentFolder(), opened ? row.opened : base);
        if (!opened) {
            EXPECT_EQ(Texts(), before);
        }
    }
}

TEST_F(FolderListTest, ClickAndArrowKeysOnlyHighlightDoubleClickAndEnterOpen) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, Centre(Item("beta")));
    EXPECT_EQ(Highlighted(), tree.Str() + "/beta");
    QTest::keyClick(list.get(), Qt::Key_Down);
    EXPECT_EQ(Highlighted(), tree.Str() + "/Charlie");
    EXPECT_EQ(list->CurrentFolder(), tree.Str());

    QTest::keyClick(list.get(), Qt::Key_Return);
    EXPECT_EQ(list->CurrentFolder(), tree.Str() + "/Charlie");
    EXPECT_EQ(Highlighted(), tree.Str() + "/Charlie");

    // A folder on the way up, then the root item, then a sub-folder.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       Centre(list->item(list->currentRow() - 1)));
    EXPECT_EQ(list->CurrentFolder(), tree.Str());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, Centre(list->item(0)));
    EXPECT_EQ(list->CurrentFolder(), "/");
    ASSERT_TRUE(list->OpenFolder(tree.Str()));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, Centre(Item("sub")));
    EXPECT_EQ(list->CurrentFolder(), tree.Str() + "/sub");
    EXPECT_EQ(Texts().back(), "deeper");

    // Enter on a sub-folder that has gone meanwhile leaves the list where it is.
    list->setCurrentItem(Item("deeper"));
    fs::remove(tree.Path() / "sub/deeper");
    QTest::keyClick(list.get(), Qt::Key_Enter);
    EXPECT_EQ(list->CurrentFolder(), tree.Str() + "/sub");
    list->Reread();
    EXPECT_EQ(Texts().back(), "sub");
}

TEST_F(FolderListTest, NamesShowDecodedAndKeepTheirBytes) {
    const std::string utf8 = "caf\xc3\xa9 \xe2\x82\xac";
    const std::string latin1 = "Caf\xe9";
    fs::create_directory(tree.Path() / utf8);
    fs::create_directory(tree.Path() / latin1);
    list->Reread();

    QListWidgetItem *decoded = Item(platform::ToDisplay(utf8).toStdString());
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->text(), QString::fromUtf8("café €"));
    QListWidgetItem *windows1252 = Item(QString::fromUtf8("Café").toStdString());
    ASSERT_NE(windows1252, nullptr);
    EXPECT_EQ(FolderList::ItemPath(windows1252), tree.Str() + "/" + latin1);
    // "Café" and "café €" sort as one would read them, between beta and Charlie.
    const auto texts = Texts();
    const auto beta = std::find(texts.begin(), texts.end(), "beta");
    ASSERT_NE(beta, texts.end());
    EXPECT_EQ(*(beta + 1), "Caf\xc3\xa9");
    EXPECT_EQ(*(beta + 3), "Charlie");

    list->setCurrentItem(windows1252);
    QTest::keyClick(list.get(), Qt::Key_Return);
    EXPECT_EQ(list->CurrentFolder(), tree.Str() + "/" + latin1);
}

TEST(DriveTable, DrivesAreRootThenBlockAndNetworkMountsWithLabels) {
    const std::string table = "proc /proc proc rw 0 0\n"
                              "sysfs /sys sysfs rw 0 0\n"
                              "/dev/sda2 / ext4 rw 0 0\n"
                              "tmpfs /run tmpfs rw 0 0\n"
                              "/dev/sdb1 /media/ann/USB\\040Stick vfat rw 0 0\n"
                              "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                              "server:/export /mnt/share nfs4 rw 0 0\n"
                              "/dev/sr0 /media/ann/DISC iso9660 ro 0 0\n"
                              "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
                              "/dev/sda3 /home ext4 rw 0 0\n"
                              "//nas/music /mnt/Music cifs rw 0 0\n"
                              "/dev/sdc1 /mnt/old ext4 rw 0 0\n"
                              "tmpfs /mnt/old tmpfs rw 0 0\n"
                              "garbage\n";
    const auto labelOf = [](const std::string &device) -> std::string {
        if (device == "/dev/sdb1")
            return "USB STICK";
        return device == "/dev/sda3" ? "Home" : "";
    };
    const std::vector<Drive> expected = {
        {"/", "", Drive::Kind::Fixed},
        {"/home", "Home", Drive::Kind::Fixed},
        {"/media/ann/DISC", "", Drive::Kind::Optical},
        {"/media/ann/USB Stick", "USB STICK", Drive::Kind::Fixed},
        {"/mnt/Music", "//nas/music", Drive::Kind::Network},
        {"/mnt/share", "server:/export", Drive::Kind::Network},
    };
    EXPECT_EQ(platform::DrivesFromMountTable(table, labelOf), expected);
    EXPECT_EQ(platform::DriveCaption(expected[1]), "/home [Home]");
    EXPECT_EQ(platform::DriveCaption(expected[0]), "/");
    // A table without the root still offers it.
    EXPECT_EQ(platform::DrivesFromMountTable("", labelOf),
              (std::vector<Drive>{{"/", "", Drive::Kind::Fixed}}));
}

TEST_F(FolderListTest, DriveBoxOpensTheChosenDriveAndFollowsTheList) {
    DriveBox box;
    box.SetDrives({{"/", "", Drive::Kind::Fixed},
                   {tree.Str() + "/sub", "Data", Drive::Kind::Fixed},
                   {tree.Str() + "/unplugged", "", Drive::Kind::Fixed}});
    box.SetDirList(list.get());
    EXPECT_EQ(box.SelectedDrive(), "/");
    EXPECT_EQ(box.itemText(1).toStdString(), tree.Str() + "/sub [Data]");

    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(list->CurrentFolder(), tree.Str() + "/sub");

    // A drive that cannot be entered leaves the list, and the box goes back.
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(list->CurrentFolder(), tree.Str() + "/sub");
    EXPECT_EQ(box.SelectedDrive(), tree.Str() + "/sub");

    // Walking in the list moves the box to the drive the folder lies on.
    ASSERT_TRUE(list->OpenFolder(tree.Str() + "/sub/deeper"));
    EXPECT_EQ(box.SelectedDrive(), tree.Str() + "/sub");
    // A name that merely starts like the mount point is not on that drive.
    fs::create_directory(tree.Path() / "subway");
    ASSERT_TRUE(list->OpenFolder(tree.Str() + "/subway"));
    EXPECT_EQ(box.SelectedDrive(), "/");
}
