#pragma once

#include "toolkit/controls/Canvas.h"
#include "toolkit/controls/Label.h"
#include "toolkit/windows/Window.h"

// The about box: icon, name, version and copyright line; closed with its close button.
class aboutWindow : public tk::Window {
  public:
    static tk::Ref<aboutWindow> instance() { return tk::Window::instance<aboutWindow>(); }

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    tk::Ref<tk::Label> StaticText2() const { return controlAs<tk::Label>("StaticText2"); }
    tk::Ref<tk::Canvas> Canvas1() const { return controlAs<tk::Canvas>("Canvas1"); }
    tk::Ref<tk::Label> Label2() const { return controlAs<tk::Label>("Label2"); }
    tk::Ref<tk::Label> Label1() const { return controlAs<tk::Label>("Label1"); }
};
