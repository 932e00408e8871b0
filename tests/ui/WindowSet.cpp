#include "WindowSet.h"

#include "platform/Application.h"
#include "platform/SystemServices.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/selpathUnit.h"

#include <QTest>
#include <QWindow>

namespace testsupport {

void EnsureWindowSet() {
    auto *app = platform::Application::Instance();
    if (Form1 == nullptr) {
        app->CreateForm(Form1);
        app->CreateForm(Form2);
        app->CreateForm(selpathForm);
        app->CreateForm(Form3);
        app->CreateForm(Form4);
        app->CreateForm(Form5);
    }
    if (!Form1->isVisible()) {
        Form1->ShowCentred();
        Form1->Activate();
    }
}

void WindowSetTest::SetUp() {
    EnsureWindowSet();
    CaptureBoxes();
}

void WindowSetTest::TearDown() {
    platform::SetTickSource({});
    Form1->hide();
}

std::vector<platform::MessageBoxRecord> &CapturedBoxes() {
    static std::vector<platform::MessageBoxRecord> boxes;
    return boxes;
}

void CaptureBoxes() {
    CapturedBoxes().clear();
    platform::SetMessageBoxHook(
        [](const platform::MessageBoxRecord &box) { CapturedBoxes().push_back(box); });
}

namespace {

QPoint Where(QWidget *widget, QPoint at) {
    return at == QPoint(-1, -1) ? widget->rect().center() : at;
}

} // namespace

// Events go in through the window, as the window system delivers them, so
// the topmost element under the point receives them.
void MoveOver(QWidget *widget, QPoint at) {
    QWidget *window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, Where(widget, at)));
}

void PressOn(QWidget *widget, Qt::MouseButton button, QPoint at) {
    QWidget *window = widget->window();
    const QPoint point = widget->mapTo(window, Where(widget, at));
    QTest::mousePress(window->windowHandle(), button, Qt::NoModifier, point);
    QTest::mouseRelease(window->windowHandle(), button, Qt::NoModifier, point);
}

} // namespace testsupport
