#include "workspace/batchNameWindow.h"

#include "workspace/MainWindow.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/core/Strings.h"
#include "toolkit/windows/DialogHost.h"

namespace {

constexpr int noIndex = -2147483647 - 1;

// Every control: Geneva 12, locked to no edge, enabled and visible.
tk::StoredProperties placed(int left, int top, int width, int height, int tabIndex) {
    return {{"Left", left},          {"Top", top},           {"Width", width},        {"Height", height},
            {"LockLeft", false},     {"LockTop", false},     {"LockRight", false},    {"LockBottom", false},
            {"TextFont", "Geneva"},  {"TextSize", 12},       {"Enabled", true},       {"Visible", true},
            {"TabIndex", tabIndex},  {"Index", noIndex}};
}

tk::StoredProperties with(tk::StoredProperties base, const tk::StoredProperties& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

tk::StoredProperties label(tk::StoredProperties place, const char* text, bool bold) {
    return with(std::move(place), {{"Text", text},
                                   {"Bold", bold},
                                   {"TextAlign", 0},
                                   {"Multiline", false},
                                   {"Selectable", false},
                                   {"Transparent", false}});
}

tk::StoredProperties field(tk::StoredProperties place, const char* text) {
    return with(std::move(place), {{"Text", text},
                                   {"Border", true},
                                   {"TextColor", tk::RGB(0, 0, 0)},
                                   {"BackColor", tk::RGB(255, 255, 255)},
                                   {"Alignment", 0},
                                   {"UseFocusRing", true},
                                   {"LimitText", 0},
                                   {"Mask", ""},
                                   {"CueText", ""},
                                   {"Password", false},
                                   {"ReadOnly", false},
                                   {"AcceptTabs", false},
                                   {"TabStop", true}});
}

tk::StoredProperties button(tk::StoredProperties place, const char* caption, bool isDefault) {
    return with(std::move(place),
                {{"Caption", caption}, {"Default", isDefault}, {"Cancel", !isDefault}, {"TabStop", true}});
}

} // namespace

void batchNameWindow::Layout() {
    applyStoredProperties({{"Width", 428},         {"Height", 125},          {"MinWidth", 64},
                           {"MinHeight", 64},      {"MaxWidth", 32000},      {"MaxHeight", 32000},
                           {"Frame", 0},           {"Title", "Rename and Number"}, {"CloseButton", true},
                           {"Resizeable", true},   {"MaximizeButton", true}, {"MinimizeButton", true},
                           {"FullScreenButton", false}, {"Composite", false}, {"MacProcID", 1088},
                           {"Placement", 0},       {"Visible", true},        {"LiveResize", false},
                           {"FullScreen", false},  {"MenuBarVisible", true}, {"HasBackColor", false}});
}

void batchNameWindow::CreateControls() { _CreateControls0(); }

void batchNameWindow::_CreateControls0() {
    _AddControl(__New<tk::TextField>(), "EditField1");
    EditField1()->applyStoredProperties(field(placed(26, 33, 219, 20, 0), "Summer"));
    EditField1()->TextChange.bind(this, &batchNameWindow::EditField1_TextChange);

    _AddControl(__New<tk::PushButton>(), "PushButton1");
    PushButton1()->applyStoredProperties(button(placed(332, 85, 69, 20, 1), "OK", true));
    PushButton1()->Action.bind(this, &batchNameWindow::PushButton1_Action);

    _AddControl(__New<tk::PushButton>(), "PushButton2");
    PushButton2()->applyStoredProperties(button(placed(247, 85, 69, 20, 2), "Cancel", false));
    PushButton2()->Action.bind(this, &batchNameWindow::PushButton2_Action);

    _AddControl(__New<tk::Label>(), "StaticText1");
    StaticText1()->applyStoredProperties(label(placed(26, 63, 116, 20, 3), "File Name Example:", true));

    _AddControl(__New<tk::TextField>(), "EditField2");
    EditField2()->applyStoredProperties(field(placed(266, 33, 50, 22, 6), "1"));
    EditField2()->TextChange.bind(this, &batchNameWindow::EditField2_TextChange);

    _AddControl(__New<tk::TextField>(), "EditField3");
    EditField3()->applyStoredProperties(field(placed(336, 33, 63, 22, 7), ".jpg"));
    EditField3()->TextChange.bind(this, &batchNameWindow::EditField3_TextChange);

    _AddControl(__New<tk::Label>(), "StaticText3");
    StaticText3()->applyStoredProperties(label(placed(143, 64, 258, 19, 8), "Summer1.jpg", false));

    _AddControl(__New<tk::Label>(), "StaticText5");
    StaticText5()->applyStoredProperties(label(placed(252, 33, 9, 20, 9), "+", false));

    _AddControl(__New<tk::Label>(), "StaticText6");
    StaticText6()->applyStoredProperties(label(placed(322, 33, 9, 20, 10), "+", false));

    _AddControl(__New<tk::CheckBox>(), "CheckBox1");
    CheckBox1()->applyStoredProperties(
        with(placed(26, 85, 178, 20, 11), {{"Caption", "Number before base name"}, {"Value", false}, {"TabStop", true}}));
    CheckBox1()->Action.bind(this, &batchNameWindow::CheckBox1_Action);

    _AddControl(__New<tk::Label>(), "StaticText7");
    StaticText7()->applyStoredProperties(
        with(label(placed(26, 14, 100, 20, 12), "Base name:", true), {{"LabelFor", "EditField1"}}));

    _AddControl(__New<tk::Label>(), "StaticText8");
    StaticText8()->applyStoredProperties(
        with(label(placed(336, 14, 100, 20, 13), "Extension", true), {{"LabelFor", "EditField3"}}));

    _AddControl(__New<tk::Label>(), "StaticText9");
    StaticText9()->applyStoredProperties(
        with(label(placed(266, 14, 38, 20, 14), "Start", true), {{"LabelFor", "EditField2"}}));
}

std::string batchNameWindow::joined(const std::string& base, const std::string& start,
                                    const std::string& extension) const {
    return CheckBox1()->Value() ? start + base + extension : base + start + extension;
}

void batchNameWindow::EditField1_TextChange(tk::TextField& sender) {
    const std::string base = sender.Text();
    if (base.empty()) {
        PushButton1()->setEnabled(false);
        StaticText3()->setText("");
    } else {
        PushButton1()->setEnabled(true);
        StaticText3()->setText(joined(base, EditField2()->Text(), EditField3()->Text()));
    }
}

void batchNameWindow::EditField2_TextChange(tk::TextField&) {
    if (!EditField1()->Text().empty())
        StaticText3()->setText(joined(EditField1()->Text(), EditField2()->Text(), EditField3()->Text()));
}

void batchNameWindow::EditField3_TextChange(tk::TextField&) {
    if (!EditField1()->Text().empty() && !EditField2()->Text().empty())
        StaticText3()->setText(joined(EditField1()->Text(), EditField2()->Text(), EditField3()->Text()));
}

void batchNameWindow::CheckBox1_Action(tk::CheckBox& sender) {
    const std::string base = EditField1()->Text(), start = EditField2()->Text(), extension = EditField3()->Text();
    StaticText3()->setText(sender.Value() ? start + base + extension : base + start + extension);
}

void batchNameWindow::PushButton1_Action(tk::PushButton&) {
    {
        tk::LongLoop longLoop;
        for (int i = 0; i <= MainWindow::instance()->ListBox1()->ListCount() - 1; ++i) {
            auto list = MainWindow::instance()->ListBox1();
            if (tk::Ref<tk::FolderItem> file = tk::RuntimeGetFolderItem(list->Cell(i, 1), 0)) {
                const std::string number = tk::StringStrDouble(double(i) + tk::StringVal(EditField2()->Text()));
                file->setName(joined(EditField1()->Text(), number, EditField3()->Text()));
                list->setCell(i, 1, file->AbsolutePath());
            }
            tk::backgroundTasks();
        }
    }
    auto main = MainWindow::instance();
    const int row = main->ListBox1()->ListIndex();
    // The file's own name: a ":" in it is written "/" in the stored path.
    tk::Ref<tk::FolderItem> selected =
        row >= 0 ? tk::RuntimeGetFolderItem(main->ListBox1()->Cell(row, 1), 0) : nullptr;
    main->Label3()->setText(selected ? selected->Name() : "");
    Close();
}

void batchNameWindow::PushButton2_Action(tk::PushButton&) { Close(); }

void batchNameWindow::RenameGalleryPictures(const std::string&, const std::string&, const std::string&,
                                            const std::string&, const std::string&) {
    tk::LongLoop longLoop;
    for (int i = 0; i <= MainWindow::instance()->ListBox1()->ListCount() - 1; ++i) {
        auto list = MainWindow::instance()->ListBox1();
        if (tk::Ref<tk::FolderItem> file = tk::RuntimeGetFolderItem(list->Cell(i, 1), 0))
            file->setName(EditField1()->Text() + tk::StringStrInt32(i) + EditField3()->Text());
        tk::backgroundTasks();
    }
    tk::RuntimeMsgBox("Renaming completed");
}
