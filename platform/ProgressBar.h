#pragma once
// A progress bar that takes a position the classic way: the low 16 bits of the
// value as an unsigned number, anything above the maximum shown as full.
#include <QProgressBar>

namespace platform {

class ProgressBar : public QProgressBar {
  public:
    ProgressBar(QWidget *parent, QRect geometry, int minimum, int maximum, int position);
    void SetPosition(int position);
    // The position as the bar holds it (after the 16-bit rule).
    int Position() const { return position_; }

  private:
    int position_ = 0;
};

} // namespace platform
