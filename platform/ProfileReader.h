#pragma once
// Reader for classic profile files ("[SECTION]" headers and key=value lines).
//
// Choices: section and key names are matched without regard to ASCII letter
// case; white space around names and values is trimmed; a value wrapped in a
// matching pair of double or single quotes loses them; lines starting with ';'
// are comments; the first of duplicate keys (or sections) wins; CR LF and LF
// line ends are both accepted, as is a missing final newline. The file is read
// afresh at every call.
#include <cstddef>
#include <string>

namespace platform {

// Copies the value of key in section of the file at path (or defaultValue when
// the file, the section or the key is missing) into buffer, cut to size - 1
// bytes and NUL-terminated; returns the number of bytes copied, terminator not
// counted. A key present with an empty value gives the empty text.
std::size_t GetPrivateProfileString(const std::string &section, const std::string &key,
                                    const std::string &defaultValue, char *buffer, std::size_t size,
                                    const std::string &path);

// A profile reader bound to one file; creating it touches no file.
class ProfileReader {
  public:
    explicit ProfileReader(std::string path) : path_(std::move(path)) {}

    // The value as the reader above reports it through a 1024-byte buffer.
    std::string ReadString(const std::string &section, const std::string &key,
                           const std::string &defaultValue) const;

    const std::string &Path() const { return path_; }

  private:
    std::string path_;
};

} // namespace platform
