#pragma once
// The progress window. Shown modally by "install"; its first activation after
// each showing runs the extraction with the window as the run's view. It holds
// the abort flag and closes itself once the run has set its title to "Done!".
#include "extract/ProgressView.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Picture.h"
#include "platform/ProgressBar.h"

#include <QPushButton>
#include <QTimer>

// A push button with an integer tag, the place where the abort flag lives.
class TagButton : public QPushButton {
  public:
    using QPushButton::QPushButton;
    int Tag = 0;
};

class TForm2 : public platform::Form, public extract::ProgressView {
  public:
    TForm2();

    TagButton *Button1;
    platform::Label *Label_title;
    platform::Label *FileName;
    platform::ProgressBar *ProgressBar1;
    platform::Label *Label3; // "abort"
    platform::Picture *Image2;
    QTimer *Timer1;
    platform::Label *Label1;

    // The abort flag CancelRequested: set for any non-zero tag of Button1.
    void SetCancelRequested(int value) { Button1->Tag = value; }

    void FormShow() override;
    void FormActivate() override;
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void Button1Click();
    void Label3MouseDown();
    void Label3MouseMove();
    void Image2MouseMove();
    void ProgressBar1MouseMove();
    void Label1MouseMove();
    void Timer1Timer();

    // The run's view. Called by the run on this thread, nested inside
    // FormActivate; PumpEvents may run this window's own handlers.
    void SetTitle(const std::string &text) override;
    void SetEntryName(const std::string &text) override;
    void SetBarPosition(int position) override;
    void PumpEvents() override;
    bool IsCancelRequested() override;
    void ShowError(const std::string &text) override;

  private:
    void ResetAbortColour();
};

extern TForm2 *Form2;

// Set by each showing; the first activation that finds it set clears it and
// starts the run, so no activation during the run can start a second one.
extern bool PendingRun;
