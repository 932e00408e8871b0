// The text viewer: loading rules, placement between showings, closing, the
// failure report of an unopenable file, and its look.
#include "WindowSet.h"

#include "config/InstallerState.h"
#include "tests/support/TempDir.h"
#include "ui/Unit1.h"
#include "ui/Unit4.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

using config::InstallerState;
using testsupport::CapturedBoxes;
using testsupport::PressOn;

namespace {

class ViewerTest : public testsupport::WindowSetTest {
  protected:
    void TearDown() override {
        TForm4::SetOpenFunction({});
        InstallerState.NfoPath.clear();
        WindowSetTest::TearDown();
    }

    struct Showing {
        bool shown = false;  // the viewer was shown modally
        bool forced = false; // it was still up 2 s after whileShown and was closed here
        QRect frame;         // where it stood when whileShown ran, frame included
    };

    // Runs `open`; once the viewer is in its modal showing, runs `whileShown`
    // there, which is expected to end the showing. A viewer still up two
    // seconds later is closed here, so that no test hangs in the modal loop.
    static Showing Run(const std::function<void()> &open, const std::function<void()> &whileShown) {
        Showing result;
        QElapsedTimer sinceAction;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!Form4->InModalShowing())
                return;
            if (!result.shown) {
                result.shown = true;
                result.frame = Form4->frameGeometry();
                whileShown();
                sinceAction.start();
            } else if (sinceAction.elapsed() > 2000) {
                result.forced = true;
                Form4->Close();
            }
        });
        poll.start();
        open();
        return result;
    }

    // The ".nfo" button of the main window with NfoPath set to path.
    static std::function<void()> PressNfo(const std::string &path) {
        return [path] {
            InstallerState.NfoPath = path;
            PressOn(Form1->Label3);
        };
    }

    static void ShowModal() { Form4->ShowModal(); }
    static void CloseViewer() { Form4->Close(); }

    testsupport::TempDir dir;
};

// Runs first in the executable: the window has not been shown before it.
TEST_F(ViewerTest, FirstShowingCentredAtDesignedSizeLaterShowingsKeepUsersPlaceAndSize) {
    const std::string path = dir.Write("a.nfo", "text\r\n");
    const int menuHeight = Form4->MainMenu1->sizeHint().height();
    const QRect userPlace(40, 30, 500, 360);

    QRect secondPlace;
    const Showing first = Run(PressNfo(path), [&] {
        // Menu bar on top, memo, 19-pixel status bar at the bottom.
        EXPECT_EQ(Form4->size(), QSize(657, menuHeight + 630));
        EXPECT_EQ(Form4->MainMenu1->geometry(), QRect(0, 0, 657, menuHeight));
        EXPECT_EQ(Form4->Memo1->geometry(), QRect(0, menuHeight, 657, 630 - 19));
        EXPECT_EQ(Form4->StatusBar1->geometry(), QRect(0, menuHeight + 630 - 19, 657, 19));
        Form4->setGeometry(userPlace); // the user moves and resizes it
        CloseViewer();
    });
    ASSERT_TRUE(first.shown);
    const QScreen *screen = QGuiApplication::primaryScreen();
    EXPECT_NEAR(first.frame.center().x(), screen->geometry().center().x(), 1);
    if (first.frame.height() <= screen->availableGeometry().height())
        EXPECT_NEAR(first.frame.center().y(), screen->geometry().center().y(), 1);
    else // taller than the screen: the title bar stays reachable
        EXPECT_EQ(first.frame.top(), screen->availableGeometry().top());

    Run(PressNfo(path), [&] {
        secondPlace = Form4->geometry();
        EXPECT_EQ(Form4->Memo1->geometry(), QRect(0, menuHeight, 500, 360 - menuHeight - 19));
        EXPECT_EQ(Form4->StatusBar1->geometry(), QRect(0, 360 - 19, 500, 19));
        CloseViewer();
    });
    EXPECT_EQ(secondPlace, userPlace);
}

TEST_F(ViewerTest, LineBreaksBecomeCrLfAndTheMemoStopsAtTheFirstNul) {
    struct Row {
        const char *name;
        std::string bytes;
        QString shown;
    };
    using namespace std::string_literals;
    const Row rows[] = {
        {"LF only", "one\ntwo\n", u"one\ntwo\n"_qs},
        {"CR only", "one\rtwo\r", u"one\ntwo\n"_qs},
        {"CR LF", "one\r\ntwo\r\n", u"one\ntwo\n"_qs},
        {"LF CR is two breaks", "one\n\rtwo", u"one\n\ntwo"_qs},
        {"CR CR LF is two breaks", "one\r\r\ntwo", u"one\n\ntwo"_qs},
        {"lone CR mid-line", "ab\rcd\r\nef", u"ab\ncd\nef"_qs},
        {"NUL in the middle", "ab\r\ncd\0ef\ngh"s, u"ab\ncd"_qs},
        {"NUL first", "\0abc"s, u""_qs},
        {"empty file", "", u""_qs},
        {"tab and other bytes kept", "a\tb\x01!", u"a\tb\u0001!"_qs},
        {"bytes 128-255 one Windows-1252 char each", "\x80\x81\x9F\xC9\xDB\xFF",
         u"\u20AC\u0081\u0178\u00C9\u00DB\u00FF"_qs},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Form4->LoadFile(dir.Write("t.nfo", row.bytes));
        EXPECT_EQ(Form4->Memo1->toPlainText(), row.shown);
    }
}

TEST_F(ViewerTest, SameTextKeepsScrollAndSelectionOtherTextShowsFromTheFirstLine) {
    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += std::to_string(i) + std::string(300, '.') + "\n";
    const std::string same = dir.Write("same.nfo", lines);
    const std::string other = dir.Write("other.nfo", lines + "last\n");
    QPlainTextEdit *memo = Form4->Memo1;

    Run(PressNfo(same), [&] {
        QTest::keyClick(memo, Qt::Key_Down, Qt::ShiftModifier);
        memo->verticalScrollBar()->setValue(120);
        memo->horizontalScrollBar()->setValue(40);
        CloseViewer();
    });
    const QString selected = memo->textCursor().selectedText();
    ASSERT_FALSE(selected.isEmpty());

    Run(PressNfo(same), [&] {
        EXPECT_EQ(memo->verticalScrollBar()->value(), 120);
        EXPECT_EQ(memo->horizontalScrollBar()->value(), 40);
        EXPECT_EQ(memo->textCursor().selectedText(), selected);
        CloseViewer();
    });

    Run(PressNfo(other), [&] {
        EXPECT_TRUE(memo->toPlainText().endsWith(u"last\n"_qs));
        EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
        EXPECT_EQ(memo->horizontalScrollBar()->value(), 0);
        EXPECT_EQ(memo->textCursor().position(), 0);
        EXPECT_FALSE(memo->textCursor().hasSelection());
        CloseViewer();
    });
}

TEST_F(ViewerTest, EscapeCloseMenuItemAndCloseBoxEndTheModalShowing) {
    struct Row {
        const char *name;
        std::function<void()> close;
    };
    const Row rows[] = {
        {"Escape", [] { QTest::keyClick(Form4->Memo1, Qt::Key_Escape); }},
        {"Shift+Escape", [] { QTest::keyClick(Form4->Memo1, Qt::Key_Escape, Qt::ShiftModifier); }},
        {"Ctrl+Alt+Escape",
         [] {
             QTest::keyClick(Form4->Memo1, Qt::Key_Escape, Qt::ControlModifier | Qt::AltModifier);
         }},
        {"&Close in &File",
         [] {
             QMenuBar *bar = Form4->MainMenu1;
             QTest::mouseClick(bar, Qt::LeftButton, {},
                               bar->actionGeometry(Form4->File1->menuAction()).center());
             QTest::mouseClick(Form4->File1, Qt::LeftButton, {},
                               Form4->File1->actionGeometry(Form4->Exit1).center());
         }},
        {"close box", [] { Form4->close(); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const Showing showing = Run(ShowModal, row.close);
        EXPECT_TRUE(showing.shown);
        EXPECT_FALSE(showing.forced);
        EXPECT_FALSE(Form4->isVisible());
        EXPECT_FALSE(Form4->File1->isVisible());
    }
}

TEST_F(ViewerTest, OtherKeysReachTheReadOnlyMemoWhichHoldsTheFocus) {
    Form4->LoadFile(dir.Write("keys.nfo", "first\nsecond\n"));
    QPlainTextEdit *memo = Form4->Memo1;
    const Showing showing = Run(ShowModal, [&] {
        EXPECT_EQ(Form4->focusWidget(), memo);
        QTest::keyClicks(memo, "x");
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(memo->toPlainText(), u"first\nsecond\n"_qs);
        EXPECT_EQ(memo->textCursor().position(), memo->document()->characterCount() - 1);
        EXPECT_TRUE(Form4->InModalShowing());
        CloseViewer();
    });
    EXPECT_TRUE(showing.shown);
}

TEST_F(ViewerTest, UnopenableFileIsReportedAndTheViewerStaysHidden) {
    Form4->LoadFile(dir.Write("earlier.nfo", "earlier text"));
    const std::string path = dir.Write("release/notes.nfo", "never shown");
    TForm4::SetOpenFunction([](const std::string &) {
        errno = EACCES;
        return -1;
    });

    const Showing showing = Run(PressNfo(path), CloseViewer);

    EXPECT_FALSE(showing.shown);
    ASSERT_EQ(CapturedBoxes().size(), 1u);
    EXPECT_EQ(CapturedBoxes()[0].text, "Cannot open file " + path + ".");
    EXPECT_EQ(CapturedBoxes()[0].caption, "QVX-Installer v1.0");
    EXPECT_EQ(CapturedBoxes()[0].icon, platform::BoxIcon::Error);
    EXPECT_EQ(CapturedBoxes()[0].button, "OK");
    EXPECT_EQ(Form4->Caption(), "Reading notes.nfo..");
    EXPECT_EQ(Form4->Memo1->toPlainText(), u"earlier text"_qs);
}

TEST_F(ViewerTest, NoFileAtThePathShowsNothing) {
    Form4->SetCaption("Reading earlier.nfo..");
    Form4->LoadFile(dir.Write("earlier.nfo", "earlier text"));
    for (const std::string &path : {dir.Str() + "/missing.nfo", dir.Str()}) {
        SCOPED_TRACE(path);
        const Showing showing = Run(PressNfo(path), CloseViewer);
        EXPECT_FALSE(showing.shown);
        EXPECT_TRUE(CapturedBoxes().empty());
        EXPECT_EQ(Form4->Caption(), "Reading earlier.nfo..");
        EXPECT_EQ(Form4->Memo1->toPlainText(), u"earlier text"_qs);
    }
}

TEST_F(ViewerTest, LongLineRunsOnToTheRightAndTheScrollBarReachesItsEnd) {
    const std::string line(2000, 'w');
    Form4->LoadFile(dir.Write("wide.nfo", line + "\r\nshort\r\n"));
    QPlainTextEdit *memo = Form4->Memo1;
    Run(ShowModal, [&] {
        EXPECT_EQ(memo->document()->firstBlock().layout()->lineCount(), 1);
        const QScrollBar *bar = memo->horizontalScrollBar();
        EXPECT_GT(bar->maximum(), 0);
        const int lineWidth = memo->fontMetrics().horizontalAdvance(QString::fromStdString(line));
        EXPECT_GE(bar->maximum() + memo->viewport()->width(), lineWidth);
        CloseViewer();
    });
}

TEST_F(ViewerTest, WhiteFixedPitchTextOnNavyUnderAFileMenu) {
    Form4->LoadFile(dir.Write("look.nfo", std::string(40, '\xDB') + "\r\n"));
    QImage picture;
    Run(ShowModal, [&] {
        picture = Form4->Memo1->viewport()->grab().toImage();
        CloseViewer();
    });
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixelColor(picture.width() - 5, picture.height() - 5), QColor(0, 0, 128));
    bool whiteText = false;
    const int firstLine = Form4->Memo1->fontMetrics().height();
    for (int y = 0; y < firstLine && !whiteText; ++y)
        for (int x = 0; x < picture.width() / 2 && !whiteText; ++x)
            whiteText = picture.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_TRUE(whiteText);

    const QFontInfo font(Form4->Memo1->font());
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_EQ(font.pixelSize(), 12);

    ASSERT_EQ(Form4->MainMenu1->actions().size(), 1);
    EXPECT_EQ(Form4->MainMenu1->actions()[0]->text(), u"&File"_qs);
    ASSERT_EQ(Form4->File1->actions().size(), 1);
    EXPECT_EQ(Form4->Exit1->text(), u"&Close"_qs);
    EXPECT_TRUE(Form4->Exit1->shortcut().isEmpty());
    EXPECT_TRUE(Form4->StatusBar1->currentMessage().isEmpty());
}

} // namespace
