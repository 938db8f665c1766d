// Start-up, quitting and the windows the application shell opens.
#include "tests/support/AppFixture.h"

#include "shell/App.h"
#include "shell/MenuBar1.h"
#include "shell/SplashWindow.h"
#include "shell/aboutWindow.h"
#include "workspace/MainWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

TEST_F(AppTest, MenuBarAndApplicationHandlersAreInPlaceBeforeTheLoopRuns) {
    bool ran = false;
    runTessivoWith([&] {
        ran = true;
        auto app = App::instance();
        ASSERT_TRUE(app);
        EXPECT_EQ(app->MenuBar().get(), MenuBar1::instance().get());
        for (const char* name :
             {"AppleAboutPostelle", "FilePreferences", "FileAboutTessivo", "HelpUsersGuide"})
            EXPECT_TRUE(app->menuHandlers().find(name)) << name;
        // Only the main window registers the open commands.
        EXPECT_FALSE(app->menuHandlers().find("FileOpenPhoto"));
        EXPECT_FALSE(tk::Window::openInstance<SplashWindow>());
    });
    EXPECT_TRUE(ran);
}

TEST_F(AppTest, TheMenuBarHoldsItsItemsInOrder) {
    runTessivoWith([] {
        auto bar = MenuBar1::instance();
        std::vector<std::string> top;
        for (int i = 0; i < bar->Count(); ++i)
            top.push_back(bar->Item(i)->Name());
        EXPECT_EQ(top, (std::vector<std::string>{"UntitledMenu1", "FileMenu", "UntitledMenu0", "HelpMenu"}));
        auto file = bar->Child("FileMenu");
        std::vector<std::string> items;
        for (int i = 0; i < file->Count(); ++i)
            items.push_back(file->Item(i)->Name() + "|" + file->Item(i)->Text() + "|" +
                            file->Item(i)->KeyboardShortcut());
        EXPECT_EQ(items, (std::vector<std::string>{"FileOpenPhoto|Open Photo...|Cmd+O",
                                                   "FileOpenFolderofPhotos|Open Folder of Photos...|Cmd+Shift+O",
                                                   "File|-|", "FileAboutTessivo|About Tessivo...|",
                                                   "FileQuit|Quit|Cmd+Q", "UntitledMenu2||"}));
        EXPECT_TRUE(tk::refCast<tk::QuitMenuItem>(file->Child("FileQuit")));
        EXPECT_TRUE(tk::refCast<tk::AppleMenuItem>(file->Child("FileAboutTessivo")));
        EXPECT_FALSE(file->Item(5)->AutoEnable());
        // No item carries the two names only the application's code knows.
        EXPECT_FALSE(bar->_Lookup("AppleAboutPostelle"));
        EXPECT_FALSE(bar->_Lookup("FilePreferences"));
        // The main window shows the same menu bar object.
        EXPECT_EQ(MainWindow::instance()->MenuBar().get(), bar.get());
    });
}

TEST_F(AppTest, TheSplashHandsOverToTheMainWindowAfterItsPeriod) {
    runTessivoWith([] {
        ASSERT_TRUE(waitFor([] { return tk::Window::openInstance<SplashWindow>() != nullptr; }));
        QElapsedTimer clock;
        clock.start();
        auto splash = tk::Window::openInstance<SplashWindow>();
        EXPECT_TRUE(splash->Visible());
        EXPECT_EQ(splash->Width(), 413);
        EXPECT_EQ(splash->Height(), 168);
        EXPECT_TRUE(splash->widget()->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(splash->Label1()->Text(), "Tessivo");
        EXPECT_TRUE(splash->Canvas2()->Backdrop());
        ASSERT_TRUE(waitFor([] { return tk::Window::openInstance<MainWindow>() != nullptr; }, 4000));
        EXPECT_GE(clock.elapsed(), 2300);
        EXPECT_TRUE(MainWindow::instance()->Visible());
        ASSERT_TRUE(waitFor([] { return !tk::Window::openInstance<SplashWindow>(); }));
    });
}

TEST_F(AppTest, TheMainWindowHasItsStoredShape) {
    runTessivoWith([] {
        auto main = MainWindow::instance();
        EXPECT_EQ(main->Title(), "Tessivo");
        QTest::qWait(1);
        EXPECT_EQ(main->Width(), 830);
        EXPECT_EQ(main->Height(), 555);
        main->setWidth(100);
        main->setHeight(100);
        EXPECT_EQ(main->Width(), 640);
        EXPECT_EQ(main->Height(), 250);
        EXPECT_TRUE(main->widget()->menuBar()->isVisible());
    });
}

TEST_F(AppTest, QuitFromTheKeyboardEndsTheApplication) {
    const int status = runTessivoWith(
        [] {
            QWidget* main = MainWindow::instance()->widget();
            main->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(main));
            QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier);
        },
        {.documents = {}, .scriptQuits = true});
    EXPECT_EQ(status, 0);
}

TEST_F(AppTest, ClosingTheMainWindowEndsTheApplication) {
    const int status = runTessivoWith([] { MainWindow::instance()->widget()->close(); }, {.documents = {}, .scriptQuits = true});
    EXPECT_EQ(status, 0);
}

TEST_F(AppTest, AboutShowsOneWindowAndAFreshOneAfterItIsClosed) {
    runTessivoWith([] {
        auto main = MainWindow::instance();
        QAction* about = menuAction(*main, "&File", "About Tessivo...");
        ASSERT_TRUE(about);
        about->trigger();
        about->trigger();
        auto first = tk::Window::openInstance<aboutWindow>();
        ASSERT_TRUE(first);
        EXPECT_TRUE(first->Visible());
        int aboutWidgets = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            aboutWidgets += w->isVisible() && w->windowTitle() == "Tessivo" && w != main->widget();
        EXPECT_EQ(aboutWidgets, 1);
        EXPECT_EQ(first->Label2()->Text(), "Version 3.0");
        EXPECT_EQ(first->widget()->minimumSize(), first->widget()->maximumSize()) << "not resizable";
        first->widget()->close();
        EXPECT_FALSE(tk::Window::openInstance<aboutWindow>());
        about->trigger();
        auto second = tk::Window::openInstance<aboutWindow>();
        ASSERT_TRUE(second);
        EXPECT_NE(first, second);
    });
}

TEST_F(AppTest, ClosedAboutWindowsAreFreedWhileTheApplicationRuns) {
    runTessivoWith([] {
        auto main = MainWindow::instance();
        QAction* about = menuAction(*main, "&File", "About Tessivo...");
        ASSERT_TRUE(about);
        std::vector<std::weak_ptr<aboutWindow>> closed;
        for (int round = 0; round < 3; ++round) {
            about->trigger();
            auto window = tk::Window::openInstance<aboutWindow>();
            ASSERT_TRUE(window);
            closed.push_back(window.shared());
            window->widget()->close();
        }
        const auto otherTopLevelWidgets = [&] {
            int count = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                count += w != main->widget() && w->windowTitle() == "Tessivo";
            return count;
        };
        EXPECT_TRUE(waitFor([&] {
            return otherTopLevelWidgets() == 0 &&
                   std::all_of(closed.begin(), closed.end(), [](const auto& w) { return w.expired(); });
        }));
    });
}

} // namespace
