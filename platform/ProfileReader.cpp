#include "ProfileReader.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>

namespace platform {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trimmed(const std::string &text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string WithoutQuotes(const std::string &value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::optional<std::string> FindValue(const std::string &section, const std::string &key,
                                     const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string line;
    bool inSection = false;
    bool sectionSeen = false;
    while (std::getline(file, line)) {
        const std::string text = Trimmed(line);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            const std::string name =
                Trimmed(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            // Only the first section of a name counts, as with duplicate keys.
            inSection = !sectionSeen && SameName(name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string::npos)
            continue;
        if (SameName(Trimmed(text.substr(0, equals)), key))
            return WithoutQuotes(Trimmed(text.substr(equals + 1)));
    }
    return std::nullopt;
}

} // namespace

std::size_t GetPrivateProfileString(const std::string &section, const std::string &key,
                                    const std::string &defaultValue, char *buffer, std::size_t size,
                                    const std::string &path) {
    if (buffer == nullptr || size == 0)
        return 0;
    const std::string value = FindValue(section, key, path).value_or(defaultValue);
    const std::size_t copied = std::min(value.size(), size - 1);
    std::memcpy(buffer, value.data(), copied);
    buffer[copied] = '\0';
    return copied;
}

std::string ProfileReader::ReadString(const std::string &section, const std::string &key,
                                      const std::string &defaultValue) const {
    char buffer[1024];
    const std::size_t copied =
        GetPrivateProfileString(section, key, defaultValue, buffer, sizeof buffer, path_);
    return std::string(buffer, copied);
}

} // namespace platform
