#pragma once
// A fresh temporary folder for one test, removed with everything in it, and
// the file helpers the tests share.
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
    // Str() + "/" + relative.
    std::string operator/(const std::string &relative) const { return Str() + "/" + relative; }
    // Writes bytes to a file below the folder (parents created); returns its path.
    std::string Write(const std::string &relative, const std::string &bytes) const;

  private:
    std::filesystem::path path_;
};

// Reads a whole file as bytes.
std::string ReadFile(const std::filesystem::path &file);
// Writes the file, creating its missing parent folders.
void WriteFile(const std::filesystem::path &file, const std::string &bytes);

// Runs "rar <arguments>" quietly in the folder; true when rar succeeded. rar
// runs in a UTF-8 locale so that it stores non-ASCII names as Unicode text,
// as a release archive holds them.
bool RunRar(const std::string &folder, const std::string &arguments);

} // namespace testsupport
