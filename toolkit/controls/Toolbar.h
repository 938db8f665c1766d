#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"
#include "toolkit/core/Ref.h"

#include <memory>
#include <string>
#include <vector>

class QAction;
class QToolBar;

namespace tk {

class Picture;

// One item of a toolbar.
class ToolItem {
  public:
    ToolItem();
    virtual ~ToolItem();
    ToolItem(const ToolItem&) = delete;
    ToolItem& operator=(const ToolItem&) = delete;

    const std::string& Name() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    std::string Caption() const;
    void setCaption(const std::string& caption);
    const std::string& HelpTag() const { return helpTag_; }
    void setHelpTag(const std::string& tag);
    bool Enabled() const;
    void setEnabled(bool enabled);

    // Toolkit-internal.
    QAction* action() const { return action_.get(); }

  private:
    std::string name_, helpTag_;
    std::unique_ptr<QAction> action_;
};

// A toolbar button: caption under its icon.
class ToolButton : public ToolItem {
  public:
    int Style() const { return style_; }
    void setStyle(int style) { style_ = style; }
    const Ref<Picture>& Icon() const { return icon_; }
    void setIcon(Ref<Picture> icon);

  private:
    int style_ = 0;
    Ref<Picture> icon_;
};

// The window's toolbar, along the top of the window above its content area.
class Toolbar : public RectControl {
  public:
    Toolbar();

    // Adds the item at the toolbar's end.
    void Append(const Ref<ToolItem>& item);
    int Count() const { return static_cast<int>(items_.size()); }
    Ref<ToolItem> Item(int index) const;

    // Raised with the item the user pressed.
    Event<void(Toolbar&, ToolItem&)> Action;
    Event<void(Toolbar&)> Open;
    // By then the window holds all its controls: the buttons come after them in the Tab order.
    void raiseOpen() override;

    void attachTo(Window& window) override;
    void followContentSize(int, int) override {}

  private:
    QToolBar* bar() const;
    void placeButtonsLastInTabOrder();
    std::vector<Ref<ToolItem>> items_;
};

} // namespace tk
