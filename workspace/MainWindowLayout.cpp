// The main window's stored layout: its window properties and its 24 controls.
#include "workspace/MainWindow.h"

#include "shell/MenuBar1.h"
#include "shell/ResourcePictures.h"

namespace {

constexpr int noIndex = -2147483647 - 1;
const tk::Color white = tk::RGB(255, 255, 255);
const tk::Color black = tk::RGB(0, 0, 0);

// Stored geometry and edge locks of a control.
tk::StoredProperties placed(int left, int top, int width, int height, bool lockLeft, bool lockTop, bool lockRight,
                            bool lockBottom) {
    return {{"Left", left},         {"Top", top},           {"Width", width},         {"Height", height},
            {"LockLeft", lockLeft}, {"LockTop", lockTop},   {"LockRight", lockRight}, {"LockBottom", lockBottom},
            {"Index", noIndex},     {"Enabled", true}};
}

tk::StoredProperties with(tk::StoredProperties base, const tk::StoredProperties& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

// A one-line label: not selectable, opaque.
tk::StoredProperties label(tk::StoredProperties place, const char* text, const char* font, int size, bool bold,
                           tk::Color color, int align, bool visible, int tabIndex) {
    return with(std::move(place), {{"Text", text},
                                   {"TextFont", font},
                                   {"TextSize", size},
                                   {"Bold", bold},
                                   {"TextColor", color},
                                   {"TextAlign", align},
                                   {"Multiline", false},
                                   {"Selectable", false},
                                   {"Transparent", false},
                                   {"Visible", visible},
                                   {"HelpTag", ""},
                                   {"TabIndex", tabIndex}});
}

tk::StoredProperties button(tk::StoredProperties place, const char* caption, int size, const char* helpTag,
                            int tabIndex) {
    return with(std::move(place), {{"Caption", caption},
                                   {"TextFont", "System"},
                                   {"TextSize", size},
                                   {"Default", false},
                                   {"Cancel", false},
                                   {"Visible", true},
                                   {"HelpTag", helpTag},
                                   {"TabIndex", tabIndex}});
}

} // namespace

void MainWindow::Layout() {
    setMenuBar(MenuBar1::instance());
    applyStoredProperties({{"Width", 830},        {"Height", 555},        {"MinWidth", 640},
                           {"MinHeight", 250},    {"MaxWidth", 32000},    {"MaxHeight", 32000},
                           {"Frame", 0},          {"Title", "Tessivo"},   {"CloseButton", true},
                           {"Resizeable", true},  {"MaximizeButton", true}, {"MinimizeButton", true},
                           {"FullScreenButton", false}, {"Composite", true}, {"MacProcID", 0},
                           {"Placement", 2},      {"Visible", true},      {"LiveResize", true},
                           {"FullScreen", false}, {"MenuBarVisible", true}, {"HasBackColor", true},
                           {"BackColor", tk::RGB(43, 43, 43)}});
}

void MainWindow::CreateControls() { _CreateControls0(); }

void MainWindow::_CreateControls0() {
    _AddControl(__New<tk::Listbox>(), "ListBox1");
    ListBox1()->applyStoredProperties(with(placed(-1, 16, 162, 476, true, true, false, true),
                                           {{"ColumnCount", 1},
                                            {"HasHeading", false},
                                            {"Hierarchical", false},
                                            {"DefaultRowHeight", 110},
                                            {"SelectionType", 1},
                                            {"RequiresSelection", false},
                                            {"Border", true},
                                            {"ScrollbarVertical", true},
                                            {"ScrollbarHorizontal", false},
                                            {"GridLinesHorizontal", 0},
                                            {"GridLinesVertical", 0},
                                            {"UseFocusRing", false},
                                            {"EnableDrag", false},
                                            {"EnableDragReorder", false},
                                            {"ColumnsResizable", false},
                                            {"InitialValue", ""},
                                            {"RowFileColumn", 1},
                                            {"TextFont", "Lucida Grande CY"},
                                            {"TextSize", 12},
                                            {"Visible", true},
                                            {"TabIndex", 17}}));
    ListBox1()->DropObject.bind(this, &MainWindow::ListBox1_DropObject);
    ListBox1()->Open.bind(this, &MainWindow::ListBox1_Open);
    ListBox1()->Change.bind(this, &MainWindow::ListBox1_Change);
    ListBox1()->CellBackgroundPaint.bind(this, &MainWindow::ListBox1_CellBackgroundPaint);
    ListBox1()->KeyDown.bind(this, &MainWindow::ListBox1_KeyDown);

    _AddControl(__New<tk::TextField>(), "editfield1");
    editfield1()->applyStoredProperties(with(placed(219, -80, 348, 20, true, true, true, false),
                                             {{"Text", ""},
                                              {"TextFont", "Lucida Grande CY"},
                                              {"TextSize", 12},
                                              {"TextColor", black},
                                              {"BackColor", white},
                                              {"Border", true},
                                              {"UseFocusRing", false},
                                              {"Password", false},
                                              {"ReadOnly", false},
                                              {"LimitText", 0},
                                              {"Visible", false},
                                              {"TabIndex", 18}}));
    editfield1()->TextChange.bind(this, &MainWindow::editfield1_TextChange);

    _AddControl(__New<tk::Label>(), "StaticText5");
    StaticText5()->applyStoredProperties(
        with(label(placed(190, 17, 67, 20, true, true, false, false), "File Name:", "Lucida Grande CY", 12,
                   true, white, 0, false, 19),
             {{"LabelFor", "editfield1"}}));

    _AddControl(__New<Toolbar1>(), "Toolbar11");
    Toolbar11()->Action.bind([this](tk::Toolbar& toolbar, tk::ToolItem& item) {
        Toolbar11_Action(static_cast<Toolbar1&>(toolbar), item);
    });

    _AddControl(__New<tk::Thread>(), "Thread1");
    Thread1()->applyStoredProperties({{"Priority", 5}, {"StackSize", 0}, {"Index", noIndex}});
    Thread1()->RunEvent.bind(this, &MainWindow::Thread1_Run);
    _AddControl(__New<tk::Thread>(), "Thread2");
    Thread2()->applyStoredProperties({{"Priority", 5}, {"StackSize", 0}, {"Index", noIndex}});
    Thread2()->RunEvent.bind(this, &MainWindow::Thread2_Run);

    _AddControl(__New<tk::Label>(), "StaticText4");
    StaticText4()->applyStoredProperties(label(placed(530, 500, 259, 20, false, false, true, true), "0000 x 0000",
                                               "System", 0, false, white, 2, false, 20));

    _AddControl(__New<scaleCanvas>(), "Canvas1");
    Canvas1()->applyStoredProperties(with(placed(203, 56, 586, 431, true, true, true, true),
                                          {{"Transparent", true},
                                           {"EraseBackground", true},
                                           {"DoubleBuffer", false},
                                           {"AcceptFocus", false},
                                           {"UseFocusRing", true},
                                           {"Visible", true},
                                           {"TabIndex", 24}}));
    Canvas1()->MouseDown.bind(this, &MainWindow::Canvas1_MouseDown);
    Canvas1()->Open.bind(this, &MainWindow::Canvas1_Open);

    _AddControl(__New<tk::Canvas>(), "Canvas13");
    Canvas13()->setBackdrop(listHeaderImage());
    Canvas13()->applyStoredProperties(with(placed(-1, 0, 162, 33, true, true, false, false),
                                           {{"Transparent", true},
                                            {"EraseBackground", true},
                                            {"AcceptFocus", false},
                                            {"Visible", true},
                                            {"TabIndex", 25}}));

    _AddControl(__New<tk::Label>(), "Label1");
    Label1()->applyStoredProperties(with(label(placed(9, -10, 116, 35, true, true, false, false), "Images",
                                               "System", 11, false, black, 0, true, 26),
                                         {{"LabelFor", "ListBox1"}}));

    _AddControl(__New<tk::GroupBox>(), "GroupBox1");
    GroupBox1()->applyStoredProperties(with(placed(194, 46, 605, 450, true, true, true, true),
                                            {{"Caption", ""}, {"TextFont", "System"}, {"Visible", false},
                                             {"TabIndex", 27}}));

    _AddControl(__New<tk::Label>(), "Label2");
    Label2()->applyStoredProperties(with(label(placed(203, 239, 586, 39, true, false, true, false),
                                               "Loading images...", "System", 18, false, tk::RGB(153, 153, 153), 1,
                                               false, 0),
                                         {{"InitialParent", "GroupBox1"}}));

    _AddControl(__New<tk::Label>(), "StaticText41");
    StaticText41()->applyStoredProperties(label(placed(203, 500, 294, 20, false, false, false, true), "0 x 0",
                                                "System", 0, false, white, 0, false, 28));

    _AddControl(__New<tk::BevelButton>(), "BevelButton1");
    BevelButton1()->applyStoredProperties(with(placed(23, -56, 60, 22, false, false, false, false),
                                               {{"Caption", "Untitled"},
                                                {"CaptionAlign", 3},
                                                {"CaptionPlacement", 1},
                                                {"Bevel", 0},
                                                {"HasMenu", 0},
                                                {"ButtonType", 0},
                                                {"HasBackColor", false},
                                                {"Value", false},
                                                {"AcceptFocus", false},
                                                {"TextColor", black},
                                                {"TextFont", "System"},
                                                {"Visible", true},
                                                {"TabIndex", 31}}));
    BevelButton1()->Action.bind(this, &MainWindow::BevelButton1_Action);
    BevelButton1()->ConstructContextualMenu.bind(this, &MainWindow::BevelButton1_ConstructContextualMenu);
    BevelButton1()->ContextualMenuAction.bind(this, &MainWindow::BevelButton1_ContextualMenuAction);

    _AddControl(__New<tk::Label>(), "Label3");
    Label3()->applyStoredProperties(label(placed(260, 17, 296, 20, true, true, false, false), "Untitled", "System",
                                          0, false, white, 0, false, 33));

    _AddControl(__New<tk::PushButton>(), "PushButton3");
    PushButton3()->applyStoredProperties(button(placed(88, 583, 99, 18, false, false, true, true), "Save Size", 0,
                                                "", 34));
    PushButton3()->Action.bind(this, &MainWindow::PushButton3_Action);

    _AddControl(__New<tk::PopupMenu>(), "PopupMenu1");
    PopupMenu1()->applyStoredProperties(with(placed(203, 581, 166, 18, true, false, false, true),
                                             {{"InitialValue", "Select Size:"},
                                              {"ListIndex", 0},
                                              {"TextFont", "System"},
                                              {"Visible", true},
                                              {"TabIndex", 35}}));
    PopupMenu1()->Open.bind(this, &MainWindow::PopupMenu1_Open);
    PopupMenu1()->Change.bind(this, &MainWindow::PopupMenu1_Change);

    _AddControl(__New<tk::Timer>(), "Timer1");
    Timer1()->applyStoredProperties({{"Mode", 0}, {"Period", 200}, {"Index", noIndex}});
    Timer1()->Action.bind(this, &MainWindow::Timer1_Action);

    _AddControl(__New<tk::ProgressWheel>(), "ProgressWheel1");
    ProgressWheel1()->applyStoredProperties(
        with(placed(141, 503, 16, 16, true, false, false, true), {{"Visible", false}, {"TabIndex", 36}}));

    _AddControl(__New<tk::PushButton>(), "PushButton4");
    PushButton4()->applyStoredProperties(button(placed(392, 581, 80, 20, false, false, true, true), "Button", 0,
                                                "", 37));
    PushButton4()->Action.bind(this, &MainWindow::PushButton4_Action);

    _AddControl(__New<tk::Label>(), "ImgNumLabel");
    ImgNumLabel()->applyStoredProperties(label(placed(686, 16, 113, 20, false, true, true, false), "0 images",
                                               "System", 0, false, white, 2, true, 38));

    _AddControl(__New<tk::PushButton>(), "PushButton2");
    PushButton2()->applyStoredProperties(button(placed(9, 499, 40, 20, true, false, false, true), "+", 18,
                                                "Add a single photo", 39));
    PushButton2()->Action.bind(this, &MainWindow::PushButton2_Action);

    _AddControl(__New<tk::PushButton>(), "PushButton5");
    PushButton5()->applyStoredProperties(button(placed(50, 499, 40, 20, true, false, false, true), "-", 18,
                                                "Delete selected photo(s)", 40));
    PushButton5()->Action.bind(this, &MainWindow::PushButton5_Action);

    _AddControl(__New<tk::Label>(), "bottomLeftLabel");
    bottomLeftLabel()->applyStoredProperties(label(placed(9, 525, 254, 13, true, false, false, true),
                                                   "Resize window to scale photo.", "Lucida Grande CY", 12, false,
                                                   white, 0, true, 41));
}
