// Menus: commands reach handlers by item name, keyboard shortcuts use Ctrl
// for Cmd, and items without text are not shown.
#include "tests/support/RunTime.h"

#include "toolkit/windows/Menu.h"
#include "toolkit/windows/Runtime.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;

tk::Ref<tk::MenuBar> makeBar() {
    auto bar = tk::makeRef<tk::MenuBar>();
    auto hidden = tk::makeRef<tk::MenuItem>();
    hidden->setName("Untitled");
    bar->Append(hidden);
    auto file = tk::makeRef<tk::MenuItem>("&File");
    file->setName("FileMenu");
    bar->Append(file);
    struct Item {
        const char* name;
        const char* text;
        const char* shortcut;
    };
    for (Item item : {Item{"Both", "Both", "Cmd+O"}, Item{"AppOnly", "App only", "Cmd+Shift+O"},
                      Item{"Nobody", "Nobody", ""}, Item{"Sep", "-", ""}}) {
        auto entry = tk::makeRef<tk::MenuItem>(item.text);
        entry->setName(item.name);
        entry->setKeyboardShortcut(item.shortcut);
        file->Append(entry);
    }
    return bar;
}

class MenuWindow : public tk::Window {
  public:
    void Layout() override {
        setMenuBar(makeBar());
        applyStoredProperties({{"Width", 300}, {"Height", 200}, {"Visible", true}});
    }
    void AddMenuHandlers() override {
        _AddMenuHandler("Both", [] {
            calls.push_back("window Both");
            return false;
        });
    }
};

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureRunTime();
        calls.clear();
        app = tk::makeRef<tk::Application>();
        for (const char* name : {"Both", "AppOnly"})
            app->_AddMenuHandler(name, [name] {
                calls.push_back(std::string("app ") + name);
                return false;
            });
        tk::RuntimeRegisterAppObject(app);
    }
    void TearDown() override {
        if (auto open = tk::Window::openInstance<MenuWindow>())
            open->Close();
        tk::RuntimeRegisterAppObject(nullptr);
    }
    tk::Ref<tk::Application> app;
};

TEST_F(MenuTest, ShortcutsReachTheWindowsHandlerFirstThenTheApplications) {
    auto window = tk::Window::instance<MenuWindow>();
    QWidget* widget = window->widget();
    widget->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    QTest::keyClick(widget, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(calls, (std::vector<std::string>{"window Both", "app AppOnly"}));
}

TEST_F(MenuTest, TheMenuBarShowsOnlyItemsWithText) {
    auto window = tk::Window::instance<MenuWindow>();
    QMenuBar* bar = window->widget()->menuBar();
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    QMenu* file = bar->actions()[0]->menu();
    std::vector<std::string> texts;
    for (QAction* action : file->actions())
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    EXPECT_EQ(texts, (std::vector<std::string>{"Both", "App only", "Nobody", "-"}));
    EXPECT_EQ(file->actions()[1]->shortcut(), QKeySequence("Ctrl+Shift+O"));
}

TEST_F(MenuTest, ItemsAreFoundByNameAtAnyDepth) {
    auto bar = makeBar();
    EXPECT_TRUE(bar->Child("FileMenu"));
    EXPECT_FALSE(bar->Child("Both"));
    EXPECT_EQ(bar->_Lookup("Nobody")->Text(), "Nobody");
    EXPECT_FALSE(bar->_Lookup("Missing"));
    EXPECT_THROW(bar->Append(nullptr), tk::NilObjectException);
}

} // namespace
