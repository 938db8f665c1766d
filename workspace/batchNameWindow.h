#pragma once

#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PushButton.h"
#include "toolkit/controls/TextField.h"
#include "toolkit/windows/Window.h"

#include <string>

// "Rename and Number": gives every listed photo file a new name made of a base
// name, a running number and an extension, and shows an example of the names.
class batchNameWindow : public tk::Window {
  public:
    static tk::Ref<batchNameWindow> instance() { return tk::Window::instance<batchNameWindow>(); }

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    tk::Ref<tk::TextField> EditField1() const { return controlAs<tk::TextField>("EditField1"); }
    tk::Ref<tk::PushButton> PushButton1() const { return controlAs<tk::PushButton>("PushButton1"); }
    tk::Ref<tk::PushButton> PushButton2() const { return controlAs<tk::PushButton>("PushButton2"); }
    tk::Ref<tk::Label> StaticText1() const { return controlAs<tk::Label>("StaticText1"); }
    tk::Ref<tk::TextField> EditField2() const { return controlAs<tk::TextField>("EditField2"); }
    tk::Ref<tk::TextField> EditField3() const { return controlAs<tk::TextField>("EditField3"); }
    tk::Ref<tk::Label> StaticText3() const { return controlAs<tk::Label>("StaticText3"); }
    tk::Ref<tk::Label> StaticText5() const { return controlAs<tk::Label>("StaticText5"); }
    tk::Ref<tk::Label> StaticText6() const { return controlAs<tk::Label>("StaticText6"); }
    tk::Ref<tk::CheckBox> CheckBox1() const { return controlAs<tk::CheckBox>("CheckBox1"); }
    tk::Ref<tk::Label> StaticText7() const { return controlAs<tk::Label>("StaticText7"); }
    tk::Ref<tk::Label> StaticText8() const { return controlAs<tk::Label>("StaticText8"); }
    tk::Ref<tk::Label> StaticText9() const { return controlAs<tk::Label>("StaticText9"); }

    void EditField1_TextChange(tk::TextField& sender);
    void PushButton1_Action(tk::PushButton& sender);
    void PushButton2_Action(tk::PushButton& sender);
    void EditField2_TextChange(tk::TextField& sender);
    void EditField3_TextChange(tk::TextField& sender);
    void CheckBox1_Action(tk::CheckBox& sender);
    // A second renaming pass, numbered from 0, that keeps the rows' paths; nothing calls it.
    void RenameGalleryPictures(const std::string& a, const std::string& b, const std::string& c,
                               const std::string& d, const std::string& e);

  private:
    // Base, start and extension joined in the order the check box sets.
    std::string joined(const std::string& base, const std::string& start, const std::string& extension) const;
};
