#pragma once

#include "toolkit/core/Variant.h"

#include <initializer_list>

// Stored properties shared by many controls of the application's windows.
namespace storedLayout {

// Joins property lists in order.
tk::StoredProperties join(std::initializer_list<tk::StoredProperties> parts);

// A control locked to the window's left and top edges only.
tk::StoredProperties lockedTopLeft();
// A plain one-line label as the designer stores it: black, not selectable, opaque.
tk::StoredProperties plainLabel();
// A canvas showing a picture, taking no focus.
tk::StoredProperties pictureCanvas();

} // namespace storedLayout
