#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/windows/Menu.h"

// The application's one menu bar, shared by the application and the main window.
class MenuBar1 : public tk::MenuBar {
  public:
    // The one menu bar, built on the first call.
    static tk::Ref<MenuBar1> instance();
    static void releaseInstance();

    void Constructor() override;
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
};
