#pragma once
// A progress bar that takes a position the classic way: the low 16 bits of the
// value as an unsigned number, anything above the maximum shown as full.
//
// It paints only from the event loop (never synchronously) and at most once a
// frame, so a caller that moves it for every block of data pays for one paint
// per frame, not one per move.
#include "PaintThrottle.h"

#include <QWidget>

namespace platform {

class ProgressBar : public QWidget {
  public:
    ProgressBar(QWidget *parent, QRect geometry, int minimum, int maximum, int position);

    void SetPosition(int position);
    // The position as the bar holds it (after the 16-bit rule).
    int Position() const { return position_; }
    // What the bar shows: the position held within minimum and maximum.
    int value() const { return shown_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int minimum_;
    int maximum_;
    int position_ = 0;
    int shown_ = 0;
    PaintThrottle throttle_;
};

} // namespace platform
