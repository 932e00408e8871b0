#pragma once
// The application object: title, the fixed window set, the event loop, event
// pumping, the quit request and the default failure report.
#include <QApplication>
#include <functional>
#include <string>
#include <vector>

namespace platform {

class Form;

class Application : public QApplication {
  public:
    Application(int &argc, char **argv);
    ~Application() override;

    // The one instance (null before construction).
    static Application *Instance();

    void SetTitle(const std::string &title) { title_ = title; }
    const std::string &Title() const { return title_; }

    // Allocates a window of class T, stores it in its reference, then runs
    // its creation handler. The first window created becomes the main window.
    template <class T> void CreateForm(T *&reference) {
        reference = new T();
        Register(reference);
    }

    Form *MainForm() const { return mainForm_; }
    const std::vector<Form *> &Forms() const { return forms_; }

    // Shows the main window centred on the screen, then dispatches events
    // until the terminated flag is set. Returns the exit code, always 0.
    int Run();

    // Handles every pending event and returns when none is left.
    void ProcessMessages();

    // Queues a quit request; the loop that takes it sets the terminated flag.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The default failure report: message + ".", captioned with the title,
    // error icon, one OK button. The program goes on.
    void HandleException(const std::exception &failure);

    // The window activated last (the one a modal showing re-activates).
    Form *ActiveForm() const { return activeForm_; }
    void SetActiveForm(Form *form) { activeForm_ = form; }

    bool notify(QObject *receiver, QEvent *event) override;

    // Adds a window to the set (the first becomes the main window) and runs
    // its creation handler; a window leaving the set at its destruction.
    void Register(Form *form);
    void Unregister(Form *form);

  protected:
    bool event(QEvent *event) override;

  private:
    bool PreviewKey(QObject *receiver, QEvent *event);

    std::string title_;
    std::vector<Form *> forms_;
    Form *mainForm_ = nullptr;
    Form *activeForm_ = nullptr;
    bool terminated_ = false;
};

// Runs a handler; a failure escaping it becomes the default failure report
// instead of crossing the toolkit's event dispatch.
void Guard(const std::function<void()> &handler);

} // namespace platform
