#pragma once
#include <stdexcept>
#include <string>

namespace platform {

// A failure raised inside an event handler. The application's guard catches it
// and shows the default failure report: the message with "." appended.
class Failure : public std::runtime_error {
  public:
    explicit Failure(const std::string &message) : std::runtime_error(message) {}
};

} // namespace platform
