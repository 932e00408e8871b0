#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvx-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string &relative, const std::string &bytes) const {
    const std::string file = *this / relative;
    WriteFile(file, bytes);
    return file;
}

std::string ReadFile(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::filesystem::path &file, const std::string &bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

bool RunRar(const std::string &folder, const std::string &arguments) {
    const std::string command = "cd '" + folder + "' && LC_ALL=C.UTF-8 '" QVX_RAR_PROGRAM "' " +
                                arguments + " -idq >/dev/null";
    return std::system(command.c_str()) == 0;
}

} // namespace testsupport
