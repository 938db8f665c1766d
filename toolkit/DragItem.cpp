#include "toolkit/DragItem.h"

#include "toolkit/FolderItem.h"
#include "toolkit/QtText.h"

#include <QMimeData>
#include <QUrl>

namespace tk {

DragItem::DragItem(std::vector<Ref<tk::FolderItem>> files) : files_(std::move(files)) {}

bool DragItem::FolderItemAvailable() const {
    return current_ < files_.size();
}

Ref<tk::FolderItem> DragItem::FolderItem() const {
    return FolderItemAvailable() ? files_[current_] : Ref<tk::FolderItem>();
}

bool DragItem::NextItem() {
    if (current_ + 1 >= files_.size())
        return false;
    ++current_;
    return true;
}

DragItem DragItem::fromMimeData(const QMimeData& data) {
    std::vector<Ref<tk::FolderItem>> files;
    for (const QUrl& url : data.urls()) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        if (!path.isEmpty())
            files.push_back(makeRef<tk::FolderItem>(pathFromQt(path)));
    }
    return DragItem(std::move(files));
}

int DragItem::actionFromQt(int qtDropAction) {
    switch (qtDropAction) {
    case Qt::CopyAction:
        return DragActionCopy;
    case Qt::MoveAction:
        return DragActionMove;
    case Qt::LinkAction:
        return DragActionLink;
    default:
        return DragActionDefault;
    }
}

} // namespace tk
