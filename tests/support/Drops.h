#pragma once

#include <string>
#include <vector>

class QWidget;

// Drops files on a widget as a file manager would: drag enter, then drop.
// Returns True when the widget accepted the drop.
bool dropFiles(QWidget* target, const std::vector<std::string>& nativePaths);
