#include "toolkit/controls/ListboxView.h"

#include "toolkit/controls/Listbox.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/core/QtText.h"
#include "toolkit/files/FileType.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/Graphics.h"
#include "toolkit/windows/DragItem.h"
#include "toolkit/windows/RepaintPace.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace tk {

namespace {

// Space between the picture (or the cell's edge) and the text.
constexpr int textMargin = 4;

// The key as KeyDown names it: its text, else the key's name; "" for a lone modifier.
std::string keyName(const QKeyEvent& event) {
    const int key = event.key();
    if (key == 0 || key == Qt::Key_unknown || key == Qt::Key_Shift || key == Qt::Key_Control ||
        key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_Meta || key == Qt::Key_CapsLock)
        return {};
    // With Control held, a letter's text is a control character; name the letter instead.
    if (key >= Qt::Key_A && key <= Qt::Key_Z && (event.modifiers() & Qt::ControlModifier)) {
        const char first = (event.modifiers() & Qt::ShiftModifier) ? 'A' : 'a';
        return std::string(1, char(first + (key - Qt::Key_A)));
    }
    if (!event.text().isEmpty())
        return fromQt(event.text());
    return fromQt(QKeySequence(key).toString(QKeySequence::PortableText));
}

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

} // namespace

int ListboxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    if (!has(index.row()))
        return {};
    if (role == Qt::DisplayRole)
        return toQt(row(index.row()).cells[0]);
    if (role == Qt::AccessibleTextRole)
        return accessibleName(index.row());
    return {};
}

QVariant ListboxModel::accessibleName(int row) const {
    // Assistive tools read the shown text where there is one.
    const std::string path = cell(row, fileColumn_);
    if (!cell(row, 0).empty() || path.empty())
        return {};
    const Ref<FolderItem> file = RuntimeGetFolderItem(path);
    return file ? QVariant(toQt(file->DisplayName())) : QVariant();
}

std::string ListboxModel::cell(int row, int column) const {
    if (!has(row) || column < 0)
        return {};
    const auto& cells = rows_[std::size_t(row)].cells;
    return std::size_t(column) < cells.size() ? cells[std::size_t(column)] : std::string();
}

int ListboxModel::indexOf(std::uint64_t id) const {
    // Rows are only ever appended, so their ids ascend.
    const auto at = std::lower_bound(rows_.begin(), rows_.end(), id,
                                     [](const Row& row, std::uint64_t wanted) { return row.id < wanted; });
    return at != rows_.end() && at->id == id ? int(at - rows_.begin()) : -1;
}

void ListboxModel::append(const std::string& text) {
    beginInsertRows(QModelIndex(), count(), count());
    rows_.push_back(Row{nextId_++, {text}, ListboxRowPicture()});
    endInsertRows();
}

void ListboxModel::setCell(int row, int column, const std::string& text) {
    if (!has(row) || column < 0)
        return;
    auto& cells = rows_[std::size_t(row)].cells;
    if (std::size_t(column) >= cells.size())
        cells.resize(std::size_t(column) + 1);
    cells[std::size_t(column)] = text;
    if (column == 0)
        emit dataChanged(index(row), index(row), {Qt::DisplayRole, Qt::AccessibleTextRole});
    else if (column == fileColumn_)
        emit dataChanged(index(row), index(row), {Qt::AccessibleTextRole});
}

void ListboxModel::setPicture(int row, ListboxRowPicture picture) {
    if (!has(row))
        return;
    rows_[std::size_t(row)].picture = std::move(picture);
    emit dataChanged(index(row), index(row));
}

void ListboxModel::remove(int row) {
    if (!has(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void ListboxModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

ListboxDelegate::ListboxDelegate(ListboxView& view) : QStyledItemDelegate(&view), view_(view) {}

QSize ListboxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    // The one column is as wide as the list: a width of 0 lets the view give each row its full width.
    return QSize(0, view_.rowHeight() > 0 ? view_.rowHeight() : option.fontMetrics.height() + textMargin);
}

bool ListboxDelegate::paintBackground(QPainter& painter, const QRect& cell, int row) const {
    Listbox* owner = view_.owner();
    if (!owner || !owner->CellBackgroundPaint.isBound())
        return false;
    painter.save();
    painter.translate(cell.topLeft());
    painter.setClipRect(0, 0, cell.width(), cell.height(), Qt::IntersectClip);
    Graphics g(painter, cell.width(), cell.height());
    const bool drawn = owner->CellBackgroundPaint.raise(*owner, g, row, 0);
    painter.restore();
    return drawn;
}

void ListboxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QRect cell = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = colorGroup(option);
    // The list's own background first; a handler that draws over it and
    // returns True also takes the place of the selection highlight.
    painter->fillRect(cell, option.palette.brush(group, QPalette::Base));
    const bool drawn = paintBackground(*painter, cell, index.row());
    if (!drawn && selected)
        painter->fillRect(cell, option.palette.brush(group, QPalette::Highlight));
    if (view_.gridLines())
        painter->fillRect(cell.left(), cell.bottom(), cell.width(), 1,
                          option.palette.brush(group, QPalette::Mid));

    // The background handler may have changed the rows.
    const ListboxModel& rows = view_.rows();
    if (!rows.has(index.row()))
        return;
    const ListboxModel::Row& row = rows.row(index.row());
    int textLeft = cell.left() + textMargin;
    if (!row.picture.isNull()) {
        const QSize size = row.picture.deviceIndependentSize().toSize();
        // A picture as wide as the list is made against the list's width: its
        // middle shows at the middle of the cell, which the frame and a shown
        // scroll bar make narrower, so that what was centred stays whole.
        const int listWidth = view_.width();
        const int shift = size.width() >= listWidth ? (cell.width() - listWidth) / 2 : 0;
        const QRect target =
            QRect(QPoint(cell.left() + shift, cell.top() + (cell.height() - size.height()) / 2), size);
        const QRect visible = target.intersected(cell);
        if (!visible.isEmpty()) {
            const qreal ratio = row.picture.devicePixelRatio();
            const QRectF source(QPointF(visible.topLeft() - target.topLeft()) * ratio,
                                QSizeF(visible.size()) * ratio);
            row.picture.draw(*painter, QRectF(visible), source);
        }
        textLeft = target.right() + 1 + textMargin;
    }
    const QString text = toQt(row.cells[0]);
    const int textWidth = cell.right() + 1 - textMargin - textLeft;
    if (!text.isEmpty() && textWidth > 0) {
        const QRect textRect(textLeft, cell.top(), textWidth, cell.height());
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(group, selected && !drawn ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(text, Qt::ElideRight, textWidth));
    }
    if (view_.focusRing() && (option.state & QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        view_.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, &view_);
    }
}

ListboxView::ListboxView(Listbox* owner) : owner_(owner), rows_(new ListboxModel(this)) {
    setModel(rows_);
    setItemDelegate(new ListboxDelegate(*this));
    // Every row is as tall as the first, so thousands of rows lay out at once.
    setUniformItemSizes(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setDragDropMode(NoDragDrop);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    selectionWatch_ = connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (owner_)
            owner_->selectionMayHaveChanged();
    });
    nextLayout_.setSingleShot(true);
    connect(&nextLayout_, &QTimer::timeout, this, [this] { layOut(); });
}

void ListboxView::rowsInserted(const QModelIndex& parent, int start, int end) {
    if (currentLongLoopRun() == 0) {
        nextLayout_.stop();
        QListView::rowsInserted(parent, start, end);
        return;
    }
    // Until then the rows laid out before are shown, and the new ones are not yet.
    QAbstractItemView::rowsInserted(parent, start, end);
    if (nextLayout_.isActive())
        return;
    // The view lays out every row each time, so the more rows, the longer the
    // pause between two layouts: laying out keeps to a small share of the loop.
    using namespace std::chrono;
    const nanoseconds pause = std::max<nanoseconds>(displayFrame, 20 * lastLayoutTook_);
    const nanoseconds since(sinceLaidOut_.isValid() ? sinceLaidOut_.nsecsElapsed() : pause.count());
    nextLayout_.start(ceil<milliseconds>(std::max(pause - since, nanoseconds(0))));
}

void ListboxView::layOutWaitingRows() {
    if (nextLayout_.isActive())
        layOut();
}

void ListboxView::layOut() {
    nextLayout_.stop();
    QElapsedTimer took;
    took.start();
    scheduleDelayedItemsLayout();
    executeDelayedItemsLayout();
    lastLayoutTook_ = std::chrono::nanoseconds(took.nsecsElapsed());
    sinceLaidOut_.start();
}

// The model and the selection model are children, deleted after this body; their last signals stay here.
ListboxView::~ListboxView() {
    disconnect(selectionWatch_);
}

// A row's size never depends on what it shows (every row is the list's row
// height), so a changed row is only drawn again. The list view would lay out
// every row again for each change: for each photo a load adds.
void ListboxView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void ListboxView::setRowHeight(int height) {
    rowHeight_ = height;
    scheduleDelayedItemsLayout();
}

void ListboxView::setGridLines(bool on) {
    gridLines_ = on;
    viewport()->update();
}

void ListboxView::setFocusRing(bool on) {
    focusRing_ = on;
    setAttribute(Qt::WA_MacShowFocusRect, on);
    viewport()->update();
}

void ListboxView::acceptFileType(const std::string& name) {
    if (std::find(acceptedFileTypes_.begin(), acceptedFileTypes_.end(), name) == acceptedFileTypes_.end())
        acceptedFileTypes_.push_back(name);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

bool ListboxView::acceptsDrop(const QMimeData* data) const {
    if (!owner_ || !data || !data->hasUrls())
        return false;
    // The registry knows types by name only, so a registered type takes any file.
    const bool typeKnown =
        std::any_of(acceptedFileTypes_.begin(), acceptedFileTypes_.end(), isFileTypeRegistered);
    const QList<QUrl> urls = data->urls();
    return typeKnown &&
           std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

void ListboxView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    // The list shows that it has the keyboard focus by a ring in the highlight
    // colour along its inner edge, whether or not its current row shows one.
    if (hasFocus()) {
        QPainter painter(viewport());
        const QRect inside = viewport()->rect();
        painter.setClipRegion(QRegion(inside).subtracted(QRegion(inside.adjusted(2, 2, -2, -2))));
        painter.fillRect(inside, palette().brush(QPalette::Active, QPalette::Highlight));
    }
}

void ListboxView::scrollContentsBy(int dx, int dy) {
    QListView::scrollContentsBy(dx, dy);
    // Scrolling moves the pixels drawn so far, the ring with them.
    if (hasFocus())
        viewport()->update();
}

void ListboxView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    viewport()->update();
}

void ListboxView::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    viewport()->update();
}

void ListboxView::keyPressEvent(QKeyEvent* event) {
    if (owner_) {
        const std::string key = keyName(*event);
        if (!key.empty() && owner_->KeyDown.raise(*owner_, key)) {
            event->accept();
            return;
        }
    }
    QListView::keyPressEvent(event);
}

void ListboxView::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ListboxView::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ListboxView::dropEvent(QDropEvent* event) {
    if (!acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    DragItem item = DragItem::fromMimeData(*event->mimeData());
    owner_->DropObject.raise(*owner_, item, DragItem::actionFromQt(event->dropAction()));
}

} // namespace tk
