#pragma once
// System services the windows and the configuration rely on: a 32-bit tick
// counter, existence tests, creating one folder level and the program's path.
// Plain POSIX; no toolkit involved, so the extraction and configuration code
// can use it too.
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// Milliseconds of a monotonic clock, truncated to 32 bits (wraps after ~49.7 days).
std::uint32_t TickCount();

// Replaces the clock behind TickCount (tests simulate wrap-around with it);
// an empty function restores the real clock.
void SetTickSource(std::function<std::uint32_t()> source);

// True when a file (anything but a folder) exists at the path.
bool FileExists(const std::string &path);

// True when a folder exists at the path (symbolic links followed).
bool DirectoryExists(const std::string &path);

// Creates exactly one folder level; a missing parent is not created.
bool CreateDir(const std::string &path);

// Full path of the running executable, symbolic links resolved; empty when
// the kernel cannot tell.
std::string ProgramFilePath();

} // namespace platform
