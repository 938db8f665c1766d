#include "shell/aboutWindow.h"

#include "shell/App.h"
#include "shell/ResourcePictures.h"
#include "shell/StoredLayout.h"

using storedLayout::join;

void aboutWindow::Layout() {
    applyStoredProperties({{"Width", 334},       {"Height", 228},      {"MinWidth", 64},
                           {"MinHeight", 64},    {"MaxWidth", 32000},  {"MaxHeight", 32000},
                           {"Frame", 0},         {"Title", "Tessivo"}, {"CloseButton", true},
                           {"Resizeable", false}, {"MaximizeButton", false}, {"MinimizeButton", false},
                           {"FullScreenButton", false}, {"Composite", true}, {"MacProcID", 0},
                           {"Placement", 2},     {"Visible", false},   {"LiveResize", false},
                           {"FullScreen", false}, {"MenuBarVisible", true}, {"HasBackColor", false}});
}

void aboutWindow::CreateControls() { _CreateControls0(); }

namespace {
tk::StoredProperties centredBlackLabel(int left, int top, int width, const char* text, int size, bool bold,
                                       int tabIndex) {
    return join({storedLayout::plainLabel(),
                 {{"Left", left},
                  {"Top", top},
                  {"Width", width},
                  {"Height", 20},
                  {"Text", text},
                  {"TextFont", "System"},
                  {"TextSize", size},
                  {"Bold", bold},
                  {"TextColor", tk::RGB(0, 0, 0)},
                  {"TextAlign", 1},
                  {"TabIndex", tabIndex}}});
}
} // namespace

void aboutWindow::_CreateControls0() {
    _AddControl(__New<tk::Label>(), "StaticText2");
    StaticText2()->applyStoredProperties(centredBlackLabel(119, 131, 105, "Tessivo", 12, true, 2));

    _AddControl(__New<tk::Canvas>(), "Canvas1");
    Canvas1()->setBackdrop(appIcon96());
    Canvas1()->applyStoredProperties(
        join({storedLayout::pictureCanvas(), {{"Left", 119}, {"Top", 23}, {"Width", 105}, {"Height", 96}, {"TabIndex", 4}}}));

    _AddControl(__New<tk::Label>(), "Label2");
    Label2()->applyStoredProperties(centredBlackLabel(87, 156, 161, "Version 3.0", 10, false, 5));

    _AddControl(__New<tk::Label>(), "Label1");
    Label1()->applyStoredProperties(
        centredBlackLabel(87, 180, 161, copyrightLine, 10, false, 6));
}
