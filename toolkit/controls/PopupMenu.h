#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"

#include <string>

class QComboBox;

namespace tk {

// A pop-up menu of text rows, one of them chosen. Change is raised whenever
// the chosen row changes, by the user or by code.
class PopupMenu : public RectControl {
  public:
    PopupMenu();

    void AddRow(const std::string& text);
    void RemoveRow(int row);
    void DeleteAllRows();
    int ListCount() const;
    // The chosen row, -1 for none; an index no row has chooses nothing.
    int ListIndex() const;
    void setListIndex(int row);
    // The text of the chosen row; empty when none is chosen.
    std::string Text() const;
    std::string List(int row) const;

    Event<void(PopupMenu&)> Change;
    Event<void(PopupMenu&)> Open;
    void raiseOpen() override { Open.raise(*this); }

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    QComboBox* combo() const;
};

} // namespace tk
