// The simple controls: text field, push buttons, check box and pop-up menu.
#include "tests/support/RunTime.h"

#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PopupMenu.h"
#include "toolkit/controls/PushButton.h"
#include "toolkit/controls/TextField.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

namespace {

class FormWindow : public tk::Window {
  public:
    std::vector<std::string> log;

    void Layout() override { applyStoredProperties({{"Width", 300}, {"Height", 200}, {"Visible", true}}); }
    void CreateControls() override {
        _AddControl(__New<tk::TextField>(), "Field");
        controlAs<tk::TextField>("Field")->applyStoredProperties(
            {{"Left", 10}, {"Top", 10}, {"Width", 200}, {"Height", 22}, {"Text", "stored"}});
        controlAs<tk::TextField>("Field")->TextChange.bind([this](tk::TextField& f) { log.push_back("text " + f.Text()); });
        _AddControl(__New<tk::Label>(), "Caption");
        controlAs<tk::Label>("Caption")->applyStoredProperties(
            {{"Text", "Your name:"}, {"LabelFor", "Field"}});
        for (auto [name, isDefault] : {std::pair{"OK", true}, std::pair{"Cancel", false}}) {
            _AddControl(__New<tk::PushButton>(), name);
            auto b = controlAs<tk::PushButton>(name);
            b->applyStoredProperties({{"Caption", name}, {"Default", isDefault}, {"Cancel", !isDefault}});
            b->Action.bind([this](tk::PushButton& p) { log.push_back("press " + p.Caption()); });
        }
        _AddControl(__New<tk::CheckBox>(), "Box");
        controlAs<tk::CheckBox>("Box")->Action.bind([this](tk::CheckBox& c) {
            log.push_back(c.Value() ? "ticked" : "cleared");
        });
        _AddControl(__New<tk::PopupMenu>(), "Popup");
        controlAs<tk::PopupMenu>("Popup")->applyStoredProperties({{"InitialValue", "One\rTwo"}, {"ListIndex", 0}});
        controlAs<tk::PopupMenu>("Popup")->Change.bind([this](tk::PopupMenu& p) { log.push_back("chose " + p.Text()); });
    }
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureRunTime();
        window = tk::Window::instance<FormWindow>();
    }
    void TearDown() override { window->Close(); }
    tk::Ref<FormWindow> window;
};

TEST_F(ControlsTest, TextChangesAreReportedWhoeverMakesThem) {
    auto field = window->controlAs<tk::TextField>("Field");
    EXPECT_EQ(field->Text(), "stored");
    EXPECT_TRUE(window->log.empty()) << "stored texts are set before handlers are bound";
    field->setText("photo");
    field->setSelStart(2);
    QTest::keyClicks(field->qwidget(), "x");
    EXPECT_EQ(window->log, (std::vector<std::string>{"text photo", "text phxoto"}));
    // A password field shows the text masked and gives it back in clear.
    field->setPassword(true);
    EXPECT_NE(static_cast<QLineEdit*>(field->qwidget())->displayText().toStdString(), "phxoto");
    EXPECT_EQ(field->Text(), "phxoto");
}

TEST_F(ControlsTest, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton) {
    QWidget* w = window->widget();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    window->controlAs<tk::TextField>("Field")->qwidget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(window->log, (std::vector<std::string>{"press OK", "press Cancel"}));
}

TEST_F(ControlsTest, CheckBoxAndPopupReportTheirChanges) {
    auto box = window->controlAs<tk::CheckBox>("Box");
    box->setValue(true);
    box->setValue(true);
    auto popup = window->controlAs<tk::PopupMenu>("Popup");
    EXPECT_EQ(popup->Text(), "One");
    EXPECT_EQ(popup->ListCount(), 2);
    popup->setListIndex(1);
    popup->setListIndex(7);
    EXPECT_EQ(popup->ListIndex(), 1);
    EXPECT_EQ(window->log, (std::vector<std::string>{"ticked", "chose Two"}));
}

TEST_F(ControlsTest, ALabelNamesTheControlItCaptionsForAssistiveTools) {
    auto caption = window->controlAs<tk::Label>("Caption");
    QAccessibleInterface* field =
        QAccessible::queryAccessibleInterface(window->controlAs<tk::TextField>("Field")->qwidget());
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text(QAccessible::Name), "Your name") << "without the caption's colon";
    caption->setText("Nickname");
    EXPECT_EQ(field->text(QAccessible::Name), "Nickname");
    EXPECT_THROW(caption->applyStoredProperties({{"LabelFor", "Nowhere"}}),
                 tk::UnsupportedOperationException);
}

} // namespace
