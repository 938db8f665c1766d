#pragma once

#include "toolkit/Ref.h"

#include <cstddef>
#include <vector>

class QMimeData;

namespace tk {

class FolderItem;

// What a drag carries. A drop on a control hands its handler the dropped files,
// walked one at a time from the first.
class DragItem {
  public:
    // The action a drop asks for, as DropObject handlers receive it.
    static constexpr int DragActionDefault = 0;
    static constexpr int DragActionCopy = 1;
    static constexpr int DragActionMove = 2;
    static constexpr int DragActionLink = 3;

    // A drop of these files.
    explicit DragItem(std::vector<Ref<tk::FolderItem>> files);

    // True while the current item is a file or folder.
    bool FolderItemAvailable() const;
    // The current item's file; nil when FolderItemAvailable is False.
    Ref<tk::FolderItem> FolderItem() const;
    // Moves on to the next item; False when there is none.
    bool NextItem();

    // Toolkit-internal: the local files among the URLs of dropped data.
    static DragItem fromMimeData(const QMimeData& data);
    // Toolkit-internal: the action constant for a Qt::DropAction.
    static int actionFromQt(int qtDropAction);

  private:
    std::vector<Ref<tk::FolderItem>> files_;
    std::size_t current_ = 0;
};

} // namespace tk
