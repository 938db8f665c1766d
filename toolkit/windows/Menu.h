#pragma once

#include "toolkit/core/Ref.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {

class Window;

// One item of a menu tree. Choosing an item runs the handler registered under
// its Name: the frontmost window's first, then the application object's.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
  public:
    MenuItem() = default;
    explicit MenuItem(const std::string& text) : text_(text) {}
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    virtual void Constructor() {}

    const std::string& Name() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    // "-" makes the item a separator line; "&" marks the access key.
    const std::string& Text() const { return text_; }
    void setText(const std::string& text) { text_ = text; }
    // "Cmd+Shift+O" and the like; Cmd is the Control key here.
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void setKeyboardShortcut(const std::string& shortcut) { shortcut_ = shortcut; }
    bool AutoEnable() const { return autoEnable_; }
    void setAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    bool Visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    // Appends a child at the end.
    void Append(const Ref<MenuItem>& child);
    int Count() const { return static_cast<int>(children_.size()); }
    // The child at a 0-based position, nil outside.
    Ref<MenuItem> Item(int index) const;
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(const std::string& name) const;
    // The item of that name anywhere below this one, or nil.
    Ref<MenuItem> _Lookup(const std::string& name) const;

    bool isSeparator() const { return text_ == "-"; }

    // What choosing the item does; frontmost is the window it was chosen in (or nil).
    virtual void Action(Window* frontmost);
    // Whether choosing the item now would reach a handler.
    virtual bool hasHandler(Window* frontmost) const;

  private:
    std::string name_, text_, shortcut_;
    bool autoEnable_ = true;
    bool visible_ = true;
    std::vector<Ref<MenuItem>> children_;
};

class MenuBar : public MenuItem {};

// The item for the application's about box.
class AppleMenuItem : public MenuItem {};

// Quits the application by itself, without any handler.
class QuitMenuItem : public MenuItem {
  public:
    void Action(Window* frontmost) override;
    bool hasHandler(Window*) const override { return true; }
};

} // namespace tk
