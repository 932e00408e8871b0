// The progress window around real extraction runs: when close requests take
// effect, the abort paths, the timer, a failed open and a second run.
#include "WindowSet.h"
#include "config/InstallerState.h"
#include "tests/support/TempDir.h"
#include "ui/LabelButton.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using config::InstallerState;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class ProgressWindowTest : public WindowSetTest {
  protected:
    void SetUp() override {
        WindowSetTest::SetUp();
        source.Write("content/a.txt", std::string(200000, 'a'));
        source.Write("content/sub/b.txt", std::string(300000, 'b'));
        ASSERT_TRUE(RunRar(source / "content", "a -m0 -r '" + source / "data.rar" + "' a.txt sub"));
        InstallerState.ArchivePath = source.Str() + "/data.rar";
        InstallerState.DestinationFolder = destination.Str();
    }

    // Shows the window as "install" does; returns how long the showing took.
    qint64 Show() {
        Form2->ProgressBar1->SetPosition(0);
        Form2->SetCancelRequested(0);
        QElapsedTimer clock;
        clock.start();
        Form2->ShowModal();
        return clock.elapsed();
    }
    bool Extracted(const std::string &name) const { return fs::exists(destination.Path() / name); }

    TempDir source;
    TempDir destination;
};

} // namespace

TEST_F(ProgressWindowTest, RunCompletesAndTheTimerClosesOnDone) {
    const qint64 elapsed = Show();
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->Label_title->Text(), "Done!");
    EXPECT_EQ(Form2->FileName->Text(), "sub"); // the folder entry comes last
    EXPECT_EQ(Form2->ProgressBar1->Position(), 0);
    EXPECT_TRUE(Extracted("a.txt"));
    EXPECT_TRUE(Extracted("sub/b.txt"));
    EXPECT_TRUE(CapturedBoxes().empty());
    // Closed by the first tick of the 500 ms timer after "Done!".
    EXPECT_GE(elapsed, 450);
    EXPECT_LT(elapsed, 1500);
}

TEST_F(ProgressWindowTest, AbortDuringTheRunStopsItAndClosesAtTheNextTick) {
    const struct {
        const char *how;
        std::function<void()> abort;
    } ways[] = {
        {"Escape", [] { QTest::keyClick(Form2, Qt::Key_Escape); }},
        {"Enter", [] { QTest::keyClick(Form2->Button1, Qt::Key_Return); }},
        {"space", [] { QTest::keyClick(Form2->Button1, Qt::Key_Space); }},
        {"abort, right button", [] { PressOn(Form2->Label3, Qt::RightButton); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        fs::remove_all(destination.Path() / "a.txt");
        bool visibleAfterRequest = false;
        // Fires in the run's first event pump, before the first entry starts.
        QTimer::singleShot(0, [&] {
            way.abort();
            QTimer::singleShot(100, [&] { visibleAfterRequest = Form2->isVisible(); });
        });
        const qint64 elapsed = Show();
        EXPECT_TRUE(Form2->IsCancelRequested());
        EXPECT_TRUE(visibleAfterRequest); // the request made during the run was dropped
        EXPECT_GE(elapsed, 450);
        EXPECT_EQ(Form2->Label_title->Text(), "Done!");
        EXPECT_FALSE(Extracted("a.txt"));
        EXPECT_TRUE(CapturedBoxes().empty());
    }
    EXPECT_EQ(Form2->Label3->Colour(), ui::PressedColour);
}

TEST_F(ProgressWindowTest, FailedOpenWaitsForTheUserThenClosesAtOnce) {
    InstallerState.ArchivePath = source.Write("not-an-archive.rar", "this is no archive at all");
    bool stillUp = false;
    QTimer::singleShot(700, [&] {
        stillUp = Form2->isVisible();
        QTest::keyClick(Form2, Qt::Key_Escape);
    });
    const qint64 elapsed = Show();
    EXPECT_TRUE(stillUp);
    EXPECT_LT(elapsed, 1000); // closed with the key, not at a later tick
    EXPECT_EQ(Form2->Label_title->Text(), "Installing");
    ASSERT_EQ(CapturedBoxes().size(), 1u);
    EXPECT_EQ(CapturedBoxes()[0].text, InstallerState.ArchivePath + " is not RAR archive");
    EXPECT_EQ(CapturedBoxes()[0].caption, "Error");
}

TEST_F(ProgressWindowTest, SecondInstallationInTheSameProcess) {
    Show();
    ASSERT_EQ(Form2->Label_title->Text(), "Done!");
    fs::remove_all(destination.Path() / "a.txt");
    fs::remove_all(destination.Path() / "sub");
    std::string titleAtShow;
    QTimer::singleShot(0, [&] { titleAtShow = Form2->Label_title->Text(); });
    const qint64 elapsed = Show();
    // The new run named the archive, so the title was reset to "Installing"
    // at the showing and the old "Done!" did not close the window early.
    EXPECT_EQ(titleAtShow, "Installing - (data.rar)");
    EXPECT_GE(elapsed, 450);
    EXPECT_TRUE(Extracted("a.txt"));
    EXPECT_TRUE(Extracted("sub/b.txt"));
}

TEST_F(ProgressWindowTest, LayoutAndResetSurfaces) {
    EXPECT_EQ(Form2->size(), QSize(327, 107));
    EXPECT_EQ(Form2->Caption(), "Installing");
    EXPECT_EQ(Form2->Label3->geometry(), QRect(274, 84, 30, 15));
    EXPECT_EQ(Form2->Label1->pos(), QPoint(11, 44));
    EXPECT_EQ(Form2->FileName->pos(), QPoint(69, 44));
    EXPECT_EQ(Form2->Label_title->pos(), QPoint(8, 6));
    EXPECT_EQ(Form2->ProgressBar1->geometry(), QRect(10, 60, 305, 16));
    EXPECT_EQ(Form2->Button1->geometry(), QRect(152, 340, 75, 25));
    EXPECT_TRUE(Form2->Button1->isDefault());
    Form2->Show();
    for (QWidget *surface :
         std::initializer_list<QWidget *>{Form2->Image2, Form2->ProgressBar1, Form2->Label_title,
                                          Form2->FileName, Form2->Label1}) {
        MoveOver(Form2->Label3);
        EXPECT_EQ(Form2->Label3->Colour(), ui::HoverColour);
        MoveOver(surface, QPoint(2, 2));
        EXPECT_EQ(Form2->Label3->Colour(), ui::IdleColour);
    }
    Form2->hide();
}
