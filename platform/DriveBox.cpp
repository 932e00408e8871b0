#include "DriveBox.h"

#include "Application.h"
#include "FolderList.h"
#include "Fonts.h"
#include "SystemServices.h"
#include "Text.h"

#include <QStyle>

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace platform {
namespace {

const std::set<std::string> kNetworkTypes = {
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs", "ncpfs", "afs", "davfs", "9p"};
// Block-device file systems that are software images rather than drives
// (read-only packages mounted from loop devices).
const std::set<std::string> kImageTypes = {"squashfs"};
const std::set<std::string> kOpticalTypes = {"iso9660", "udf"};

// Mount tables write a space, tab, newline and backslash in a path as "\040",
// "\011", "\012" and "\134".
std::string UnescapeOctal(const std::string &field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            std::all_of(field.begin() + static_cast<long>(i) + 1,
                        field.begin() + static_cast<long>(i) + 4,
                        [](char c) { return c >= '0' && c <= '7'; })) {
            text += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

// udev writes unsafe characters of a label as "\xHH" in the link's name.
std::string UnescapeHex(const std::string &name) {
    std::string text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "\\x") == 0 && i + 4 <= name.size() &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
            text += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            text += name[i];
        }
    }
    return text;
}

std::string Resolved(const std::string &path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

// Device node (symbolic links resolved) -> volume label.
std::map<std::string, std::string> DeviceLabels() {
    std::map<std::string, std::string> labels;
    const std::string folder = "/dev/disk/by-label";
    DIR *dir = opendir(folder.c_str());
    if (dir == nullptr)
        return labels;
    while (const dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            labels[Resolved(folder + "/" + name)] = UnescapeHex(name);
    }
    closedir(dir);
    return labels;
}

bool OnDrive(const std::string &folder, const std::string &mountPoint) {
    if (mountPoint == "/")
        return true;
    return folder.compare(0, mountPoint.size(), mountPoint) == 0 &&
           (folder.size() == mountPoint.size() || folder[mountPoint.size()] == '/');
}

QStyle::StandardPixmap IconOf(Drive::Kind kind) {
    switch (kind) {
    case Drive::Kind::Network:
        return QStyle::SP_DriveNetIcon;
    case Drive::Kind::Optical:
        return QStyle::SP_DriveCDIcon;
    case Drive::Kind::Fixed:
        break;
    }
    return QStyle::SP_DriveHDIcon;
}

} // namespace

std::string DriveCaption(const Drive &drive) {
    return drive.label.empty() ? drive.mountPoint : drive.mountPoint + " [" + drive.label + "]";
}

std::vector<Drive>
DrivesFromMountTable(const std::string &table,
                     const std::function<std::string(const std::string &)> &labelOf) {
    std::map<std::string, Drive> byMountPoint;
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string source, mountPoint, type;
        if (!(fields >> source >> mountPoint >> type))
            continue;
        source = UnescapeOctal(source);
        mountPoint = UnescapeOctal(mountPoint);
        Drive drive{mountPoint, "", Drive::Kind::Fixed};
        if (kNetworkTypes.count(type) != 0) {
            drive.kind = Drive::Kind::Network;
            drive.label = source;
        } else if (source.rfind("/dev/", 0) == 0 && kImageTypes.count(type) == 0) {
            drive.label = labelOf(source);
            if (kOpticalTypes.count(type) != 0)
                drive.kind = Drive::Kind::Optical;
        } else if (mountPoint != "/") {
            byMountPoint.erase(mountPoint); // a pseudo file system hides what lay there
            continue;
        }
        byMountPoint[mountPoint] = drive;
    }

    std::vector<Drive> drives;
    const auto root = byMountPoint.find("/");
    drives.push_back(root != byMountPoint.end() ? root->second
                                                : Drive{"/", "", Drive::Kind::Fixed});
    for (const auto &[mountPoint, drive] : byMountPoint) {
        if (mountPoint != "/")
            drives.push_back(drive);
    }
    return drives;
}

std::vector<Drive> SystemDrives() {
    std::ifstream in("/proc/self/mounts", std::ios::binary);
    std::ostringstream table;
    table << in.rdbuf();
    const std::map<std::string, std::string> labels = DeviceLabels();
    std::vector<Drive> drives =
        DrivesFromMountTable(table.str(), [&labels](const std::string &device) {
            const auto found = labels.find(Resolved(device));
            return found != labels.end() ? found->second : std::string();
        });
    // Single files bound into place (as containers do) are no drives.
    std::erase_if(drives, [](const Drive &drive) { return !DirectoryExists(drive.mountPoint); });
    return drives;
}

DriveBox::DriveBox(QWidget *parent) : QComboBox(parent) {
    setFont(SansSerifFont(11, false));
    setIconSize(QSize(16, 16));
    connect(this, &QComboBox::activated, this,
            [this](int index) { Guard([this, index] { DriveChosen(index); }); });
    SetDrives(SystemDrives());
}

void DriveBox::SetDirList(FolderList *list) {
    dirList_ = list;
    dirList_->OnFolderChanged([this] { SelectDriveOf(dirList_->CurrentFolder()); });
    SelectDriveOf(dirList_->CurrentFolder());
}

void DriveBox::SetDrives(std::vector<Drive> drives) {
    const std::string shown = SelectedDrive();
    drives_ = std::move(drives);
    clear();
    for (const Drive &drive : drives_)
        addItem(style()->standardIcon(IconOf(drive.kind)), ToDisplay(DriveCaption(drive)));
    SelectDriveOf(dirList_ != nullptr ? dirList_->CurrentFolder() : shown);
}

std::string DriveBox::SelectedDrive() const {
    const int index = currentIndex();
    if (index < 0 || index >= static_cast<int>(drives_.size()))
        return {};
    return drives_[static_cast<std::size_t>(index)].mountPoint;
}

void DriveBox::Refresh() {
    SetDrives(SystemDrives());
}

void DriveBox::showPopup() {
    Guard([this] { Refresh(); });
    QComboBox::showPopup();
}

void DriveBox::DriveChosen(int index) {
    if (dirList_ == nullptr || index < 0 || index >= static_cast<int>(drives_.size()))
        return;
    // A drive that cannot be entered leaves the list where it was, and the box
    // goes back to the drive the list is on.
    if (!dirList_->OpenFolder(drives_[static_cast<std::size_t>(index)].mountPoint))
        SelectDriveOf(dirList_->CurrentFolder());
}

// The drive of a folder is the one with the longest mount point above it.
void DriveBox::SelectDriveOf(const std::string &folder) {
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        const std::string &mountPoint = drives_[i].mountPoint;
        if (OnDrive(folder, mountPoint) && (best < 0 || mountPoint.size() > bestLength)) {
            best = static_cast<int>(i);
            bestLength = mountPoint.size();
        }
    }
    setCurrentIndex(best);
}

} // namespace platform
