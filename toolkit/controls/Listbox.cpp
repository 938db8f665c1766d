#include "toolkit/controls/Listbox.h"

#include "toolkit/controls/ListboxView.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/Picture.h"

#include <QImage>
#include <QItemSelectionModel>

#include <algorithm>

namespace tk {

// Holds back Change while one change is made; the list checks the selection once afterwards.
class Listbox::Batch {
  public:
    explicit Batch(Listbox& list) : list_(list) { ++list_.batchDepth_; }
    ~Batch() { --list_.batchDepth_; }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

  private:
    Listbox& list_;
};

namespace {

// Follow-up Change events for changes that Change handlers make; a handler that
// never leaves the selection alone is cut off here instead of looping forever.
constexpr int maxFollowUpChanges = 100;

std::vector<std::string> split(const std::string& text, const std::string& separators) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of(separators, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        // "\r\n" is one line end.
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

} // namespace

Listbox::Listbox() : RectControl(new ListboxView(this)) {}

Listbox::~Listbox() {
    if (ListboxView* v = liveView())
        v->forget();
}

ListboxView* Listbox::view() const {
    return static_cast<ListboxView*>(qwidget());
}

ListboxView* Listbox::liveView() const {
    try {
        return view();
    } catch (const NilObjectException&) {
        return nullptr;
    }
}

ListboxModel& Listbox::rows() const {
    return view()->rows();
}

void Listbox::AddRow(const std::string& text) {
    ListboxModel& model = rows();
    model.append(text);
    lastIndex_ = model.count() - 1;
}

int Listbox::LastIndex() const {
    requireMainThread();
    return lastIndex_;
}

int Listbox::ListCount() const {
    return rows().count();
}

std::uint64_t Listbox::RowID(int row) const {
    const ListboxModel& model = rows();
    return model.has(row) ? model.row(row).id : 0;
}

int Listbox::RowWithID(std::uint64_t id) const { return rows().indexOf(id); }

std::string Listbox::Cell(int row, int column) const {
    return rows().cell(row, column);
}

void Listbox::setCell(int row, int column, const std::string& text) {
    rows().setCell(row, column, text);
}

void Listbox::setRowPicture(int row, const Ref<Picture>& picture) {
    ListboxModel& model = rows();
    // Drawn at the screen's device pixels; the row keeps the picture's own size.
    model.setPicture(row, picture ? ListboxRowPicture(picture->imageAt(view()->devicePixelRatio()))
                                  : ListboxRowPicture());
}

Ref<Picture> Listbox::RowPicture(int row) const {
    const ListboxModel& model = rows();
    if (!model.has(row) || model.row(row).picture.isNull())
        return nullptr;
    const ListboxRowPicture& shown = model.row(row).picture;
    if (shown.devicePixelRatio() == 1.0)
        return makeRef<Picture>(shown.whole());
    return makeRef<Picture>(shown.whole().scaled(shown.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation));
}

int Listbox::ListIndex() const {
    int lowest = -1;
    for (const QItemSelectionRange& range : view()->selectionModel()->selection())
        if (lowest < 0 || range.top() < lowest)
            lowest = range.top();
    return lowest;
}

namespace {
// A long loop that makes one of several selected rows the only one is likely to
// walk the others in turn (saving the selected photos, say): their files, from
// that row on, are expected in that order.
void expectSelectedFilesFrom(ListboxView& view, int index) {
    const ListboxModel& rows = view.rows();
    if (rows.fileColumn() < 0 || currentLongLoopRun() == 0)
        return;
    const QModelIndexList selected = view.selectionModel()->selectedRows();
    if (selected.size() < 2 || !view.selectionModel()->isSelected(rows.index(index)))
        return;
    std::vector<int> walked;
    for (const QModelIndex& row : selected)
        if (row.row() >= index)
            walked.push_back(row.row());
    std::sort(walked.begin(), walked.end());
    std::vector<std::string> files;
    for (int row : walked)
        if (Ref<FolderItem> file = RuntimeGetFolderItem(rows.cell(row, rows.fileColumn())))
            files.push_back(file->nativePath());
    FolderItem::expectInTurn(files);
}
} // namespace

void Listbox::setListIndex(int index) {
    ListboxView* v = view();
    if (index != -1 && !v->rows().has(index))
        return;
    v->layOutWaitingRows();
    if (index != -1)
        expectSelectedFilesFrom(*v, index);
    {
        Batch batch(*this);
        if (index == -1)
            v->selectionModel()->clearSelection();
        else
            v->selectionModel()->setCurrentIndex(v->rows().index(index), QItemSelectionModel::ClearAndSelect);
    }
    selectionMayHaveChanged();
}

bool Listbox::Selected(int row) const {
    ListboxView* v = view();
    return v->rows().has(row) && v->selectionModel()->isSelected(v->rows().index(row));
}

void Listbox::setSelected(int row, bool selected) {
    ListboxView* v = view();
    if (!v->rows().has(row))
        return;
    v->layOutWaitingRows();
    {
        Batch batch(*this);
        const bool single = v->selectionMode() == QAbstractItemView::SingleSelection;
        v->selectionModel()->select(v->rows().index(row), !selected ? QItemSelectionModel::Deselect
                                                          : single  ? QItemSelectionModel::ClearAndSelect
                                                                    : QItemSelectionModel::Select);
    }
    selectionMayHaveChanged();
}

void Listbox::RemoveRow(int row) {
    ListboxView* v = view();
    if (!v->rows().has(row))
        return;
    {
        Batch batch(*this);
        // A single-selection view would select the next row in place of a removed current one.
        if (v->currentIndex().row() == row)
            v->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        v->rows().remove(row);
        if (row == lastIndex_)
            lastIndex_ = -1;
        else if (row < lastIndex_)
            --lastIndex_;
    }
    selectionMayHaveChanged();
}

void Listbox::DeleteAllRows() {
    ListboxView* v = view();
    {
        Batch batch(*this);
        v->rows().clear();
        lastIndex_ = -1;
    }
    selectionMayHaveChanged();
}

void Listbox::AcceptFileDrop(const std::string& fileTypeName) {
    view()->acceptFileType(fileTypeName);
}

std::vector<std::uint64_t> Listbox::selectedRowIds(const ListboxView& v) {
    std::vector<std::uint64_t> ids;
    const ListboxModel& model = v.rows();
    for (const QItemSelectionRange& range : v.selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (model.has(row))
                ids.push_back(model.row(row).id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

void Listbox::selectionMayHaveChanged() {
    // Qt signals several steps of one change; the change's end or the running handler's return looks again.
    if (batchDepth_ > 0 || raisingChange_)
        return;
    raisingChange_ = true;
    const std::weak_ptr<char> alive = alive_;
    for (int round = 0; round <= maxFollowUpChanges; ++round) {
        const ListboxView* v = liveView();
        if (!v)
            break;
        std::vector<std::uint64_t> now = selectedRowIds(*v);
        if (now == lastSelection_)
            break;
        lastSelection_ = std::move(now);
        Change.raise(*this);
        if (alive.expired())
            return;
    }
    raisingChange_ = false;
}

void Listbox::setInitialValue(const std::string& text) {
    if (text.empty())
        return;
    // Rows end with a line end; a row's columns are separated by tabs.
    std::vector<std::string> lines = split(text, "\r\n");
    if (lines.back().empty())
        lines.pop_back();
    for (const std::string& line : lines) {
        const std::vector<std::string> columns = split(line, "\t");
        AddRow(columns[0]);
        for (std::size_t column = 1; column < columns.size(); ++column)
            setCell(lastIndex_, int(column), columns[column]);
    }
}

bool Listbox::applyStoredProperty(const std::string& name, const Variant& value) {
    ListboxView* v = view();
    if (name == "DefaultRowHeight")
        v->setRowHeight(value.toInt());
    else if (name == "SelectionType")
        v->setSelectionMode(value.toInt() == 1 ? QAbstractItemView::ExtendedSelection
                                               : QAbstractItemView::SingleSelection);
    else if (name == "Border")
        v->setFrameShape(value.toBool() ? QFrame::StyledPanel : QFrame::NoFrame);
    else if (name == "ScrollbarVertical")
        v->setVerticalScrollBarPolicy(value.toBool() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    else if (name == "ScrollbarHorizontal")
        v->setHorizontalScrollBarPolicy(value.toBool() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    else if (name == "GridLinesHorizontal")
        v->setGridLines(value.toInt() != 0);
    else if (name == "UseFocusRing")
        v->setFocusRing(value.toBool());
    else if (name == "TabStop")
        v->setFocusPolicy(value.toBool() ? Qt::StrongFocus : Qt::ClickFocus);
    else if (name == "InitialValue")
        setInitialValue(value.toString());
    else if (name == "RowFileColumn")
        v->rows().setFileColumn(value.toInt());
    else if (name == "ColumnCount" || name == "ColumnWidths" || name == "ColumnsResizable" ||
             name == "GridLinesVertical" || name == "HasHeading" || name == "Hierarchical" ||
             name == "RequiresSelection" || name == "EnableDrag" || name == "EnableDragReorder" ||
             name == "AutoHideScrollbars")
        ; // One column shown, no heading, flat rows, no dragging rows out: nothing to set up.
    else if (applyFontProperty(name, value))
        ;
    else
        return RectControl::applyStoredProperty(name, value);
    return true;
}

} // namespace tk
