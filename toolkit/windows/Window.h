#pragma once

#include "toolkit/core/Color.h"
#include "toolkit/core/Ref.h"
#include "toolkit/core/Variant.h"
#include "toolkit/windows/MenuHandlers.h"

#include <QPointer>

#include <memory>
#include <string>
#include <typeindex>
#include <vector>

namespace tk {

class Control;
class MenuBar;
class WindowWidget;

// A top-level window whose content area holds controls at absolute positions.
// A window is built from its stored layout by Constructor(): the Layout hook
// (stored window properties), the CreateControls hook (each control created,
// registered under its name, given its stored properties and bound to its
// handlers), the AddMenuHandlers hook, the controls' Open events in creation
// order, then the window's Open event.
class Window : public std::enable_shared_from_this<Window> {
  public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The one window of class W: the open one, found from the moment of its
    // creation on (also during its own construction), else a new one, built.
    template <class W> static Ref<W> instance();
    // The open window of class W, or nil; never creates one.
    template <class W> static Ref<W> openInstance() { return refCast<W>(RuntimeGetImplicitWindow(typeid(W))); }

    // Builds the window; called once, by instance().
    void Constructor();

    // Construction hooks.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}

    // Window events.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    // True keeps the window open.
    virtual bool Event_CancelClose() { return false; }
    virtual void Event_Activate() {}
    virtual void Event_Deactivate() {}
    virtual void Event_EnableMenuItems() {}
    virtual void Event_Resizing() {}
    virtual void Event_Resized() {}

    // Shows the window and brings it to the front.
    void Show();
    // Closes the window; the toolkit no longer holds it for its class.
    void Close();
    // Redraws the whole window.
    void Refresh(bool eraseBackground = true);

    bool Visible() const;
    void setVisible(bool visible);
    std::string Title() const;
    void setTitle(const std::string& title);
    // Size of the content area, below the menu bar and toolbar.
    int Width() const;
    int Height() const;
    void setWidth(int width);
    void setHeight(int height);
    int MinWidth() const;
    int MinHeight() const;
    int MaxWidth() const;
    int MaxHeight() const;
    bool isOpen() const { return open_; }

    const Ref<tk::MenuBar>& MenuBar() const { return menuBar_; }
    void setMenuBar(Ref<tk::MenuBar> bar);

    // Applies stored window properties (name and value pairs) in their order.
    void applyStoredProperties(const StoredProperties& properties);

    // A new control of class C for this window, its constructor run.
    template <class C> Ref<C> __New();
    // Registers a control under its name.
    void _AddControl(const Ref<Control>& control, const std::string& name);
    // The control registered under that name, or nil.
    Ref<Control> _ControlByName(const std::string& name) const;
    // The control of that name cast to its class; nil when there is none.
    template <class C> Ref<C> controlAs(const std::string& name) const;

    void _AddMenuHandler(const std::string& itemName, MenuHandler handler) {
        menuHandlers_.add(itemName, std::move(handler));
    }
    const MenuHandlers& menuHandlers() const { return menuHandlers_; }

    // Toolkit-internal.
    WindowWidget* widget() const;
    const std::vector<Ref<Control>>& controls() const { return controls_; }
    void windowClosed();
    static Window* fromWidget(const void* topLevelWidget);

  private:
    static Ref<Window> RuntimeGetImplicitWindow(std::type_index windowClass);
    static void registerWindow(std::type_index windowClass, const Ref<Window>& window);
    static void unregisterWindow(const Window* window);
    void attach(Control& control);
    void applyStoredProperty(const std::string& name, const Variant& value);
    void applyWindowFlags();
    void showWindow();

    QPointer<WindowWidget> widget_;
    std::vector<Ref<Control>> controls_;
    MenuHandlers menuHandlers_;
    Ref<tk::MenuBar> menuBar_;
    bool open_ = true;
    bool constructed_ = false;
    bool storedVisible_ = true;
    bool placed_ = false;
    bool hasBackColor_ = false;
    Color backColor_ = RGB(255, 255, 255);
    struct Limits {
        int minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
    } limits_;

    struct Frame {
        int kind = 0;
        int placement = 0;
        bool closeButton = true, resizeable = true, maximizeButton = true, minimizeButton = true;
        bool menuBarVisible = true;
    } frame_;

    friend void closeAllWindows();
};

// Closes every open window (used when the run time stops).
void closeAllWindows();

template <class W> Ref<W> Window::instance() {
    requireMainThread();
    if (Ref<Window> open = RuntimeGetImplicitWindow(typeid(W)))
        return refCast<W>(open);
    auto window = makeRef<W>();
    registerWindow(typeid(W), window);
    try {
        window->Constructor();
    } catch (...) {
        unregisterWindow(window.get());
        throw;
    }
    return window;
}

template <class C> Ref<C> Window::__New() {
    requireMainThread();
    auto control = makeRef<C>();
    attach(*control);
    control->Constructor();
    return control;
}

template <class C> Ref<C> Window::controlAs(const std::string& name) const {
    return refCast<C>(_ControlByName(name));
}

} // namespace tk
