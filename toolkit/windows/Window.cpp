#include "toolkit/windows/Window.h"

#include "toolkit/core/Control.h"
#include "toolkit/core/Dispatch.h"
#include "toolkit/core/QtText.h"
#include "toolkit/windows/Application.h"
#include "toolkit/windows/Menu.h"
#include "toolkit/windows/MenuQt.h"
#include "toolkit/windows/Runtime.h"
#include "toolkit/windows/WindowWidget.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>

#include <algorithm>

namespace tk {

namespace {
struct OpenWindow {
    std::type_index windowClass;
    Ref<Window> window;
};
// Windows in the order they were created; each class has at most one here.
std::vector<OpenWindow>& openWindows() {
    static std::vector<OpenWindow> windows;
    return windows;
}
} // namespace

Ref<Window> Window::RuntimeGetImplicitWindow(std::type_index windowClass) {
    for (const auto& open : openWindows())
        if (open.windowClass == windowClass)
            return open.window;
    return nullptr;
}

void Window::registerWindow(std::type_index windowClass, const Ref<Window>& window) {
    openWindows().push_back({windowClass, window});
}

void Window::unregisterWindow(const Window* window) {
    auto& windows = openWindows();
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [window](const OpenWindow& open) { return open.window.get() == window; }),
                  windows.end());
}

Window* Window::fromWidget(const void* topLevelWidget) {
    for (const auto& open : openWindows())
        if (topLevelWidget && open.window->widget_.data() == topLevelWidget)
            return open.window.get();
    return nullptr;
}

void closeAllWindows() {
    // Windows go without their Close events: nothing is asked or saved at exit.
    auto windows = std::move(openWindows());
    openWindows().clear();
    for (auto& open : windows)
        open.window->open_ = false;
    windows.clear();
    runDeferredWork();
}

Window::Window() : widget_(new WindowWidget(*this)) {}

Window::~Window() {
    for (const auto& control : controls_)
        control->detachFromWindow();
    if (widget_) {
        widget_->forgetOwner();
        widget_->hide();
        // The widget may be the one whose event handler is running right now.
        if (QCoreApplication::instance())
            widget_->deleteLater();
        else
            delete widget_.data();
    }
}

WindowWidget* Window::widget() const {
    requireMainThread();
    return widget_.data();
}

void Window::Constructor() {
    requireMainThread();
    Layout();
    CreateControls();
    AddMenuHandlers();
    if (!menuBar_) {
        // A window without a menu bar of its own still answers the
        // application's menu shortcuts.
        if (Ref<Application> app = RuntimeAppObject(); app && app->MenuBar())
            installMenuShortcuts(*app->MenuBar(), *this);
    }
    for (const auto& control : controls_)
        control->raiseOpen();
    constructed_ = true;
    if (storedVisible_)
        showWindow();
    Event_Open();
}

void Window::attach(Control& control) { control.attachTo(*this); }

void Window::_AddControl(const Ref<Control>& control, const std::string& name) {
    requireMainThread();
    control->setRegisteredName(name);
    controls_.push_back(control);
}

Ref<Control> Window::_ControlByName(const std::string& name) const {
    requireMainThread();
    for (const auto& control : controls_)
        if (control->Name() == name)
            return control;
    return nullptr;
}

void Window::setMenuBar(Ref<tk::MenuBar> bar) {
    requireMainThread();
    menuBar_ = std::move(bar);
    if (menuBar_)
        deref(widget()).setMenuBar(buildQMenuBar(*menuBar_, *this));
}

void Window::showWindow() {
    WindowWidget& w = deref(widget());
    if (!placed_) {
        placed_ = true;
        // The menu bar and toolbar have their final size now: the content area
        // keeps the size it was built with.
        const QSize content = w.contentArea()->size();
        w.resizeContent(content.width(), content.height());
        if (frame_.placement == 2 || frame_.placement == 1) {
            if (QScreen* screen = QGuiApplication::primaryScreen()) {
                QRect area = screen->availableGeometry();
                QRect frame = w.frameGeometry();
                w.move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
            }
        }
    }
    w.show();
    w.raise();
    w.activateWindow();
}

void Window::Show() {
    requireMainThread();
    if (!open_)
        throw NilObjectException();
    showWindow();
}

void Window::Close() {
    requireMainThread();
    if (open_ && widget_)
        widget_->close();
}

void Window::windowClosed() {
    if (!open_)
        return;
    open_ = false;
    // The window is released on the next turn of the event loop, never while
    // one of its own handlers (a button, its timer) is still running.
    // Released once no handler runs: a handler that closed its own window
    // (a button, a timer) may go on using it, also through a long loop.
    whenNoHandlerRuns([keepAlive = shared_from_this()] {});
    Event_Close();
    unregisterWindow(this);
}

void Window::Refresh(bool) {
    // Repainting the window's area repaints every control in it.
    deref(widget()).update();
}

bool Window::Visible() const { return widget_ && widget()->isVisible(); }

void Window::setVisible(bool visible) {
    requireMainThread();
    if (!constructed_) {
        storedVisible_ = visible;
        return;
    }
    if (visible)
        showWindow();
    else
        deref(widget()).hide();
}

std::string Window::Title() const { return fromQt(deref(widget()).windowTitle()); }
void Window::setTitle(const std::string& title) { deref(widget()).setWindowTitle(toQt(title)); }

int Window::Width() const { return deref(widget()).contentArea()->width(); }
int Window::Height() const { return deref(widget()).contentArea()->height(); }
int Window::MinWidth() const { return limits_.minWidth; }
int Window::MinHeight() const { return limits_.minHeight; }
int Window::MaxWidth() const { return limits_.maxWidth; }
int Window::MaxHeight() const { return limits_.maxHeight; }

void Window::setWidth(int width) {
    width = std::clamp(width, limits_.minWidth, limits_.maxWidth);
    deref(widget()).resizeContent(width, Height());
}

void Window::setHeight(int height) {
    height = std::clamp(height, limits_.minHeight, limits_.maxHeight);
    deref(widget()).resizeContent(Width(), height);
}

void Window::applyStoredProperties(const StoredProperties& properties) {
    requireMainThread();
    for (const auto& property : properties)
        applyStoredProperty(property.name, property.value);
    WindowWidget& w = deref(widget());
    w.setContentLimits(limits_.minWidth, limits_.minHeight, limits_.maxWidth, limits_.maxHeight);
    w.setBackground(hasBackColor_, QColor(backColor_.red, backColor_.green, backColor_.blue));
    applyWindowFlags();
}

void Window::applyStoredProperty(const std::string& name, const Variant& value) {
    WindowWidget& w = deref(widget());
    if (name == "Width")
        w.resizeContent(value.toInt(), Height());
    else if (name == "Height")
        w.resizeContent(Width(), value.toInt());
    else if (name == "MinWidth")
        limits_.minWidth = value.toInt();
    else if (name == "MinHeight")
        limits_.minHeight = value.toInt();
    else if (name == "MaxWidth")
        limits_.maxWidth = value.toInt();
    else if (name == "MaxHeight")
        limits_.maxHeight = value.toInt();
    else if (name == "Frame")
        frame_.kind = value.toInt();
    else if (name == "Placement")
        frame_.placement = value.toInt();
    else if (name == "Title")
        setTitle(value.toString());
    else if (name == "CloseButton")
        frame_.closeButton = value.toBool();
    else if (name == "Resizeable")
        frame_.resizeable = value.toBool();
    else if (name == "MaximizeButton")
        frame_.maximizeButton = value.toBool();
    else if (name == "MinimizeButton")
        frame_.minimizeButton = value.toBool();
    else if (name == "MenuBarVisible")
        frame_.menuBarVisible = value.toBool();
    else if (name == "Visible")
        setVisible(value.toBool());
    else if (name == "HasBackColor")
        hasBackColor_ = value.toBool();
    else if (name == "BackColor")
        backColor_ = value.toColor();
    else if (name == "FullScreenButton" || name == "FullScreen" || name == "Composite" || name == "MacProcID" ||
             name == "LiveResize")
        ; // Qt windows always repaint while they are resized; the rest has no meaning here.
    else
        throw UnsupportedOperationException("A window has no stored property \"" + name + "\".");
}

void Window::applyWindowFlags() {
    WindowWidget& w = deref(widget());
    Qt::WindowFlags flags;
    if (frame_.kind == 2) {
        // A plain box without title bar or buttons.
        flags = Qt::SplashScreen | Qt::FramelessWindowHint;
    } else {
        flags = (frame_.kind == 1 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (frame_.closeButton)
            flags |= Qt::WindowCloseButtonHint;
        if (frame_.minimizeButton)
            flags |= Qt::WindowMinimizeButtonHint;
        if (frame_.maximizeButton && frame_.resizeable)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    w.setWindowFlags(flags);
    w.setFixedContentSize(!frame_.resizeable);
}

} // namespace tk
