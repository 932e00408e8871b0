#pragma once
// The folder list: the way from the root down to the folder it has opened
// (its current folder), that folder, and the folder's visible sub-folders.
//
// Items, top to bottom: "/" (the root), each folder on the way down, the
// current folder, then its sub-folders (names not starting with '.') sorted
// without regard to letter case. Every level is indented one step further than
// its parent. After every rebuild the current folder's item is highlighted.
// A double click or Enter opens the highlighted item; a single click or the
// arrow keys only move the highlight.
//
// Paths are byte strings as the file system holds them; names are shown
// through platform::ToDisplay. The current folder is "/" for the root and has
// no trailing '/' otherwise.
#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

namespace platform {

class FolderList : public QListWidget {
  public:
    // Item data: the item's full path (QByteArray, raw bytes) and its
    // indentation level (0 for the root).
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int LevelRole = Qt::UserRole + 1;

    // Starts in the process's current directory ("/" when it cannot be told).
    explicit FolderList(QWidget *parent = nullptr);

    const std::string &CurrentFolder() const { return current_; }

    // Makes the folder the current one and rebuilds the list. A relative path
    // is taken from the current folder. A path with "." or ".." parts becomes
    // the folder the system resolves it to; otherwise it is kept as given,
    // without doubled or trailing separators. A folder that does not exist,
    // is not a folder or cannot be listed leaves everything unchanged and
    // gives false.
    bool OpenFolder(const std::string &path);

    // Reads the current folder's sub-folders again.
    void Reread();

    // Runs after every change of the current folder (one handler).
    void OnFolderChanged(std::function<void()> handler) { onFolderChanged_ = std::move(handler); }

    // The path of one item, raw bytes.
    static std::string ItemPath(const QListWidgetItem *item);

  protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void Rebuild();
    void OpenItem(const QListWidgetItem *item);
    QListWidgetItem *AddItem(const std::string &path, const std::string &name, int level,
                             bool open);

    std::string current_;
    std::function<void()> onFolderChanged_;
};

// The sub-folders of a folder that the list shows: names not starting with
// '.', symbolic links to folders included, sorted without regard to letter
// case (names that differ only in case in byte order). Empty when the folder
// cannot be listed.
std::vector<std::string> VisibleSubFolders(const std::string &folder);

// The path in the form the list keeps: doubled and trailing separators
// removed, "." and ".." resolved by the system. Empty when a part that must
// be resolved does not exist.
std::string NormalisedFolderPath(const std::string &path);

} // namespace platform
