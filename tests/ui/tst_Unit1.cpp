// The main window: geometry, label-button colours, the press sequence, Pause
// and the "install" checks.
#include "WindowSet.h"
#include "config/InstallerState.h"
#include "platform/SystemServices.h"
#include "tests/support/TempDir.h"
#include "ui/LabelButton.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/selpathUnit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using config::InstallerState;
using namespace testsupport;
using ui::HoverColour;
using ui::IdleColour;
using ui::InitialGrey;
using ui::PressedColour;

namespace {

class MainWindowTest : public WindowSetTest {
  protected:
    std::vector<platform::Label *> Buttons() const {
        return {Form1->lbl_install, Form1->Label3, Form1->Label4, Form1->Label5};
    }
};

} // namespace

// Kept first: the very first colour is the initial grey, not IdleColour.
TEST_F(MainWindowTest, AGeometryAndInitialColours) {
    EXPECT_EQ(Form1->size(), QSize(511, 462));
    EXPECT_EQ(Form1->Caption(), "QVX-Installer");
    EXPECT_EQ(Form1->windowTitle(), "QVX-Installer v1.0");
    EXPECT_EQ(Form1->Image1->geometry(), QRect(0, 0, 512, 463));
    const struct {
        platform::Label *label;
        QRect geometry;
        const char *caption;
    } rows[] = {{Form1->lbl_install, {144, 435, 34, 15}, "install"},
                {Form1->Label3, {249, 435, 21, 15}, ".nfo"},
                {Form1->Label4, {347, 435, 19, 15}, ".diz"},
                {Form1->Label5, {446, 435, 21, 15}, "quit"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(row.label->geometry(), row.geometry);
        EXPECT_EQ(row.label->Text(), row.caption);
        EXPECT_EQ(row.label->Colour(), InitialGrey);
        EXPECT_EQ(row.label->font().family(), "Liberation Sans");
        EXPECT_TRUE(row.label->font().bold());
        EXPECT_EQ(row.label->font().pixelSize(), 12);
        // The caption fits the width the window reserves for it.
        EXPECT_LE(QFontMetrics(row.label->font()).horizontalAdvance(row.caption),
                  row.geometry.width() + 1);
    }
    EXPECT_EQ(Form1->lbl_title_main->pos(), QPoint(115, 6));
    EXPECT_EQ(Form1->lbl_title_sub->pos(), QPoint(115, 18));
    EXPECT_TRUE(Form1->lbl_title_main->font().bold());
    EXPECT_FALSE(Form1->lbl_title_sub->font().bold());
    EXPECT_EQ(Form1->lbl_title_main->font().pixelSize(), 11);
}

TEST_F(MainWindowTest, HoverResetAndTitleLinesThatChangeNothing) {
    MoveOver(Form1->Image1, QPoint(300, 200));
    for (platform::Label *button : Buttons())
        EXPECT_EQ(button->Colour(), IdleColour);
    // Two buttons reached without crossing the picture both stay pink.
    MoveOver(Form1->lbl_install);
    MoveOver(Form1->Label4);
    EXPECT_EQ(Form1->lbl_install->Colour(), HoverColour);
    EXPECT_EQ(Form1->Label4->Colour(), HoverColour);
    EXPECT_EQ(Form1->Label3->Colour(), IdleColour);
    // A title line swallows the movement: nothing changes.
    Form1->SetTitleMain("Some Title");
    MoveOver(Form1->lbl_title_main);
    EXPECT_EQ(Form1->lbl_install->Colour(), HoverColour);
    MoveOver(Form1->Image1, QPoint(20, 300));
    EXPECT_EQ(Form1->Label4->Colour(), IdleColour);
}

TEST_F(MainWindowTest, SettingTheSameColourDoesNotRepaint) {
    MoveOver(Form1->Image1, QPoint(300, 200));
    QCoreApplication::processEvents();
    const int before = Form1->Label3->PaintCount();
    for (int i = 0; i < 5; ++i)
        MoveOver(Form1->Image1, QPoint(300 + i, 200));
    QCoreApplication::processEvents();
    EXPECT_EQ(Form1->Label3->PaintCount(), before);
    MoveOver(Form1->Label3);
    QCoreApplication::processEvents();
    EXPECT_GT(Form1->Label3->PaintCount(), before);
}

TEST_F(MainWindowTest, AnyButtonPressesWithSynchronousRepaintAndPause) {
    // ".nfo" with no file at NfoPath: only the press feedback happens.
    InstallerState.NfoPath = "/nonexistent/qvx.nfo";
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        MoveOver(Form1->Image1, QPoint(300, 200));
        const int paints = Form1->Label3->PaintCount();
        QElapsedTimer clock;
        clock.start();
        PressOn(Form1->Label3, button);
        EXPECT_GE(clock.elapsed(), 99); // whole ticks of the millisecond counter
        EXPECT_EQ(Form1->Label3->Colour(), PressedColour);
        // Painted before the pause, without the event loop's help.
        EXPECT_GT(Form1->Label3->PaintCount(), paints);
    }
    EXPECT_TRUE(CapturedBoxes().empty());
}

TEST_F(MainWindowTest, PauseOnTheTickCounterIncludingTheSignedWrap) {
    struct Row {
        std::uint32_t start;
        std::int32_t milliseconds;
        int readingsUntilDone; // reads after the start reading
    };
    const Row rows[] = {
        {1000, 100, 100},       // ends at start + 100
        {1000, 0, 1},           // Pause(0) returns at once
        {0x7FFFFFF0u, 100, 1},  // end passes 2^31 - 1: signed compare ends at once
        {0xFFFFFFF0u, 100, 100} // unsigned wrap of the counter itself: a normal wait
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.start);
        std::uint32_t now = row.start;
        int reads = -1;
        platform::SetTickSource([&] {
            ++reads;
            return reads == 0 ? now : ++now;
        });
        Form1->Pause(row.milliseconds);
        EXPECT_EQ(reads, row.readingsUntilDone);
    }
}

TEST_F(MainWindowTest, InstallChecksArchiveThenFolderAfterTheSelection) {
    testsupport::TempDir dir;
    const struct {
        std::string archive, chosen, message;
    } rows[] = {
        {"/nonexistent/data.rar", "/nonexistent/dir",
         "Can't find file to extract.\rProcess stopped..."},
        {dir.Write("data.rar", "x"), "/nonexistent/dir",
         "Can't find directory to extract.\rProcess stopped..."},
        {dir.Str(), dir.Str(),
         "Can't find file to extract.\rProcess stopped..."}, // a folder is no file
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message);
        CaptureBoxes();
        InstallerState.ArchivePath = row.archive;
        // The selection window hands back a folder as "ok" would.
        QTimer::singleShot(20, [&] {
            InstallerState.ChosenFolder = row.chosen;
            selpathForm->Close();
        });
        PressOn(Form1->lbl_install);
        EXPECT_EQ(InstallerState.DestinationFolder, row.chosen);
        ASSERT_EQ(CapturedBoxes().size(), 1u);
        EXPECT_EQ(CapturedBoxes()[0].text, row.message);
        EXPECT_EQ(CapturedBoxes()[0].caption, "Error");
        EXPECT_FALSE(Form2->isVisible());
    }
}

TEST_F(MainWindowTest, CancelledSelectionStopsSilently) {
    InstallerState.DestinationFolder = "/previous";
    QTimer::singleShot(20, [] { selpathForm->Close(); });
    PressOn(Form1->lbl_install);
    EXPECT_EQ(InstallerState.DestinationFolder, "");
    EXPECT_TRUE(CapturedBoxes().empty());
}

TEST_F(MainWindowTest, InstallResetsBarAndAbortFlagThenShowsCreditsWhateverTheOutcome) {
    testsupport::TempDir dir;
    dir.Write("content/a.txt", "alpha");
    ASSERT_TRUE(RunRar(dir / "content", "a '" + dir / "data.rar" + "' a.txt"));
    InstallerState.ArchivePath = dir.Str() + "/data.rar";
    const std::string target = dir.Str() + "/target";
    std::filesystem::create_directory(target);

    // Left over from an earlier, aborted installation.
    Form2->ProgressBar1->SetPosition(77);
    Form2->SetCancelRequested(1);
    int barAtRun = -1;
    bool abortAtRun = true;
    bool creditsShown = false;
    QTimer::singleShot(20, [&] {
        InstallerState.ChosenFolder = target;
        selpathForm->Close();
        // Fires in the run's first event pump.
        QTimer::singleShot(0, [&] {
            barAtRun = Form2->ProgressBar1->Position();
            abortAtRun = Form2->IsCancelRequested();
        });
    });
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (Form3->isVisible()) {
            creditsShown = true;
            Form3->Close();
        }
    });
    closer.start(20);
    PressOn(Form1->lbl_install);
    EXPECT_EQ(barAtRun, 0);
    EXPECT_FALSE(abortAtRun);
    EXPECT_TRUE(creditsShown);
    EXPECT_EQ(ReadFile(target + "/a.txt"), "alpha");
    // The same after a failed open: the credits still follow.
    InstallerState.ArchivePath = dir.Write("bad.rar", "not an archive");
    creditsShown = false;
    QTimer::singleShot(20, [&] {
        InstallerState.ChosenFolder = target;
        selpathForm->Close();
        QTimer::singleShot(300, [] { Form2->Close(); }); // the window waits for the user
    });
    PressOn(Form1->lbl_install);
    EXPECT_TRUE(creditsShown);
    ASSERT_EQ(CapturedBoxes().size(), 1u);
    EXPECT_EQ(CapturedBoxes()[0].text, InstallerState.ArchivePath + " is not RAR archive");
}
