#pragma once

#include "toolkit/controls/Toolbar.h"

// The main window's toolbar: Open, Untitled, Number and Save Selected.
class Toolbar1 : public tk::Toolbar {
  public:
    void Constructor() override;

    tk::Ref<tk::ToolButton> OpenFolder;
    tk::Ref<tk::ToolButton> ToolItem1;
    tk::Ref<tk::ToolButton> Number;
    tk::Ref<tk::ToolButton> Save;
};
