#pragma once
// A fresh temporary folder for one test, removed with everything in it.
#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &Path() const { return path_; }
    // The folder as text, without a trailing '/'.
    std::string Str() const { return path_.string(); }
    // Writes bytes to a file below the folder (parents created); returns its path.
    std::string Write(const std::string &relative, const std::string &bytes) const;
    // Reads a whole file as bytes.
    static std::string Read(const std::filesystem::path &file);

  private:
    std::filesystem::path path_;
};

} // namespace testsupport
