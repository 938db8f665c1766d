#pragma once

#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PushButton.h"
#include "toolkit/controls/TextField.h"
#include "toolkit/windows/Window.h"

// "Preferences": edits the e-mail settings. Each window built shows the
// settings as they are; Save stores the fields in the settings file and in
// the settings, Cancel and the close button leave both as they were.
class PrefsWindow : public tk::Window {
  public:
    static tk::Ref<PrefsWindow> instance() { return tk::Window::instance<PrefsWindow>(); }

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    tk::Ref<tk::GroupBox> GroupBox1() const { return controlAs<tk::GroupBox>("GroupBox1"); }
    tk::Ref<tk::TextField> addressFld() const { return controlAs<tk::TextField>("addressFld"); }
    tk::Ref<tk::TextField> usernameFld() const { return controlAs<tk::TextField>("usernameFld"); }
    tk::Ref<tk::PushButton> PushButton1() const { return controlAs<tk::PushButton>("PushButton1"); }
    tk::Ref<tk::TextField> passwordFld() const { return controlAs<tk::TextField>("passwordFld"); }
    tk::Ref<tk::PushButton> PushButton2() const { return controlAs<tk::PushButton>("PushButton2"); }
    tk::Ref<tk::TextField> fromAddressFld() const { return controlAs<tk::TextField>("fromAddressFld"); }
    tk::Ref<tk::Label> StaticText1() const { return controlAs<tk::Label>("StaticText1"); }
    tk::Ref<tk::Label> StaticText2() const { return controlAs<tk::Label>("StaticText2"); }
    tk::Ref<tk::PushButton> PushButton3() const { return controlAs<tk::PushButton>("PushButton3"); }
    tk::Ref<tk::Label> StaticText3() const { return controlAs<tk::Label>("StaticText3"); }
    tk::Ref<tk::Label> StaticText4() const { return controlAs<tk::Label>("StaticText4"); }
    tk::Ref<tk::PushButton> PushButton4() const { return controlAs<tk::PushButton>("PushButton4"); }
    tk::Ref<tk::PushButton> PushButton5() const { return controlAs<tk::PushButton>("PushButton5"); }
    tk::Ref<tk::Label> StaticText5() const { return controlAs<tk::Label>("StaticText5"); }

    // The "?" help buttons beside the password, the user name and the server address.
    void PushButton1_Action(tk::PushButton& sender);
    void PushButton2_Action(tk::PushButton& sender);
    void PushButton3_Action(tk::PushButton& sender);
    // Save.
    void PushButton4_Action(tk::PushButton& sender);
    // Fills the fields from the settings.
    void PushButton4_Open(tk::PushButton& sender);
    // Cancel.
    void PushButton5_Action(tk::PushButton& sender);
};
