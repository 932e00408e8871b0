#pragma once
// Path helpers shared by every window and the extraction run. Paths are byte
// strings as the file system holds them; '/' is the only separator.
#include <string>

namespace config {

// The text with one '/' appended unless it already ends in one; "" gives "/".
std::string WithTrailingSeparator(const std::string &text);

// Everything up to and including the last '/', or "" when there is none.
std::string FolderPart(const std::string &path);

// What follows the last '/' (the whole path when there is none), cut to 255 bytes.
std::string FileNamePart(const std::string &path);

// Folder of the running program file, with a trailing '/'. Worked out afresh
// at every call.
std::string ProgramFolder();

} // namespace config
