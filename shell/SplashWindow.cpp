#include "shell/SplashWindow.h"

#include "shell/App.h"
#include "shell/ResourcePictures.h"
#include "shell/StoredLayout.h"
#include "workspace/MainWindow.h"

using storedLayout::join;

void SplashWindow::Layout() {
    applyStoredProperties({{"Width", 413},       {"Height", 168},      {"MinWidth", 64},
                           {"MinHeight", 64},    {"MaxWidth", 32000},  {"MaxHeight", 32000},
                           {"Frame", 2},         {"Title", ""},        {"CloseButton", false},
                           {"Resizeable", false}, {"MaximizeButton", false}, {"MinimizeButton", false},
                           {"FullScreenButton", false}, {"Composite", false}, {"MacProcID", 0},
                           {"Placement", 2},     {"Visible", true},    {"LiveResize", false},
                           {"FullScreen", false}, {"MenuBarVisible", true}, {"HasBackColor", false}});
}

void SplashWindow::CreateControls() { _CreateControls0(); }

void SplashWindow::_CreateControls0() {
    _AddControl(__New<tk::Label>(), "StaticText1");
    StaticText1()->applyStoredProperties(join({storedLayout::plainLabel(),
                                               {{"Left", 173},
                                                {"Top", 96},
                                                {"Width", 200},
                                                {"Height", 20},
                                                {"Text", copyrightLine},
                                                {"TextFont", "Verdana"},
                                                {"TextSize", 10},
                                                {"Bold", false},
                                                {"TextColor", tk::RGB(0, 0, 0)},
                                                {"TextAlign", 1},
                                                {"TabIndex", 1}}}));

    _AddControl(__New<tk::Timer>(), "Timer1");
    Timer1()->applyStoredProperties({{"Mode", 1}, {"Period", 2500}, {"Index", -2147483647 - 1}});
    Timer1()->Action.bind(this, &SplashWindow::Timer1_Action);

    _AddControl(__New<tk::Label>(), "Label1");
    Label1()->applyStoredProperties(join({storedLayout::plainLabel(),
                                          {{"Left", 143},
                                           {"Top", 29},
                                           {"Width", 268},
                                           {"Height", 69},
                                           {"Text", "Tessivo"},
                                           {"TextFont", "System"},
                                           {"TextSize", 32},
                                           {"Bold", true},
                                           {"TextColor", tk::colorFromHex(0x333333)},
                                           {"TextAlign", 1},
                                           {"TabIndex", 8}}}));

    _AddControl(__New<tk::Canvas>(), "Canvas2");
    Canvas2()->setBackdrop(appIcon128());
    Canvas2()->applyStoredProperties(
        join({storedLayout::pictureCanvas(), {{"Left", 33}, {"Top", 14}, {"Width", 128}, {"Height", 128}, {"TabIndex", 9}}}));
}

void SplashWindow::Timer1_Action(tk::Timer&) {
    MainWindow::instance()->setVisible(true);
    MainWindow::instance()->Show();
    Close();
}
