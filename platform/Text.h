#pragma once
// Texts are 8-bit byte strings. These helpers turn them into what Qt draws
// and back.
#include <QString>
#include <string>

namespace platform {

// Bytes as a caption or message shows them: UTF-8 where the bytes are valid
// UTF-8, otherwise Windows-1252, one character per byte.
QString ToDisplay(const std::string &bytes);

// Every byte as one Windows-1252 character (bytes that code page leaves
// undefined show as the C1 control of the same value).
QString FromCp1252(const std::string &bytes);

// Text typed by the user, as the UTF-8 bytes the file system takes.
std::string FromDisplay(const QString &text);

} // namespace platform
