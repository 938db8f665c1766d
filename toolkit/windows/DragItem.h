#pragma once

#include "toolkit/core/Ref.h"

#include <cstddef>
#include <memory>
#include <vector>

class QMimeData;

namespace tk {

class FolderItem;
class Picture;
class Window;

// What a drag carries. A drop on a control hands its handler the dropped files,
// walked one at a time from the first. A drag out of a window carries one file
// to wherever the user drops it: a file manager, another application.
class DragItem {
  public:
    // The action a drop asks for, as DropObject handlers receive it.
    static constexpr int DragActionDefault = 0;
    static constexpr int DragActionCopy = 1;
    static constexpr int DragActionMove = 2;
    static constexpr int DragActionLink = 3;

    // A drop of these files.
    explicit DragItem(std::vector<Ref<tk::FolderItem>> files);
    // A drag out of that rectangle of the window's content area. The drag shows
    // the picture under the pointer, or without one a faint frame of the
    // rectangle's shape, at most 128 pixels wide.
    DragItem(Window& window, int left, int top, int width, int height,
             const Ref<Picture>& dragPicture = nullptr);

    // True while the current item is a file or folder.
    bool FolderItemAvailable() const;
    // The current item's file; nil when FolderItemAvailable is False.
    Ref<tk::FolderItem> FolderItem() const;
    // Moves on to the next item; False when there is none.
    bool NextItem();

    // The file the drag carries.
    void setFolderItem(const Ref<tk::FolderItem>& file);
    // Runs the drag until the user drops the file or gives up, offering a copy of
    // it; may be called from a MouseDown handler. Does nothing without a file.
    void Drag();

    // Toolkit-internal: the local files among the URLs of dropped data.
    static DragItem fromMimeData(const QMimeData& data);
    // Toolkit-internal: the data a drag of the file carries, its file:// URL.
    static std::unique_ptr<QMimeData> mimeDataFor(const tk::FolderItem& file);
    // Toolkit-internal: the action constant for a Qt::DropAction.
    static int actionFromQt(int qtDropAction);

  private:
    std::vector<Ref<tk::FolderItem>> files_;
    std::size_t current_ = 0;
    std::weak_ptr<Window> window_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Ref<Picture> dragPicture_;
};

} // namespace tk
