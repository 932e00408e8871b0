#pragma once
// The progress window: shown modally during an installation; the extraction
// run reports to it. (Layout and run follow in a later change.)
#include "platform/Form.h"
#include "platform/ProgressBar.h"

class TForm2 : public platform::Form {
  public:
    TForm2();
    platform::ProgressBar *ProgressBar1;
    void SetCancelRequested(int value) { cancelRequested_ = value; }
    bool IsCancelRequested() const { return cancelRequested_ != 0; }

  private:
    int cancelRequested_ = 0;
};

extern TForm2 *Form2;
