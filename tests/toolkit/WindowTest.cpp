// Windows, controls and the event dispatcher, driven on the offscreen platform.
#include "tests/support/RunTime.h"
#include "tests/support/ScriptedDialogHost.h"

#include "toolkit/controls/Canvas.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PushButton.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/core/Timer.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QTest>

#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> events;

// A window that records its construction and finds itself while being built.
class RecordingWindow : public tk::Window {
  public:
    bool foundItselfWhileBuilding = false;

    void Layout() override {
        events.push_back("Layout");
        applyStoredProperties({{"Width", 400}, {"Height", 300}, {"MinWidth", 200}, {"MinHeight", 150},
                               {"Frame", 0}, {"Title", "Recording"}, {"Visible", true}});
    }
    void CreateControls() override {
        events.push_back("CreateControls");
        for (const char* name : {"First", "Second"}) {
            _AddControl(__New<tk::Label>(), name);
            auto label = controlAs<tk::Label>(name);
            label->Open.bind([](tk::Label& l) { events.push_back("Open " + l.Name()); });
        }
        // Locked to all four edges: it stretches with the window.
        _AddControl(__New<tk::Canvas>(), "Stretch");
        controlAs<tk::Canvas>("Stretch")->applyStoredProperties({{"Left", 10}, {"Top", 20}, {"Width", 300},
                                                                 {"Height", 200}, {"LockRight", true},
                                                                 {"LockBottom", true}});
        // Locked to the right and bottom only: it moves with that corner.
        _AddControl(__New<tk::Label>(), "Corner");
        controlAs<tk::Label>("Corner")->applyStoredProperties({{"Left", 350}, {"Top", 270}, {"Width", 40},
                                                               {"Height", 20}, {"LockLeft", false},
                                                               {"LockTop", false}, {"LockRight", true},
                                                               {"LockBottom", true}});
        // Below the content area at the stored size, and locked to the top: in
        // reach only while the window is taller.
        _AddControl(__New<tk::PushButton>(), "Below");
        controlAs<tk::PushButton>("Below")->applyStoredProperties(
            {{"Left", 10}, {"Top", 320}, {"Width", 80}, {"Height", 20}, {"Caption", "Below"}});
    }
    void AddMenuHandlers() override { events.push_back("AddMenuHandlers"); }
    void Event_Open() override {
        events.push_back("Open window");
        foundItselfWhileBuilding = tk::Window::openInstance<RecordingWindow>().get() == this;
    }
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureRunTime();
        events.clear();
    }
    void TearDown() override {
        if (auto open = tk::Window::openInstance<RecordingWindow>())
            open->Close();
        QTest::qWait(1);
    }
};

TEST_F(WindowTest, BuildsInOrderAndIsFoundFromItsCreationOn) {
    auto window = tk::Window::instance<RecordingWindow>();
    EXPECT_EQ(events, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open First",
                                                "Open Second", "Open window"}));
    EXPECT_TRUE(window->foundItselfWhileBuilding);
    EXPECT_EQ(tk::Window::instance<RecordingWindow>(), window);
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Height(), 300);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Title(), "Recording");
}

TEST_F(WindowTest, AClosedWindowIsNoLongerHeldAndTheNextOneIsNew) {
    auto first = tk::Window::instance<RecordingWindow>();
    first->Close();
    EXPECT_FALSE(tk::Window::openInstance<RecordingWindow>());
    auto second = tk::Window::instance<RecordingWindow>();
    EXPECT_NE(first, second);
    EXPECT_THROW(first->Show(), tk::NilObjectException);
}

TEST_F(WindowTest, ControlsFollowTheEdgesTheyAreLockedTo) {
    auto window = tk::Window::instance<RecordingWindow>();
    auto stretch = window->controlAs<tk::Canvas>("Stretch");
    auto corner = window->controlAs<tk::Label>("Corner");
    struct Case {
        int width, height;
    };
    for (Case c : {Case{600, 500}, Case{200, 150}, Case{400, 300}}) {
        window->widget()->resizeContent(c.width, c.height);
        QTest::qWait(1);
        EXPECT_EQ(window->Width(), c.width);
        EXPECT_EQ(stretch->Width(), 300 + c.width - 400);
        EXPECT_EQ(stretch->Height(), 200 + c.height - 300);
        EXPECT_EQ(stretch->Left(), 10);
        EXPECT_EQ(corner->Left(), 350 + c.width - 400);
        EXPECT_EQ(corner->Top(), 270 + c.height - 300);
        EXPECT_EQ(corner->Width(), 40);
    }
    // The content area never goes below its stored minimum.
    window->setWidth(50);
    EXPECT_EQ(window->Width(), 200);
}

TEST_F(WindowTest, AControlBeyondTheContentAreaIsOutOfReachWhileItLiesThere) {
    auto window = tk::Window::instance<RecordingWindow>();
    auto below = window->controlAs<tk::PushButton>("Below");
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(below->qwidget());
    ASSERT_TRUE(button);
    struct Case {
        int height;
        bool visible, inReach;
    };
    for (Case c : {Case{300, true, false}, Case{400, true, true}, Case{400, false, false},
                   Case{300, true, false}, Case{330, true, true}}) {
        below->setVisible(c.visible);
        window->widget()->resizeContent(400, c.height);
        QTest::qWait(1);
        EXPECT_EQ(below->Visible(), c.visible) << c.height;
        // A hidden widget takes no keyboard focus, and assistive tools are told it is not there.
        EXPECT_EQ(below->qwidget()->isVisible(), c.inReach) << c.height;
        EXPECT_EQ(button->state().invisible, !c.inReach) << c.height;
    }
}

TEST_F(WindowTest, UnknownControlNamesAreNilAndUsingNilRaises) {
    auto window = tk::Window::instance<RecordingWindow>();
    auto missing = window->controlAs<tk::Label>("NoSuchControl");
    EXPECT_FALSE(missing);
    EXPECT_THROW(missing->setText("x"), tk::NilObjectException);
    // A control of another class does not pass the type-testing cast.
    EXPECT_FALSE(window->controlAs<tk::Label>("Stretch"));
}

TEST_F(WindowTest, UserInterfaceCallsOffTheMainThreadRaise) {
    auto window = tk::Window::instance<RecordingWindow>();
    auto label = window->controlAs<tk::Label>("First");
    std::string message;
    std::thread([&] {
        try {
            label->setText("from a thread");
        } catch (const tk::ThreadAccessingUIException& e) {
            message = e.what();
        }
    }).join();
    EXPECT_EQ(message, "A thread has attempted to manipulate a user interface element. This can only be done "
                       "from the application's main thread.");
}

TEST_F(WindowTest, AnExceptionInAHandlerIsReportedAndTheLoopGoesOn) {
    auto& host = ScriptedDialogHost::install();
    auto window = tk::Window::instance<RecordingWindow>();
    auto timer = window->__New<tk::Timer>();
    int fired = 0;
    timer->Action.bind([&](tk::Timer&) {
        ++fired;
        tk::Ref<tk::Label> nothing;
        nothing->setText("boom");
    });
    timer->applyStoredProperties({{"Mode", 2}, {"Period", 5}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired >= 2; }, 2000));
    timer->setMode(0);
    ASSERT_GE(host.messages.size(), 2u);
    EXPECT_NE(host.messages[0].find("NilObjectException"), std::string::npos);
    EXPECT_TRUE(window->isOpen());
}

TEST_F(WindowTest, ASingleShotTimerFiresOnceAfterItsPeriod) {
    auto window = tk::Window::instance<RecordingWindow>();
    auto timer = window->__New<tk::Timer>();
    int fired = 0;
    timer->Action.bind([&](tk::Timer&) { ++fired; });
    // The stored order sets the mode before the period; the period counts from then.
    timer->applyStoredProperties({{"Mode", 1}, {"Period", 50}});
    QTest::qWait(20);
    EXPECT_EQ(fired, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired == 1; }, 2000));
    QTest::qWait(120);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(timer->Mode(), 0);
}

TEST_F(WindowTest, AWindowClosedByItsOwnHandlerLivesUntilTheHandlerEnds) {
    auto window = tk::Window::instance<RecordingWindow>();
    auto timer = window->__New<tk::Timer>();
    bool finished = false;
    RecordingWindow* raw = window.get();
    window.clear();
    QEventLoop loop; // handlers run inside the application's event loop
    timer->Action.bind([&](tk::Timer&) {
        raw->Close();
        tk::backgroundTasks(); // a long loop of the handler lets events run
        finished = raw->controlAs<tk::Label>("First")->Text().empty();
        loop.quit();
    });
    timer->applyStoredProperties({{"Mode", 1}, {"Period", 1}});
    loop.exec();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(tk::Window::openInstance<RecordingWindow>());
}

TEST_F(WindowTest, UnknownStoredPropertiesAreRefused) {
    auto window = tk::Window::instance<RecordingWindow>();
    EXPECT_THROW(window->controlAs<tk::Label>("First")->applyStoredProperties({{"Colour", 1}}),
                 tk::UnsupportedOperationException);
}

} // namespace
