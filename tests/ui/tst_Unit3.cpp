// The credits window: layout, "okie" colours and its exits.
#include "WindowSet.h"
#include "ui/LabelButton.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testsupport;
using ui::HoverColour;
using ui::IdleColour;
using ui::InitialGrey;
using ui::PressedColour;

namespace {

class CreditsTest : public WindowSetTest {
  protected:
    // Shows the credits window modally as "install" does and runs the action
    // while it is up.
    void ShowWith(std::function<void()> action) {
        QTimer::singleShot(10, action);
        Form3->move(Form1->Left() + 145, Form1->Top() + 153);
        Form3->ShowModal();
    }
};

} // namespace

TEST_F(CreditsTest, ALayoutAndFirstColour) {
    EXPECT_EQ(Form3->size(), QSize(328, 108));
    EXPECT_EQ(Form3->Caption(), "Notify");
    EXPECT_EQ(Form3->Image2->geometry(), QRect(0, 0, 327, 107));
    const struct {
        platform::Label *label;
        QPoint at;
        const char *text;
        QColor colour;
    } rows[] = {{Form3->Label_title, {8, 6}, "About..", Qt::black},
                {Form3->FileName, {12, 32}, "gfx/design: vantrel", Qt::white},
                {Form3->Label2, {12, 47}, "code: quipso / vantrel", Qt::white},
                {Form3->Label4, {12, 72}, "big thnx to quipso.. you rule man !!", Qt::white},
                {Form3->Label3, {278, 84}, "okie", InitialGrey}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.label->pos(), row.at);
        EXPECT_EQ(row.label->Text(), row.text);
        EXPECT_EQ(row.label->Colour(), row.colour);
    }
    EXPECT_EQ(Form3->Label3->size(), QSize(24, 15));
}

TEST_F(CreditsTest, HoverResetAndTheUncoveredStrip) {
    ShowWith([] {
        MoveOver(Form3->Label3);
        EXPECT_EQ(Form3->Label3->Colour(), HoverColour);
        // The strip along the right edge that the picture leaves uncovered.
        MoveOver(Form3, QPoint(327, 50));
        EXPECT_EQ(Form3->Label3->Colour(), HoverColour);
        for (QWidget *surface :
             std::initializer_list<QWidget *>{Form3->Image2, Form3->Label_title, Form3->FileName,
                                              Form3->Label2, Form3->Label4}) {
            MoveOver(Form3->Label3);
            MoveOver(surface);
            EXPECT_EQ(Form3->Label3->Colour(), IdleColour);
        }
        Form3->Close();
    });
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(CreditsTest, OkieClosesOnAnyButtonAndStaysWhiteUntilMoved) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ShowWith([button] { PressOn(Form3->Label3, button); });
        EXPECT_FALSE(Form3->isVisible());
        EXPECT_EQ(Form3->Label3->Colour(), PressedColour);
    }
    // The next showing still presents "okie" in white.
    ShowWith([] {
        EXPECT_EQ(Form3->Label3->Colour(), PressedColour);
        QTest::keyClick(Form3, Qt::Key_Escape);
    });
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(Form3->Label3->Colour(), PressedColour);
}
