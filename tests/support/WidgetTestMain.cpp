// Main of every widget test: real widgets on the offscreen platform, one
// application object for the whole executable, and a check after each test
// that no window was left open.
#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class NoWindowLeftOpen : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo &info) override {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible()) {
                ADD_FAILURE() << info.name()
                              << " left a window open: " << widget->windowTitle().toStdString();
                widget->hide();
            }
        }
        platform::SetMessageBoxHook({});
    }
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application application(argc, argv);
    application.SetTitle("QVX-Installer v1.0");
    ::testing::UnitTest::GetInstance()->listeners().Append(new NoWindowLeftOpen);
    return RUN_ALL_TESTS();
}
