#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Failure.h"
#include "platform/Form.h"

#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using platform::Application;
using platform::Form;

namespace {

// A window whose handlers log what happens and run scripted actions.
class ProbeForm : public Form {
  public:
    explicit ProbeForm(std::vector<std::string> *log, std::string name)
        : log_(log), name_(std::move(name)) {
        SetClientSize(100, 80);
        Application::Instance()->Register(this);
    }
    std::function<void()> onActivate;
    std::function<void()> onShow;
    void FormShow() override {
        log_->push_back(name_ + ".show");
        if (onShow)
            onShow();
    }
    void FormActivate() override {
        log_->push_back(name_ + ".activate");
        if (onActivate)
            onActivate();
    }
    bool FormKeyDown(int key, Qt::KeyboardModifiers) override {
        log_->push_back(name_ + ".key" + std::to_string(key));
        if (key == Qt::Key_Escape)
            Close();
        return false;
    }

  private:
    std::vector<std::string> *log_;
    std::string name_;
};

class ModalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::SetMessageBoxHook(
            [this](const platform::MessageBoxRecord &r) { boxes.push_back(r); });
    }
    std::vector<std::string> log;
    std::vector<platform::MessageBoxRecord> boxes;
    ProbeForm mainWindow{&log, "main"}; // registered first: the main window
};

void Later(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, action);
}

} // namespace

TEST_F(ModalTest, ActivationRunsInsideShowAndCloseRequestsThereAreDropped) {
    ProbeForm form(&log, "a");
    int closesSeen = 0;
    form.onActivate = [&] {
        // A close requested while the activation handler runs is dropped when
        // the modal result is reset after it.
        form.Close();
        ++closesSeen;
    };
    Later(50, [&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), platform::mrCancel);
    EXPECT_EQ(closesSeen, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(log, (std::vector<std::string>{"a.show", "a.activate"}));
}

TEST_F(ModalTest, NestedShowingsDisableAndRestoreAndReactivate) {
    ProbeForm outer(&log, "outer");
    ProbeForm inner(&log, "inner");
    bool outerEnabledDuringInner = true;
    bool started = false;
    outer.onActivate = [&] {
        if (started)
            return;
        started = true;
        Later(10, [&] {
            Later(20, [&] {
                outerEnabledDuringInner = outer.isEnabled();
                inner.SetModalResult(platform::mrOk);
            });
            EXPECT_EQ(inner.ShowModal(), platform::mrOk);
            EXPECT_TRUE(outer.isEnabled());
            outer.SetModalResult(7);
        });
    };
    EXPECT_EQ(outer.ShowModal(), 7);
    EXPECT_FALSE(outerEnabledDuringInner);
    EXPECT_EQ(log, (std::vector<std::string>{"outer.show", "outer.activate", "inner.show",
                                             "inner.activate", "outer.activate"}));
}

TEST_F(ModalTest, ShowingAVisibleWindowModallyFails) {
    ProbeForm form(&log, "a");
    form.Show();
    EXPECT_THROW(form.ShowModal(), platform::Failure);
    try {
        form.ShowModal();
    } catch (const platform::Failure &failure) {
        EXPECT_STREQ(failure.what(), "Cannot make a visible window modal");
    }
    form.hide();
}

TEST_F(ModalTest, FailureInHandlerIsReportedAndLoopGoesOn) {
    ProbeForm form(&log, "a");
    form.onActivate = [] { throw platform::Failure("Cannot open file /x/y.nfo"); };
    Later(30, [&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), platform::mrCancel);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cannot open file /x/y.nfo.");
    EXPECT_EQ(boxes[0].caption, "QVX-Installer v1.0");
    EXPECT_EQ(boxes[0].icon, platform::BoxIcon::Error);
    EXPECT_EQ(boxes[0].button, "OK");
}

TEST_F(ModalTest, KeyPreviewSeesKeysOfFocusedChildOnceAndEscapeCloses) {
    ProbeForm form(&log, "a");
    auto *child = new QWidget(&form);
    child->setFocusPolicy(Qt::StrongFocus);
    form.onActivate = [&] {
        Later(10, [&] {
            QTest::keyClick(child, Qt::Key_A);
            QTest::keyClick(child, Qt::Key_Escape, Qt::ShiftModifier);
        });
    };
    EXPECT_EQ(form.ShowModal(), platform::mrCancel);
    const std::vector<std::string> expected{
        "a.show", "a.activate", "a.key" + std::to_string(Qt::Key_A),
        "a.key" + std::to_string(Qt::Key_Shift), "a.key" + std::to_string(Qt::Key_Escape)};
    EXPECT_EQ(log, expected);
}

TEST_F(ModalTest, CloseOfNonModalWindowHidesIt) {
    ProbeForm form(&log, "a");
    form.Show();
    ASSERT_TRUE(form.isVisible());
    form.Close();
    EXPECT_FALSE(form.isVisible());
    // A close request from the window system goes the same way.
    form.Show();
    form.close();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ModalTest, ErrorBoxAndWarningRecords) {
    platform::ShowErrorBox("Can't find file to extract.\rProcess stopped...");
    platform::ShowWarningDialog("Cannot create directory");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "Can't find file to extract.\rProcess stopped...");
    EXPECT_EQ(boxes[1].caption, "Warning");
    EXPECT_EQ(boxes[1].icon, platform::BoxIcon::Warning);
    EXPECT_EQ(boxes[1].button, "OK");
    EXPECT_EQ(platform::DisplayedLines("a\rb\r\nc\nd"), "a\nb\nc\nd");
}

// Kept last in this file: it ends the application's loops for good.
TEST_F(ModalTest, ZzQuitWhileModalEndsBothLoops) {
    Application *app = Application::Instance();
    ProbeForm dialog(&log, "dialog");
    ASSERT_EQ(app->MainForm(), &mainWindow);
    mainWindow.Show();
    dialog.onActivate = [&] { Later(10, [&] { mainWindow.Close(); }); };
    EXPECT_EQ(dialog.ShowModal(), platform::mrCancel);
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(app->Run(), 0); // the outer loop ends at once
    mainWindow.hide();
}
