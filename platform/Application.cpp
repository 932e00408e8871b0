#include "Application.h"

#include "Dialogs.h"
#include "Form.h"

#include <QKeyEvent>
#include <QWidget>

namespace platform {
namespace {

Application *theApplication = nullptr;
const QEvent::Type kQuitRequest = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {
    theApplication = this;
    // Closing the last visible window must not end the program: the main
    // window's close request does that.
    setQuitOnLastWindowClosed(false);
}

Application::~Application() {
    while (!forms_.empty())
        delete forms_.back(); // unregisters itself
    if (theApplication == this)
        theApplication = nullptr;
}

Application *Application::Instance() {
    return theApplication;
}

void Application::Register(Form *form) {
    forms_.push_back(form);
    if (mainForm_ == nullptr) {
        mainForm_ = form;
        form->SetIsMainForm(true);
    }
    form->SyncWindowTitle();
    Guard([form] { form->FormCreate(); });
}

void Application::Unregister(Form *form) {
    std::erase(forms_, form);
    if (mainForm_ == form)
        mainForm_ = nullptr;
    if (activeForm_ == form)
        activeForm_ = nullptr;
}

int Application::Run() {
    if (mainForm_ != nullptr && !terminated_) {
        mainForm_->ShowCentred();
        mainForm_->Activate();
    }
    while (!terminated_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}

void Application::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Application::Terminate() {
    QCoreApplication::postEvent(this, new QEvent(kQuitRequest));
}

void Application::HandleException(const std::exception &failure) {
    ShowMessageBox(std::string(failure.what()) + ".", title_);
}

bool Application::event(QEvent *event) {
    if (event->type() == kQuitRequest) {
        terminated_ = true;
        return true;
    }
    return QApplication::event(event);
}

// Key preview: the window sees every key press before the control that has
// the focus. notify() is entered once per key event (propagation to parents
// happens inside it), so the preview runs exactly once.
bool Application::PreviewKey(QObject *receiver, QEvent *event) {
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType())
        return false;
    auto *form = dynamic_cast<Form *>(static_cast<QWidget *>(receiver)->window());
    if (form == nullptr || !form->KeyPreview() || !form->isEnabled())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    bool handled = false;
    Guard([&] { handled = form->FormKeyDown(key->key(), key->modifiers()); });
    return handled;
}

bool Application::notify(QObject *receiver, QEvent *event) {
    try {
        if (PreviewKey(receiver, event))
            return true;
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        HandleException(failure);
        return true;
    }
}

void Guard(const std::function<void()> &handler) {
    try {
        handler();
    } catch (const std::exception &failure) {
        if (Application *app = Application::Instance())
            app->HandleException(failure);
    }
}

} // namespace platform
