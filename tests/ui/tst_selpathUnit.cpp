// The folder selection window: layout, "ok", "cancel", Escape and other
// closes, "makedir" with its successes and failures, and the label colours.
#include "WindowSet.h"
#include "config/InstallerState.h"
#include "platform/FolderList.h"
#include "tests/support/TempDir.h"
#include "ui/LabelButton.h"
#include "ui/Unit1.h"
#include "ui/Unit5.h"
#include "ui/selpathUnit.h"

#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using config::InstallerState;
using namespace testsupport;
using ui::HoverColour;
using ui::IdleColour;
using ui::InitialGrey;
using ui::PressedColour;
namespace fs = std::filesystem;

namespace {

class SelectionWindowTest : public WindowSetTest {
  protected:
    void SetUp() override {
        WindowSetTest::SetUp();
        InstallerState.DefaultFolderName = "New Game";
        for (const char *name : {"beta", "Alpha", "sub"})
            fs::create_directory(tree.Path() / name);
        ASSERT_TRUE(selpathForm->dir1->OpenFolder(tree.Str()));
    }

    // Shows the selection window the way "install" does and runs the body
    // while it is up; the body must close it. Answers what ChooseDestination
    // answers.
    static bool Choose(const std::function<void()> &body) {
        QTimer::singleShot(0, [body] {
            body();
            if (selpathForm->InModalShowing() &&
                selpathForm->GetModalResult() == platform::mrNone) {
                ADD_FAILURE() << "the selection window is still open";
                selpathForm->Close();
            }
        });
        return Form1->ChooseDestination();
    }

    // Presses "makedir" and runs the body while the new folder window is up;
    // the body must close it. The button is let go once that window is up, as
    // a person's finger would, so that presses there are not taken for a
    // second button on the hidden "makedir".
    static void MakeDir(const std::function<void()> &body) {
        QWindow *window = selpathForm->windowHandle();
        const QPoint point = selpathForm->Label4->geometry().center();
        QTimer::singleShot(0, [body, window, point] {
            QTest::mouseRelease(window, Qt::LeftButton, {}, point);
            EXPECT_FALSE(selpathForm->isVisible());
            EXPECT_EQ(Form5->Edit1->text(), "New Game");
            body();
            if (Form5->InModalShowing() && Form5->GetModalResult() == platform::mrNone) {
                ADD_FAILURE() << "the new folder window is still open";
                Form5->Close();
            }
        });
        QTest::mousePress(window, Qt::LeftButton, {}, point);
    }

    static void Type(const std::string &name) {
        Form5->Edit1->clear();
        QTest::keyClicks(Form5->Edit1, QString::fromStdString(name));
    }

    static std::vector<std::string> Items() {
        std::vector<std::string> items;
        for (int row = 0; row < selpathForm->dir1->count(); ++row)
            items.push_back(platform::FolderList::ItemPath(selpathForm->dir1->item(row)));
        return items;
    }

    static std::vector<platform::Label *> Buttons() {
        return {selpathForm->Label2, selpathForm->Label3, selpathForm->Label4};
    }

    TempDir tree;
};

} // namespace

// Kept first: the window's first showing in this program.
TEST_F(SelectionWindowTest, AFirstShowingLayoutFocusAndInitialGrey) {
    Choose([] {
        EXPECT_EQ(selpathForm->size(), QSize(326, 300));
        EXPECT_EQ(selpathForm->pos(), QPoint(Form1->Left() + 145, Form1->Top() + 93));
        EXPECT_EQ(selpathForm->Caption(), "Select installation directory..");
        EXPECT_EQ(selpathForm->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
        const struct {
            QWidget *widget;
            QRect geometry;
        } rows[] = {
            {selpathForm->Shape1, {1, 1, 325, 25}},   {selpathForm->Image3, {3, 274, 69, 22}},
            {selpathForm->Image2, {77, 274, 69, 22}}, {selpathForm->Image1, {254, 274, 69, 22}},
            {selpathForm->Label1, {8, 6, 96, 15}},    {selpathForm->Label2, {31, 277, 14, 15}},
            {selpathForm->Label4, {89, 277, 47, 15}}, {selpathForm->Label3, {270, 277, 38, 15}},
            {selpathForm->drive1, {16, 40, 293, 19}}, {selpathForm->dir1, {16, 64, 293, 193}}};
        for (const auto &row : rows)
            EXPECT_EQ(row.widget->geometry(), row.geometry)
                << row.widget->metaObject()->className();
        EXPECT_EQ(selpathForm->Label1->Text(), "Select directory..");
        EXPECT_EQ(selpathForm->Label2->Text(), "ok");
        EXPECT_EQ(selpathForm->Label4->Text(), "makedir");
        EXPECT_EQ(selpathForm->Label3->Text(), "cancel");
        for (platform::Label *button : Buttons())
            EXPECT_EQ(button->Colour(), InitialGrey);
        EXPECT_EQ(selpathForm->focusWidget(), selpathForm->drive1);
        EXPECT_EQ(selpathForm->drive1->nextInFocusChain(), selpathForm->dir1);
        EXPECT_EQ(selpathForm->grab().toImage().pixelColor(5, 150), QColor(Qt::black));
        QTest::keyClick(selpathForm->drive1, Qt::Key_Escape);
    });
}

TEST_F(SelectionWindowTest, OkChoosesTheOpenedFolderNotTheHighlightedOne) {
    const struct {
        std::string opened;
        Qt::MouseButton button;
    } rows[] = {{"/", Qt::MiddleButton},
                {tree.Str() + "/beta", Qt::RightButton},
                {tree.Str(), Qt::LeftButton}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.opened);
        ASSERT_TRUE(selpathForm->dir1->OpenFolder(row.opened));
        InstallerState.ChosenFolder = "stale";
        EXPECT_TRUE(Choose([&] {
            EXPECT_EQ(InstallerState.ChosenFolder, "");
            // Highlight the last item (a sub-folder, where there is one).
            auto *dir1 = selpathForm->dir1;
            QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {},
                              dir1->visualItemRect(dir1->item(dir1->count() - 1)).center());
            PressOn(selpathForm->Label2, row.button);
        }));
        EXPECT_EQ(InstallerState.ChosenFolder, row.opened);
        EXPECT_EQ(InstallerState.DestinationFolder, row.opened);
        EXPECT_EQ(selpathForm->Label2->Colour(), PressedColour);
    }
}

TEST_F(SelectionWindowTest, EveryOtherCloseLeavesChosenFolderEmpty) {
    const struct {
        const char *how;
        std::function<void()> close;
    } rows[] = {
        {"cancel, right button", [] { PressOn(selpathForm->Label3, Qt::RightButton); }},
        {"cancel, middle button", [] { PressOn(selpathForm->Label3, Qt::MiddleButton); }},
        {"Escape with Shift",
         [] { QTest::keyClick(selpathForm->dir1, Qt::Key_Escape, Qt::ShiftModifier); }},
        {"window system's close", [] { selpathForm->close(); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.how);
        InstallerState.ChosenFolder = "stale";
        EXPECT_FALSE(Choose([&] {
            EXPECT_EQ(InstallerState.ChosenFolder, "");
            row.close();
        }));
        EXPECT_EQ(InstallerState.ChosenFolder, "");
        EXPECT_FALSE(selpathForm->isVisible());
    }
}

TEST_F(SelectionWindowTest, MakedirCreatesOneLevelBelowTheCurrentFolderAndOpensIt) {
    const struct {
        std::string typed;
        std::string created;
    } rows[] = {
        {"Games", tree.Str() + "/Games"},
        {"sub/Deep Er", tree.Str() + "/sub/Deep Er"}, // parents exist: only the last level is made
        {"  spaced ", tree.Str() + "/  spaced "},     // exactly as typed
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        ASSERT_TRUE(selpathForm->dir1->OpenFolder(tree.Str()));
        EXPECT_TRUE(Choose([&] {
            MakeDir([&] {
                Type(row.typed);
                PressOn(Form5->Label2);
            });
            EXPECT_TRUE(selpathForm->isVisible());
            EXPECT_TRUE(fs::is_directory(row.created));
            // The new folder is open and highlighted, last in the list: no sub-folders.
            EXPECT_EQ(selpathForm->dir1->CurrentFolder(), row.created);
            EXPECT_EQ(Items().back(), row.created);
            EXPECT_EQ(selpathForm->dir1->currentRow(), selpathForm->dir1->count() - 1);
            EXPECT_EQ(InstallerState.ChosenFolder, "");
            PressOn(selpathForm->Label2);
        }));
        EXPECT_EQ(InstallerState.ChosenFolder, row.created);
        EXPECT_TRUE(CapturedBoxes().empty());
    }
    // The next showing keeps the folder made there.
    EXPECT_FALSE(Choose([&] {
        EXPECT_EQ(selpathForm->dir1->CurrentFolder(), tree.Str() + "/  spaced ");
        QTest::keyClick(selpathForm->dir1, Qt::Key_Escape);
    }));
}

TEST_F(SelectionWindowTest, MakedirAtTheRootAddsNoSecondSeparator) {
    if (access("/", W_OK) != 0)
        GTEST_SKIP() << "needs write access to /";
    const std::string name = "qvx-selpath-test-" + std::to_string(getpid());
    struct Removed {
        std::string path;
        ~Removed() { rmdir(path.c_str()); }
    } removed{"/" + name};
    ASSERT_FALSE(fs::exists(removed.path));
    ASSERT_TRUE(selpathForm->dir1->OpenFolder("/"));
    EXPECT_TRUE(Choose([&] {
        MakeDir([&] {
            Type(name);
            PressOn(Form5->Label2);
        });
        PressOn(selpathForm->Label2);
    }));
    EXPECT_EQ(InstallerState.ChosenFolder, "/" + name);
    EXPECT_TRUE(fs::is_directory("/" + name));
    EXPECT_TRUE(CapturedBoxes().empty());
}

TEST_F(SelectionWindowTest, MakedirThatFailsWarnsAndLeavesTheList) {
    tree.Write("file.txt", "x");
    const char *names[] = {"beta", "file.txt", "missing/level"};
    for (const char *typed : names) {
        SCOPED_TRACE(typed);
        ASSERT_TRUE(selpathForm->dir1->OpenFolder(tree.Str()));
        CaptureBoxes();
        const std::vector<std::string> before = Items();
        EXPECT_FALSE(Choose([&] {
            MakeDir([&] {
                Type(typed);
                PressOn(Form5->Label2);
            });
            EXPECT_TRUE(selpathForm->isVisible());
            QTest::keyClick(selpathForm->dir1, Qt::Key_Escape);
        }));
        ASSERT_EQ(CapturedBoxes().size(), 1u);
        const platform::MessageBoxRecord &box = CapturedBoxes()[0];
        EXPECT_EQ(box.text, "Cannot create directory");
        EXPECT_EQ(box.caption, "Warning");
        EXPECT_EQ(box.icon, platform::BoxIcon::Warning);
        EXPECT_EQ(box.button, "OK");
        EXPECT_EQ(selpathForm->dir1->CurrentFolder(), tree.Str());
        EXPECT_EQ(Items(), before);
        EXPECT_FALSE(fs::exists(tree.Path() / "missing"));
    }
}

TEST_F(SelectionWindowTest, MakedirLeftWithoutANameCreatesNothing) {
    const struct {
        const char *how;
        std::function<void()> leave;
    } rows[] = {
        {"cancel", [] { PressOn(Form5->Label3, Qt::MiddleButton); }},
        {"Escape", [] { QTest::keyClick(Form5->Edit1, Qt::Key_Escape); }},
        {"window system's close", [] { Form5->close(); }},
        {"Close from elsewhere", [] { Form5->Close(); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.how);
        const std::vector<std::string> before = Items();
        EXPECT_FALSE(Choose([&] {
            MakeDir([&] {
                Type("Unwanted");
                row.leave();
            });
            EXPECT_TRUE(selpathForm->isVisible());
            EXPECT_TRUE(selpathForm->isEnabled());
            EXPECT_EQ(InstallerState.NewFolderName, "");
            QTest::keyClick(selpathForm->dir1, Qt::Key_Escape);
        }));
        EXPECT_FALSE(fs::exists(tree.Path() / "Unwanted"));
        EXPECT_EQ(Items(), before);
        EXPECT_TRUE(CapturedBoxes().empty());
        EXPECT_FALSE(Form5->isVisible());
    }
}

TEST_F(SelectionWindowTest, HoverResetAndSurfacesThatChangeNothing) {
    Choose([] {
        const struct {
            const char *surface;
            QWidget *widget;
            QPoint at;
            bool resets;
        } rows[] = {
            {"background", selpathForm, {5, 150}, true},
            {"plate Image1", selpathForm->Image1, {4, 4}, true},
            {"plate Image2", selpathForm->Image2, {4, 4}, true},
            {"plate Image3", selpathForm->Image3, {4, 4}, true},
            {"folder list", selpathForm->dir1->viewport(), {40, 40}, true},
            {"title strip", selpathForm->Shape1, {250, 12}, false},
            {"title caption", selpathForm->Label1, {-1, -1}, false},
            {"drive box", selpathForm->drive1, {-1, -1}, false},
        };
        for (const auto &row : rows) {
            SCOPED_TRACE(row.surface);
            for (platform::Label *button : Buttons())
                button->SetColour(PressedColour);
            MoveOver(row.widget, row.at);
            for (platform::Label *button : Buttons())
                EXPECT_EQ(button->Colour(), row.resets ? IdleColour : PressedColour);
        }
        // A label takes the hover colour alone and keeps it until a reset surface.
        MoveOver(selpathForm, QPoint(5, 150));
        MoveOver(selpathForm->Label4);
        MoveOver(selpathForm->Label2);
        MoveOver(selpathForm->drive1);
        EXPECT_EQ(selpathForm->Label4->Colour(), HoverColour);
        EXPECT_EQ(selpathForm->Label2->Colour(), HoverColour);
        EXPECT_EQ(selpathForm->Label3->Colour(), IdleColour);
        MoveOver(selpathForm->Label3);
        EXPECT_EQ(selpathForm->Label3->Colour(), HoverColour);
        QTest::keyClick(selpathForm->dir1, Qt::Key_Escape);
    });
}
