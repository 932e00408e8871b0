#include "PaintThrottle.h"

namespace platform {

PaintThrottle::PaintThrottle(std::function<void()> refresh) : refresh_(std::move(refresh)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Refresh(); });
}

void PaintThrottle::Request() {
    if (timer_.isActive())
        return; // the pending refresh will show the latest value
    if (!sinceRefresh_.isValid() || sinceRefresh_.elapsed() >= FrameMilliseconds) {
        Refresh();
        return;
    }
    timer_.start(static_cast<int>(FrameMilliseconds - sinceRefresh_.elapsed()));
}

void PaintThrottle::Refresh() {
    sinceRefresh_.start();
    refresh_();
}

} // namespace platform
