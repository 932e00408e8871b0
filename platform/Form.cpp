#include "Form.h"

#include "Application.h"
#include "Failure.h"
#include "Text.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace platform {

Form::Form() {
    setMouseTracking(true);
    SetFrame(Frame::None);
}

Form::~Form() {
    if (Application *app = Application::Instance())
        app->Unregister(this);
}

void Form::SetFrame(Frame frame) {
    frame_ = frame;
    ApplyWindowFlags();
}

void Form::SetIsMainForm(bool isMain) {
    isMainForm_ = isMain;
    ApplyWindowFlags();
}

// Secondary windows are dialogs: window managers keep them out of task bars.
void Form::ApplyWindowFlags() {
    Qt::WindowFlags flags = isMainForm_ ? Qt::Window : Qt::Dialog;
    if (frame_ == Frame::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
}

void Form::SetClientSize(int width, int height) {
    if (frame_ == Frame::None)
        setFixedSize(width, height);
    else
        resize(width, height);
}

void Form::SetBackground(QColor colour) {
    background_ = colour;
    update();
}

// Painted here rather than through the palette, which the child controls
// (edit, lists) would inherit.
void Form::paintEvent(QPaintEvent *event) {
    if (background_.isValid())
        QPainter(this).fillRect(rect(), background_);
    QWidget::paintEvent(event);
}

void Form::SetCaption(const std::string &caption) {
    caption_ = caption;
    SyncWindowTitle();
}

void Form::SyncWindowTitle() {
    Application *app = Application::Instance();
    if (isMainForm_ && app != nullptr)
        setWindowTitle(ToDisplay(app->Title()));
    else
        setWindowTitle(ToDisplay(caption_));
}

// Secondary windows stay above the main window and out of task bars, without
// becoming its children (a disabled parent would disable them too).
void Form::AttachToMainWindow() {
    Application *app = Application::Instance();
    if (isMainForm_ || app == nullptr || app->MainForm() == nullptr)
        return;
    QWidget *main = app->MainForm();
    if (main->windowHandle() == nullptr)
        return;
    winId();
    if (QWindow *handle = windowHandle())
        handle->setTransientParent(main->windowHandle());
}

namespace {

// The offscreen platform cannot raise windows and says so on every call.
void RaiseWindow(QWidget *window) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
}

} // namespace

void Form::Show() {
    AttachToMainWindow();
    show();
    RaiseWindow(this);
}

void Form::CentreOnScreen() {
    // The frame is centred (as far as the window system has told its size
    // yet), but never with its top left corner outside the work area, where
    // a title bar could not be reached.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect full = screen->geometry();
    const QRect work = screen->availableGeometry();
    const QSize outer = frameGeometry().size();
    const int left = full.x() + (full.width() - outer.width()) / 2;
    const int top = full.y() + (full.height() - outer.height()) / 2;
    move(std::max(left, work.left()), std::max(top, work.top()));
}

void Form::ShowCentred() {
    CentreOnScreen();
    Show();
}

void Form::Activate() {
    RaiseWindow(this);
    activateWindow();
    if (Application *app = Application::Instance())
        app->SetActiveForm(this);
    Guard([this] { FormActivate(); });
}

int Form::ShowModal() {
    if (isVisible())
        throw Failure("Cannot make a visible window modal");
    Application *app = Application::Instance();
    Form *previous = app ? app->ActiveForm() : nullptr;
    std::vector<Form *> disabled;
    if (app != nullptr) {
        for (Form *form : app->Forms()) {
            if (form != this && form->isVisible() && form->isEnabled()) {
                form->setEnabled(false);
                disabled.push_back(form);
            }
        }
    }
    inModal_ = true;
    modalResult_ = mrNone;
    Show();
    Activate();
    // Requests to close made while the activation handler ran are dropped.
    modalResult_ = mrNone;
    while (modalResult_ == mrNone) {
        if (app != nullptr && app->Terminated()) {
            modalResult_ = mrCancel;
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const int result = modalResult_;
    hide();
    inModal_ = false;
    for (Form *form : disabled)
        form->setEnabled(true);
    if (previous != nullptr && previous != this && previous->isVisible())
        previous->Activate();
    return result;
}

void Form::Close() {
    if (inModal_)
        modalResult_ = mrCancel;
    else if (isMainForm_ && Application::Instance() != nullptr)
        Application::Instance()->Terminate();
    else
        hide();
}

void Form::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guard([this] { FormShow(); });
}

// A close request from the window system goes through the program's own
// closing rules; the toolkit's default (hide or destroy) never applies.
void Form::closeEvent(QCloseEvent *event) {
    event->ignore();
    Close();
}

void Form::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    Guard([this] { FormMouseMove(); });
}

} // namespace platform
