#pragma once
// The drive box: the mounted file systems a person would call drives, linked
// to a folder list. Choosing a drive opens its mount point in the list; when
// the list changes folder, the box shows the drive that folder lies on.
#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

namespace platform {

class FolderList;

struct Drive {
    enum class Kind { Fixed, Optical, Network };
    std::string mountPoint;
    std::string label; // volume label, or the share of a network drive; may be empty
    Kind kind = Kind::Fixed;

    bool operator==(const Drive &) const = default;
};

// What the box shows for a drive: the mount point, then the label in square
// brackets when there is one.
std::string DriveCaption(const Drive &drive);

// The drives of a mount table written like /proc/self/mounts: "/" first (also
// when the table lacks it), then, sorted by mount point, the mounts of block
// devices and network shares. Pseudo and memory file systems are left out, and
// of several mounts on one point only the last (the visible one) counts.
// labelOf gives the volume label of a device path, or "" when it has none.
std::vector<Drive>
DrivesFromMountTable(const std::string &table,
                     const std::function<std::string(const std::string &)> &labelOf);

// The system's drives now: /proc/self/mounts with the labels of
// /dev/disk/by-label; mounts whose mount point is not a folder are left out.
std::vector<Drive> SystemDrives();

class DriveBox : public QComboBox {
  public:
    // Lists the system's drives.
    explicit DriveBox(QWidget *parent = nullptr);

    // Links the box to a folder list and shows the drive of its current folder.
    void SetDirList(FolderList *list);

    // Replaces the drives shown; the selection follows the linked list's folder.
    void SetDrives(std::vector<Drive> drives);
    const std::vector<Drive> &Drives() const { return drives_; }

    // Mount point of the drive shown, "" when the box is empty.
    std::string SelectedDrive() const;

    // Reads the system's drives again (media come and go).
    void Refresh();

  protected:
    // The list is read afresh each time it drops down.
    void showPopup() override;

  private:
    void DriveChosen(int index);
    void SelectDriveOf(const std::string &folder);

    std::vector<Drive> drives_;
    FolderList *dirList_ = nullptr;
};

} // namespace platform
