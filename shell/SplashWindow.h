#pragma once

#include "toolkit/controls/Canvas.h"
#include "toolkit/controls/Label.h"
#include "toolkit/core/Timer.h"
#include "toolkit/windows/Window.h"

// The window shown at launch: icon, name and copyright line; after 2500 ms
// its timer shows the main window and closes the splash.
class SplashWindow : public tk::Window {
  public:
    static tk::Ref<SplashWindow> instance() { return tk::Window::instance<SplashWindow>(); }

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    tk::Ref<tk::Label> StaticText1() const { return controlAs<tk::Label>("StaticText1"); }
    tk::Ref<tk::Timer> Timer1() const { return controlAs<tk::Timer>("Timer1"); }
    tk::Ref<tk::Label> Label1() const { return controlAs<tk::Label>("Label1"); }
    tk::Ref<tk::Canvas> Canvas2() const { return controlAs<tk::Canvas>("Canvas2"); }

    void Timer1_Action(tk::Timer& sender);
};
