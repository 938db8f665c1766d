#pragma once

// Realises a menu tree as Qt menus and shortcuts. Toolkit-internal.
class QMenuBar;

namespace tk {

class MenuItem;
class Window;

// The window's menu bar: one menu per top-level item that has a text.
QMenuBar* buildQMenuBar(const MenuItem& bar, Window& window);

// The tree's keyboard shortcuts, answered in a window that shows no menu bar.
void installMenuShortcuts(const MenuItem& bar, Window& window);

} // namespace tk
