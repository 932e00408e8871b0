#pragma once
// A top-level window of the program: frame, client size, position, caption,
// key preview, the window-wide handlers and classic modal showing.
#include <QColor>
#include <QWidget>
#include <string>

namespace platform {

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class Form : public QWidget {
  public:
    enum class Frame { None, Sizable };

    Form();
    ~Form() override;

    // Frame and size of the client area. A borderless window is exactly its
    // client size and cannot be resized.
    void SetFrame(Frame frame);
    void SetClientSize(int width, int height);
    // Fills the window's own surface, where no element lies, with the colour.
    void SetBackground(QColor colour);

    int Left() const { return x(); }
    int Top() const { return y(); }
    void SetLeft(int left) { move(left, y()); }
    void SetTop(int top) { move(x(), top); }

    // The window's own caption. The main window's window-system title is the
    // application title instead (that is what task bars show).
    const std::string &Caption() const { return caption_; }
    void SetCaption(const std::string &caption);

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // Classic modal showing: the window must be hidden ("Cannot make a
    // visible window modal" otherwise). Other visible windows are disabled;
    // the window is shown and activated (FormActivate runs inside), the modal
    // result is reset, then events are handled until a modal result is set or
    // the application is terminated (cancel). Afterwards the window is hidden,
    // the disabled windows enabled again and the previously active one
    // re-activated.
    int ShowModal();
    bool InModalShowing() const { return inModal_; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Modal window: modal result cancel. Main window: quit request. Any other
    // window: hidden.
    void Close();

    // Makes the window visible (FormShow runs) and brings it to the front.
    void Show();

    // Places the window centred on the primary screen.
    void CentreOnScreen();
    // Centres the window, then shows it.
    void ShowCentred();

    // Brings the window to the front, gives it the input focus and runs its
    // activation handler.
    void Activate();

    // Handlers a window may override. FormKeyDown returns true to consume the
    // key; otherwise the key goes on to the focused control.
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual bool FormKeyDown(int /*key*/, Qt::KeyboardModifiers /*modifiers*/) { return false; }
    virtual void FormMouseMove() {}

    // Bookkeeping for the application object.
    void SetIsMainForm(bool isMain);
    bool IsMainForm() const { return isMainForm_; }
    void SyncWindowTitle();

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    void AttachToMainWindow();
    void ApplyWindowFlags();

    std::string caption_;
    Frame frame_ = Frame::None;
    bool keyPreview_ = true;
    bool inModal_ = false;
    bool isMainForm_ = false;
    int modalResult_ = mrNone;
    QColor background_; // invalid: the platform's face colour
};

} // namespace platform
