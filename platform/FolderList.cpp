#include "FolderList.h"

#include "Application.h"
#include "Fonts.h"
#include "SystemServices.h"
#include "Text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace platform {
namespace {

constexpr int kItemHeight = 16;
constexpr int kIndentStep = 10;

// "Entering" a folder here means being able to list it: a folder the list
// could not read would show no sub-folders and offer nothing to open.
bool CanList(const std::string &path) {
    if (!DirectoryExists(path))
        return false;
    DIR *dir = opendir(path.c_str());
    if (dir == nullptr)
        return false;
    closedir(dir);
    return true;
}

std::vector<std::string> SplitPath(const std::string &path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Joined(const std::string &folder, const std::string &name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// Indents each item by its level; every item is one fixed height.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + Indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        const QSize natural = QStyledItemDelegate::sizeHint(option, index);
        return {natural.width() + Indent(index), kItemHeight};
    }

  private:
    static int Indent(const QModelIndex &index) {
        return index.data(FolderList::LevelRole).toInt() * kIndentStep;
    }
};

} // namespace

std::vector<std::string> VisibleSubFolders(const std::string &folder) {
    std::vector<std::string> names;
    DIR *dir = opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (const dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.')
            continue;
        // Links and file systems that do not report the kind need a look at
        // what the name leads to.
        const bool folderEntry =
            entry->d_type == DT_DIR || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                                        DirectoryExists(Joined(folder, name)));
        if (folderEntry)
            names.push_back(name);
    }
    closedir(dir);

    std::vector<std::pair<QString, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string &name : names)
        keyed.emplace_back(ToDisplay(name), std::move(name));
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int order = QString::compare(a.first, b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    names.clear();
    for (auto &entry : keyed)
        names.push_back(std::move(entry.second));
    return names;
}

std::string NormalisedFolderPath(const std::string &path) {
    const std::vector<std::string> parts = SplitPath(path);
    const bool needsSystem = std::any_of(parts.begin(), parts.end(), [](const std::string &part) {
        return part == "." || part == "..";
    });
    if (needsSystem) {
        // ".." after a symbolic link leads where the link's target says, so
        // only the system can tell which folder the path names.
        std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                             &std::free);
        return resolved ? std::string(resolved.get()) : std::string();
    }
    std::string normalised;
    for (const std::string &part : parts)
        normalised += "/" + part;
    return normalised.empty() ? "/" : normalised;
}

FolderList::FolderList(QWidget *parent) : QListWidget(parent) {
    setFont(SansSerifFont(11, false));
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(kItemHeight, kItemHeight));

    std::unique_ptr<char, decltype(&std::free)> cwd(getcwd(nullptr, 0), &std::free);
    if (!cwd || !OpenFolder(cwd.get())) {
        current_ = "/";
        Rebuild();
    }
}

std::string FolderList::ItemPath(const QListWidgetItem *item) {
    const QByteArray path = item->data(PathRole).toByteArray();
    return std::string(path.constData(), static_cast<std::size_t>(path.size()));
}

bool FolderList::OpenFolder(const std::string &path) {
    // A NUL byte would cut the path short at the system call and name
    // another folder.
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    const std::string full = path[0] == '/' ? path : Joined(current_, path);
    const std::string folder = NormalisedFolderPath(full);
    if (folder.empty() || !CanList(folder))
        return false;
    current_ = folder;
    Rebuild();
    if (onFolderChanged_)
        Guard(onFolderChanged_);
    return true;
}

void FolderList::Reread() {
    Rebuild();
}

QListWidgetItem *FolderList::AddItem(const std::string &path, const std::string &name, int level,
                                     bool open) {
    auto *item = new QListWidgetItem(ToDisplay(name), this);
    item->setData(PathRole, QByteArray(path.data(), static_cast<qsizetype>(path.size())));
    item->setData(LevelRole, level);
    item->setIcon(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    return item;
}

void FolderList::Rebuild() {
    clear();
    QListWidgetItem *opened = AddItem("/", "/", 0, true);
    std::string way;
    int level = 0;
    for (const std::string &part : SplitPath(current_)) {
        way += "/" + part;
        opened = AddItem(way, part, ++level, true);
    }
    for (const std::string &name : VisibleSubFolders(current_))
        AddItem(Joined(current_, name), name, level + 1, false);
    setCurrentItem(opened);
    scrollToItem(opened);
}

void FolderList::OpenItem(const QListWidgetItem *item) {
    // The rebuild deletes the item, so its path is taken first.
    const std::string path = ItemPath(item);
    OpenFolder(path);
}

void FolderList::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (QListWidgetItem *item = itemAt(event->position().toPoint()))
        Guard([this, item] { OpenItem(item); });
}

void FolderList::keyPressEvent(QKeyEvent *event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QListWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (QListWidgetItem *item = currentItem())
        Guard([this, item] { OpenItem(item); });
}

} // namespace platform
