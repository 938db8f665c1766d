#include "shell/PrefsWindow.h"

#include "shell/EmailSettings.h"
#include "shell/StoredLayout.h"

#include "toolkit/files/TextStream.h"
#include "toolkit/windows/DialogHost.h"

using storedLayout::join;

void PrefsWindow::Layout() {
    applyStoredProperties({{"Width", 498},       {"Height", 220},          {"MinWidth", 64},
                           {"MinHeight", 64},    {"MaxWidth", 32000},      {"MaxHeight", 32000},
                           {"Frame", 1},         {"Title", "Preferences"}, {"CloseButton", true},
                           {"Resizeable", true}, {"MaximizeButton", true}, {"MinimizeButton", true},
                           {"FullScreenButton", false}, {"Composite", false}, {"MacProcID", 0},
                           {"Placement", 0},     {"Visible", true},        {"LiveResize", false},
                           {"FullScreen", false}, {"MenuBarVisible", true}, {"HasBackColor", false},
                           {"BackColor", tk::RGB(255, 255, 255)}});
}

void PrefsWindow::CreateControls() { _CreateControls0(); }

namespace {

// What every control of the window stores: locked to the left and top edges,
// enabled and shown; a text size of 0 is the font's own size.
tk::StoredProperties control(int left, int top, int width, int height, int tabIndex, const char* font,
                             bool bold, int textSize = 0) {
    return join({storedLayout::lockedTopLeft(),
                 {{"Left", left},
                  {"Top", top},
                  {"Width", width},
                  {"Height", height},
                  {"TabIndex", tabIndex},
                  {"TabPanelIndex", 0},
                  {"Enabled", true},
                  {"Visible", true},
                  {"AutoDeactivate", true},
                  {"HelpTag", ""},
                  {"TextFont", font},
                  {"TextSize", textSize},
                  {"Bold", bold},
                  {"Italic", false},
                  {"Underline", false},
                  {"Index", -2147483647 - 1}}});
}

tk::StoredProperties field(tk::StoredProperties place, bool password) {
    return join({std::move(place),
                 {{"InitialParent", "GroupBox1"},
                  {"Text", ""},
                  {"Border", true},
                  {"UseFocusRing", true},
                  {"TextColor", tk::RGB(0, 0, 0)},
                  {"BackColor", tk::RGB(255, 255, 255)},
                  {"Alignment", 0},
                  {"Format", ""},
                  {"CueText", ""},
                  {"Mask", ""},
                  {"LimitText", 0},
                  {"ReadOnly", false},
                  {"AcceptTabs", false},
                  {"AutomaticallyCheckSpelling", false},
                  {"TabStop", true},
                  {"Password", password}}});
}

tk::StoredProperties label(tk::StoredProperties place, const char* parent, const char* text, int align,
                           bool multiline) {
    return join({std::move(place),
                 {{"InitialParent", parent},
                  {"Text", text},
                  {"TextColor", tk::RGB(0, 0, 0)},
                  {"TextAlign", align},
                  {"Multiline", multiline},
                  {"Selectable", false},
                  {"Transparent", false}}});
}

tk::StoredProperties button(tk::StoredProperties place, const char* parent, const char* caption,
                            bool isDefault) {
    return join({std::move(place),
                 {{"InitialParent", parent},
                  {"Caption", caption},
                  {"ButtonStyle", 0},
                  {"Default", isDefault},
                  {"Cancel", false},
                  {"TabStop", true}}});
}

// The "?" buttons beside the fields.
tk::StoredProperties helpButton(int left, int top, int tabIndex) {
    return button(control(left, top, 26, 18, tabIndex, "Helvetica", true), "GroupBox1", "?", false);
}

} // namespace

void PrefsWindow::_CreateControls0() {
    _AddControl(__New<tk::GroupBox>(), "GroupBox1");
    GroupBox1()->applyStoredProperties(join({control(27, 15, 445, 159, 0, "System", true),
                                             {{"InitialParent", ""}, {"Caption", "Email Settings:"},
                                              {"TabStop", true}}}));

    _AddControl(__New<tk::TextField>(), "addressFld");
    addressFld()->applyStoredProperties(field(control(148, 45, 275, 22, 0, "System", false), false));

    _AddControl(__New<tk::TextField>(), "usernameFld");
    usernameFld()->applyStoredProperties(field(control(148, 76, 142, 22, 1, "System", false), false));

    _AddControl(__New<tk::PushButton>(), "PushButton1");
    PushButton1()->applyStoredProperties(helpButton(302, 107, 2));
    PushButton1()->Action.bind(this, &PrefsWindow::PushButton1_Action);

    _AddControl(__New<tk::TextField>(), "passwordFld");
    passwordFld()->applyStoredProperties(field(control(148, 107, 142, 22, 3, "System", false), true));

    _AddControl(__New<tk::PushButton>(), "PushButton2");
    PushButton2()->applyStoredProperties(helpButton(302, 77, 4));
    PushButton2()->Action.bind(this, &PrefsWindow::PushButton2_Action);

    _AddControl(__New<tk::TextField>(), "fromAddressFld");
    fromAddressFld()->applyStoredProperties(field(control(148, 139, 275, 22, 5, "System", false), false));

    _AddControl(__New<tk::Label>(), "StaticText1");
    StaticText1()->applyStoredProperties(
        label(control(42, 46, 100, 20, 6, "System", false), "GroupBox1", "SMTP Address:", 2, false));

    _AddControl(__New<tk::Label>(), "StaticText2");
    StaticText2()->applyStoredProperties(
        label(control(42, 107, 100, 20, 7, "System", false), "GroupBox1", "Password:", 2, false));

    _AddControl(__New<tk::PushButton>(), "PushButton3");
    PushButton3()->applyStoredProperties(helpButton(435, 46, 8));
    PushButton3()->Action.bind(this, &PrefsWindow::PushButton3_Action);

    _AddControl(__New<tk::Label>(), "StaticText3");
    StaticText3()->applyStoredProperties(
        label(control(30, 139, 112, 20, 9, "System", false), "GroupBox1", "Your Email:", 2, false));

    _AddControl(__New<tk::Label>(), "StaticText4");
    StaticText4()->applyStoredProperties(
        label(control(42, 77, 100, 20, 10, "System", false), "GroupBox1", "User Name:", 2, false));

    _AddControl(__New<tk::PushButton>(), "PushButton4");
    PushButton4()->applyStoredProperties(
        button(control(388, 188, 80, 20, 1, "System", false), "", "Save", true));
    PushButton4()->Action.bind(this, &PrefsWindow::PushButton4_Action);
    PushButton4()->Open.bind(this, &PrefsWindow::PushButton4_Open);

    _AddControl(__New<tk::PushButton>(), "PushButton5");
    PushButton5()->applyStoredProperties(
        button(control(300, 188, 80, 20, 2, "System", false), "", "Cancel", false));
    PushButton5()->Action.bind(this, &PrefsWindow::PushButton5_Action);

    _AddControl(__New<tk::Label>(), "StaticText5");
    StaticText5()->applyStoredProperties(
        label(control(30, 185, 268, 35, 3, "System", false, 10), "",
              "These settings are needed to send your photos by email.", 0, true));
}

void PrefsWindow::PushButton1_Action(tk::PushButton&) {
    tk::RuntimeMsgBox("Enter your email account password.");
}

void PrefsWindow::PushButton2_Action(tk::PushButton&) {
    tk::RuntimeMsgBox("Enter your email account user name.");
}

void PrefsWindow::PushButton3_Action(tk::PushButton&) {
    tk::RuntimeMsgBox("Enter your email account outgoing mail address. Eg. 'smtp.example.com'");
}

void PrefsWindow::PushButton4_Open(tk::PushButton&) {
    addressFld()->setText(smtpAddress);
    usernameFld()->setText(smtpUserName);
    passwordFld()->setText(smtpPassword);
    fromAddressFld()->setText(fromAddress);
}

void PrefsWindow::PushButton4_Action(tk::PushButton&) {
    // Written whole under a temporary name and renamed into place, so a failed
    // write keeps the settings saved before.
    if (tk::Ref<tk::FolderItem> f = emailSettingsFile()) {
        if (tk::Ref<tk::TextOutputStream> t = f->CreateTextFile(tk::FileAccess::ownerOnly)) {
            t->WriteLine(addressFld()->Text());
            t->WriteLine(usernameFld()->Text());
            t->WriteLine(passwordFld()->Text());
            t->WriteLine(fromAddressFld()->Text());
            t->Close();
        }
    }
    smtpAddress = addressFld()->Text();
    smtpUserName = usernameFld()->Text();
    smtpPassword = passwordFld()->Text();
    fromAddress = fromAddressFld()->Text();
    Close();
}

void PrefsWindow::PushButton5_Action(tk::PushButton&) { Close(); }
