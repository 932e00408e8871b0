#pragma once
// Limits how often a widget refreshes for a value that can change far more
// often than a screen shows it (an entry name or a bar moved for every block
// of data). A request runs the refresh at once when the last one is at least
// one frame old; otherwise one refresh runs when the frame is up, from the
// event loop, with the latest value.
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace platform {

class PaintThrottle {
  public:
    static constexpr int FrameMilliseconds = 20;

    explicit PaintThrottle(std::function<void()> refresh);
    void Request();

  private:
    void Refresh();

    std::function<void()> refresh_;
    QTimer timer_;
    QElapsedTimer sinceRefresh_;
};

} // namespace platform
