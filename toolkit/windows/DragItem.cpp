#include "toolkit/windows/DragItem.h"

#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <QCursor>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace tk {

namespace {
constexpr int maxFrameWidth = 128;

QPixmap framePixmap(QSize area) {
    const double scale = std::min(1.0, double(maxFrameWidth) / area.width());
    QPixmap pixmap(std::max(1, int(std::lround(area.width() * scale))),
                   std::max(1, int(std::lround(area.height() * scale))));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(pixmap.rect(), QColor(128, 128, 128, 60));
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

// The pointer's place in the rectangle, carried over to the pixmap.
QPoint hotSpot(const QWidget& content, const QRect& area, QSize pixmap) {
    const QPoint at = content.mapFromGlobal(QCursor::pos()) - area.topLeft();
    const int x = int(std::lround(double(at.x()) * pixmap.width() / area.width()));
    const int y = int(std::lround(double(at.y()) * pixmap.height() / area.height()));
    return {std::clamp(x, 0, pixmap.width() - 1), std::clamp(y, 0, pixmap.height() - 1)};
}
} // namespace

DragItem::DragItem(std::vector<Ref<tk::FolderItem>> files) : files_(std::move(files)) {}

DragItem::DragItem(Window& window, int left, int top, int width, int height, const Ref<Picture>& dragPicture)
    : window_(window.weak_from_this()), left_(left), top_(top), width_(width), height_(height),
      dragPicture_(dragPicture) {}

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

void DragItem::setFolderItem(const Ref<tk::FolderItem>& file) {
    files_.clear();
    if (file)
        files_.push_back(file);
    current_ = 0;
}

void DragItem::Drag() {
    requireMainThread();
    const Ref<tk::FolderItem> file = FolderItem();
    const std::shared_ptr<Window> window = window_.lock();
    if (!file || !window || !window->isOpen() || !window->widget() || width_ <= 0 || height_ <= 0)
        return;
    QWidget* content = window->widget()->contentArea();
    const QRect area(left_, top_, width_, height_);
    // The control under the rectangle took the press that starts the drag: it is the source.
    QWidget* source = content->childAt(area.center());
    auto* drag = new QDrag(source ? source : content);
    QPixmap pixmap = dragPicture_ ? QPixmap::fromImage(dragPicture_->image()) : QPixmap();
    if (pixmap.isNull())
        pixmap = framePixmap(area.size());
    drag->setMimeData(mimeDataFor(*file).release());
    drag->setPixmap(pixmap);
    drag->setHotSpot(hotSpot(*content, area, pixmap.size()));
    // Not deleted here: a drop target may still ask for the data after exec returns, and the
    // platform deletes the drag when the target is done (else the source widget does).
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

// URLs carry a path's bytes percent-encoded; a name that is not UTF-8 keeps its bytes
// (QUrl::fromLocalFile and toLocalFile would replace them). For UTF-8 names the URL is the same.
std::unique_ptr<QMimeData> DragItem::mimeDataFor(const tk::FolderItem& file) {
    const std::string& path = file.nativePath();
    const QByteArray encoded = QByteArray(path.data(), qsizetype(path.size())).toPercentEncoding("/");
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromEncoded("file://" + encoded)});
    return data;
}

DragItem DragItem::fromMimeData(const QMimeData& data) {
    std::vector<Ref<tk::FolderItem>> files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
            continue;
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!path.isEmpty() && !path.contains('\0'))
            files.push_back(makeRef<tk::FolderItem>(path.toStdString()));
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
