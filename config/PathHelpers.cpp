#include "PathHelpers.h"

#include "platform/SystemServices.h"

namespace config {

std::string WithTrailingSeparator(const std::string &text) {
    if (!text.empty() && text.back() == '/')
        return text;
    return text + '/';
}

std::string FolderPart(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNamePart(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.substr(0, 255);
}

std::string ProgramFolder() {
    return WithTrailingSeparator(FolderPart(platform::ProgramFilePath()));
}

} // namespace config
