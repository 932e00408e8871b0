#include "SystemServices.h"

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace platform {
namespace {

std::function<std::uint32_t()> &TickSource() {
    static std::function<std::uint32_t()> source;
    return source;
}

std::uint32_t MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

} // namespace

std::uint32_t TickCount() {
    auto &source = TickSource();
    return source ? source() : MonotonicMilliseconds();
}

void SetTickSource(std::function<std::uint32_t()> source) {
    TickSource() = std::move(source);
}

bool FileExists(const std::string &path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string &path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string &path) {
    return !path.empty() && mkdir(path.c_str(), 0777) == 0;
}

std::string ProgramFilePath() {
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0)
        return {};
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

} // namespace platform
