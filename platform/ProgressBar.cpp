#include "ProgressBar.h"

#include <algorithm>

namespace platform {

ProgressBar::ProgressBar(QWidget *parent, QRect geometry, int minimum, int maximum, int position)
    : QProgressBar(parent) {
    setGeometry(geometry);
    setRange(minimum, maximum);
    setTextVisible(false);
    SetPosition(position);
}

void ProgressBar::SetPosition(int position) {
    position_ = static_cast<int>(static_cast<unsigned>(position) & 0xFFFFu);
    // QProgressBar ignores values outside its range; clamp so that a
    // position past the maximum reads as a full bar.
    const int shown = std::clamp(position_, minimum(), maximum());
    if (shown != value())
        setValue(shown);
}

} // namespace platform
