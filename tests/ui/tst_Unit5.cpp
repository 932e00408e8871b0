// The new folder window, reached the way a person reaches it: "install", then
// "makedir" in the folder selection window. Layout, its three ways out, "ok"
// with an empty name, Enter, and the label colours.
#include "WindowSet.h"
#include "config/InstallerState.h"
#include "platform/SystemServices.h"
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

using config::InstallerState;
using namespace testsupport;
using ui::HoverColour;
using ui::IdleColour;
using ui::InitialGrey;
using ui::PressedColour;
namespace fs = std::filesystem;

namespace {

// Notes whether the new folder window was still up when the selection
// window became visible again.
class ShowProbe : public QObject {
  public:
    std::vector<bool> form5VisibleAtShow;

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Show)
            form5VisibleAtShow.push_back(Form5->isVisible());
        return false;
    }
};

class NewFolderWindowTest : public WindowSetTest {
  protected:
    void SetUp() override {
        WindowSetTest::SetUp();
        InstallerState.DefaultFolderName = "New Game";
        ASSERT_TRUE(selpathForm->dir1->OpenFolder(tree.Str()));
    }

    // "install" as far as the selection window, then "makedir" there; the
    // body runs while the new folder window is up and must close it. The
    // selection window is left with Escape afterwards.
    static void InNewFolderWindow(const std::function<void()> &body) {
        QTimer::singleShot(0, [body] {
            QWindow *window = selpathForm->windowHandle();
            const QPoint point = selpathForm->Label4->geometry().center();
            QTimer::singleShot(0, [body, window, point] {
                // The finger leaves "makedir" once this window is up.
                QTest::mouseRelease(window, Qt::LeftButton, {}, point);
                body();
                if (Form5->InModalShowing() && Form5->GetModalResult() == platform::mrNone) {
                    ADD_FAILURE() << "the new folder window is still open";
                    Form5->Close();
                }
            });
            QTest::mousePress(window, Qt::LeftButton, {}, point);
            EXPECT_TRUE(selpathForm->isVisible());
            QTest::keyClick(selpathForm->dir1, Qt::Key_Escape);
        });
        Form1->ChooseDestination();
    }

    // Real key presses; a character beyond ASCII comes as its key with its text.
    static void Type(const QString &name) {
        Form5->Edit1->clear();
        for (const QChar c : name) {
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, Form5->Edit1, key, QString(c), Qt::NoModifier);
        }
    }

    TempDir tree;
};

} // namespace

// Kept first: the window's first showing in this program.
TEST_F(NewFolderWindowTest, AFirstShowingLayoutFocusAndInitialGrey) {
    InNewFolderWindow([] {
        EXPECT_EQ(Form5->size(), QSize(326, 120));
        EXPECT_EQ(Form5->pos(), QPoint(Form1->Left() + 145, Form1->Top() + 153));
        EXPECT_EQ(Form5->Caption(), "Form5");
        const struct {
            QWidget *widget;
            QRect geometry;
        } rows[] = {{Form5->Image1, {254, 94, 69, 22}}, {Form5->Shape1, {1, 1, 325, 25}},
                    {Form5->Label1, {8, 6, 98, 15}},    {Form5->Image3, {3, 94, 69, 22}},
                    {Form5->Label2, {31, 97, 14, 15}},  {Form5->Label3, {270, 97, 38, 15}},
                    {Form5->Edit1, {56, 48, 209, 21}}};
        for (const auto &row : rows)
            EXPECT_EQ(row.widget->geometry(), row.geometry);
        EXPECT_EQ(Form5->Label1->Text(), "Enter new name..");
        EXPECT_EQ(Form5->Label2->Colour(), InitialGrey);
        EXPECT_EQ(Form5->Label3->Colour(), InitialGrey);
        EXPECT_EQ(Form5->Edit1->font().pixelSize(), 11);
        // The proposed name has the focus, selected, so typing replaces it.
        EXPECT_EQ(Form5->focusWidget(), Form5->Edit1);
        EXPECT_EQ(Form5->Edit1->text(), "New Game");
        EXPECT_EQ(Form5->Edit1->selectedText(), "New Game");
        QTest::keyClicks(Form5->Edit1, "Mine");
        EXPECT_EQ(Form5->Edit1->text(), "Mine");
        QTest::keyClick(Form5->Edit1, Qt::Key_Escape);
    });
}

TEST_F(NewFolderWindowTest, EachWayOutShowsTheSelectionWindowFirstAndHandsBackTheName) {
    const struct {
        const char *how;
        QString typed;
        std::function<void()> leave;
        std::string handedBack;
    } rows[] = {
        {"ok", "   ", [] { PressOn(Form5->Label2); }, "   "},
        {"ok, middle button", QString::fromUtf8("Spiele \xc3\xbc"),
         [] { PressOn(Form5->Label2, Qt::MiddleButton); }, "Spiele \xc3\xbc"},
        {"cancel, right button", "Name", [] { PressOn(Form5->Label3, Qt::RightButton); }, ""},
        {"Escape with Shift", "Name",
         [] { QTest::keyClick(Form5->Edit1, Qt::Key_Escape, Qt::ShiftModifier); }, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.how);
        ASSERT_TRUE(selpathForm->dir1->OpenFolder(tree.Str())); // "ok" opened the folder it made
        ShowProbe probe;
        selpathForm->installEventFilter(&probe);
        InNewFolderWindow([&] {
            Type(row.typed);
            row.leave();
            EXPECT_EQ(InstallerState.NewFolderName, row.handedBack);
        });
        selpathForm->removeEventFilter(&probe);
        // Shown by "install" first, then again while the new folder window is up.
        EXPECT_EQ(probe.form5VisibleAtShow, (std::vector<bool>{false, true}));
        EXPECT_FALSE(Form5->isVisible());
        if (!row.handedBack.empty()) {
            EXPECT_TRUE(fs::is_directory(tree.Path() / row.handedBack));
        }
    }
    EXPECT_TRUE(CapturedBoxes().empty());
}

TEST_F(NewFolderWindowTest, OkWithAnEmptyNameAndEnterDoNothing) {
    InstallerState.DefaultFolderName = "";
    InNewFolderWindow([] {
        EXPECT_EQ(Form5->Edit1->text(), "");
        MoveOver(Form5->Label2);
        int tickReads = 0;
        platform::SetTickSource(
            [&tickReads] { return static_cast<std::uint32_t>(++tickReads * 1000); });
        PressOn(Form5->Label2);
        EXPECT_EQ(tickReads, 0); // no pause
        EXPECT_EQ(Form5->Label2->Colour(), HoverColour);
        EXPECT_TRUE(Form5->isVisible());
        EXPECT_EQ(Form5->GetModalResult(), platform::mrNone);

        Type("typed");
        QTest::keyClick(Form5->Edit1, Qt::Key_Return);
        QTest::keyClick(Form5->Edit1, Qt::Key_Enter);
        EXPECT_EQ(Form5->GetModalResult(), platform::mrNone);
        EXPECT_EQ(InstallerState.NewFolderName, "");
        platform::SetTickSource({});
        PressOn(Form5->Label3);
    });
    EXPECT_FALSE(fs::exists(tree.Path() / "typed"));
}

TEST_F(NewFolderWindowTest, ProposedNameComesBackAtEveryShowing) {
    InNewFolderWindow([] {
        Type("Something else");
        QTest::keyClick(Form5->Edit1, Qt::Key_Escape);
    });
    InNewFolderWindow([] {
        EXPECT_EQ(Form5->Edit1->text(), "New Game");
        QTest::keyClick(Form5->Edit1, Qt::Key_Escape);
    });
}

TEST_F(NewFolderWindowTest, HoverResetAndAPressedColourThatOutlivesTheShowing) {
    InNewFolderWindow([] {
        const struct {
            const char *surface;
            QWidget *widget;
            QPoint at;
            bool resets;
        } rows[] = {
            {"background", Form5, {5, 60}, true},
            {"plate Image1", Form5->Image1, {4, 4}, true},
            {"plate Image3", Form5->Image3, {4, 4}, true},
            {"title caption", Form5->Label1, {-1, -1}, true},
            {"edit", Form5->Edit1, {-1, -1}, true},
            {"title strip beside the caption", Form5->Shape1, {250, 12}, false},
        };
        for (const auto &row : rows) {
            SCOPED_TRACE(row.surface);
            Form5->Label2->SetColour(HoverColour);
            Form5->Label3->SetColour(PressedColour);
            MoveOver(row.widget, row.at);
            EXPECT_EQ(Form5->Label2->Colour(), row.resets ? IdleColour : HoverColour);
            EXPECT_EQ(Form5->Label3->Colour(), row.resets ? IdleColour : PressedColour);
        }
        MoveOver(Form5->Label2);
        EXPECT_EQ(Form5->Label2->Colour(), HoverColour);
        EXPECT_EQ(Form5->Label3->Colour(), PressedColour);
        MoveOver(Form5->Label3);
        EXPECT_EQ(Form5->Label2->Colour(), HoverColour);
        EXPECT_EQ(Form5->Label3->Colour(), HoverColour);
        PressOn(Form5->Label3);
    });
    InNewFolderWindow([] {
        EXPECT_EQ(Form5->Label3->Colour(), PressedColour);
        MoveOver(Form5->Edit1);
        EXPECT_EQ(Form5->Label3->Colour(), IdleColour);
        QTest::keyClick(Form5->Edit1, Qt::Key_Escape);
    });
}
