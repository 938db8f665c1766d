#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"
#include "toolkit/core/Ref.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class DragItem;
class Graphics;
class ListboxModel;
class ListboxView;
class Picture;

// A list of rows. Column 0 is the one column shown; the texts of further
// columns are kept with their row but never shown. Each row may show a picture
// at its left edge, with its text beside it. Assistive tools read a row by its
// text; where a row has none and the stored property RowFileColumn names a
// column holding a file's path, by that file's name.
class Listbox : public RectControl {
  public:
    Listbox();
    ~Listbox() override;

    // Appends a row at the end.
    void AddRow(const std::string& text);
    // The index of the row added last; -1 when there is none.
    int LastIndex() const;
    int ListCount() const;

    // Names a row for as long as it is listed, whatever rows come and go
    // around it; 0 for a row that does not exist.
    std::uint64_t RowID(int row) const;
    // The row that id names now; -1 once that row has been removed.
    int RowWithID(std::uint64_t id) const;

    // A row that does not exist reads as "" and ignores writes.
    std::string Cell(int row, int column) const;
    void setCell(int row, int column, const std::string& text);
    // Nil removes the row's picture.
    void setRowPicture(int row, const Ref<Picture>& picture);
    // The row's picture as the list shows it; nil when it has none.
    Ref<Picture> RowPicture(int row) const;

    // The selected row, the lowest one when several are; -1 for none.
    int ListIndex() const;
    // Selects that row alone; -1 clears the selection, an index no row has changes nothing.
    void setListIndex(int index);
    bool Selected(int row) const;
    // True adds the row to the selection, False takes it out.
    void setSelected(int row, bool selected);

    // The rows below move up by one.
    void RemoveRow(int row);
    void DeleteAllRows();

    // Lets files of that registered file type be dropped on the list.
    void AcceptFileDrop(const std::string& fileTypeName);

    Event<void(Listbox&)> Open;
    void raiseOpen() override { Open.raise(*this); }
    // Raised, before the change's setter returns, once for every change of the set
    // of selected rows, whoever made it. Changes a handler makes get Change events
    // of their own after the handler returns.
    Event<void(Listbox&)> Change;
    // Draws a cell's background on a surface of the cell's size; True means the
    // handler drew it, so the selection highlight is left out.
    Event<bool(Listbox&, Graphics&, int row, int column)> CellBackgroundPaint;
    // A key pressed while the list has focus, before the list handles it; True
    // stops the list's own handling.
    Event<bool(Listbox&, const std::string& key)> KeyDown;
    // Files dropped on the list; action is one of the DragItem::DragAction constants.
    Event<void(Listbox&, DragItem&, int action)> DropObject;

    // Toolkit-internal: the view calls this whenever Qt's selection may have changed.
    void selectionMayHaveChanged();

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    class Batch;

    ListboxView* view() const;
    ListboxView* liveView() const;
    ListboxModel& rows() const;
    static std::vector<std::uint64_t> selectedRowIds(const ListboxView& view);
    void setInitialValue(const std::string& text);

    int lastIndex_ = -1;
    // The selected rows as of the last Change, by row identity.
    std::vector<std::uint64_t> lastSelection_;
    int batchDepth_ = 0;
    bool raisingChange_ = false;
    // Expires with the list, so a handler that destroyed it is noticed.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

} // namespace tk
