// Threads, their calls into the main thread, long loops and the busy controls, on the offscreen platform.
#include "tests/support/RunTime.h"

#include "toolkit/controls/BevelButton.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ProgressWheel.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/core/MainThreadCall.h"
#include "toolkit/core/Thread.h"
#include "toolkit/windows/Menu.h"
#include "toolkit/windows/Runtime.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

class ThreadWindow : public tk::Window {
  public:
    void Layout() override { applyStoredProperties({{"Width", 300}, {"Height", 200}, {"Title", "Threads"}}); }
    void CreateControls() override {
        _AddControl(__New<tk::Thread>(), "Worker");
        _AddControl(__New<tk::Label>(), "Status");
        _AddControl(__New<tk::BevelButton>(), "Button");
        controlAs<tk::BevelButton>("Button")->applyStoredProperties(
            {{"Left", 10}, {"Top", 10}, {"Width", 80}, {"Height", 22}, {"Caption", "Scale"}});
        _AddControl(__New<tk::ProgressWheel>(), "Wheel");
        controlAs<tk::ProgressWheel>("Wheel")->applyStoredProperties({{"Left", 100}, {"Top", 10}});
    }
    tk::Ref<tk::Thread> worker() const { return controlAs<tk::Thread>("Worker"); }
};

class PlainWindow : public tk::Window {
  public:
    void Layout() override { applyStoredProperties({{"Width", 100}, {"Height", 80}, {"Title", "Plain"}}); }
};

class ThreadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureRunTime();
        window = tk::Window::instance<ThreadWindow>();
    }
    void TearDown() override {
        if (window)
            window->Close();
        window.clear();
        QTest::qWait(1);
    }
    // Starts the body and runs the event loop until the body has ended.
    void runToEnd(std::function<void()> body) {
        window->worker()->RunEvent.bind([body](tk::Thread&) { body(); });
        window->worker()->Run();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->worker()->isRunning(); }, 10000));
    }

    tk::Ref<ThreadWindow> window;
};

// How the main thread may be busy while a body calls it: none of them keeps the steps out.
const std::vector<std::pair<const char*, std::function<void(const std::function<bool()>&)>>> mainThreadWaits{
    {"QTest::qWaitFor", [](const std::function<bool()>& done) { (void)QTest::qWaitFor(done, 10000); }},
    {"a nested event loop, as a modal dialog runs",
     [](const std::function<bool()>& done) {
         QEventLoop loop;
         QTimer poll;
         QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
             if (done())
                 loop.quit();
         });
         poll.start(5);
         QTimer::singleShot(10000, &loop, &QEventLoop::quit);
         loop.exec();
     }},
    {"a long loop's backgroundTasks",
     [](const std::function<bool()>& done) {
         tk::LongLoop loop;
         const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
         while (!done() && std::chrono::steady_clock::now() < deadline)
             tk::backgroundTasks();
     }},
};

TEST_F(ThreadTest, StepsRunOnTheMainThreadInOrderEachFinishedBeforeTheNext) {
    for (const auto& [how, wait] : mainThreadWaits) {
        SCOPED_TRACE(how);
        constexpr int count = 200;
        std::vector<int> finished;
        bool allOnMainThread = true, eachSawThePreviousFinished = true;
        auto worker = window->worker();
        worker->RunEvent.bind([&](tk::Thread&) {
            for (int i = 0; i < count; ++i)
                tk::runOnMainThread([&, i] {
                    allOnMainThread = allOnMainThread && tk::isMainThread();
                    eachSawThePreviousFinished = eachSawThePreviousFinished && int(finished.size()) == i;
                    finished.push_back(i);
                });
        });
        worker->Run();
        wait([&] { return !worker->isRunning(); });
        ASSERT_FALSE(worker->isRunning());
        EXPECT_EQ(finished.size(), std::size_t(count));
        EXPECT_TRUE(allOnMainThread);
        EXPECT_TRUE(eachSawThePreviousFinished);
    }
}

TEST_F(ThreadTest, PostedAndWaitedStepsRunOnTheMainThreadInTheOrderTheyWereHandedOver) {
    for (const auto& [how, wait] : mainThreadWaits) {
        SCOPED_TRACE(how);
        constexpr int count = 200;
        std::vector<int> finished;
        bool allOnMainThread = true;
        auto worker = window->worker();
        worker->RunEvent.bind([&](tk::Thread&) {
            for (int i = 0; i < count; ++i) {
                auto step = [&, i] {
                    allOnMainThread = allOnMainThread && tk::isMainThread();
                    finished.push_back(i);
                };
                // Mostly posted, as a loop posts its redraws between two waits.
                if (i % 3 == 0)
                    tk::runOnMainThread(step);
                else
                    tk::postToMainThread(step);
            }
        });
        worker->Run();
        // The body may end before its last posted steps have run.
        wait([&] { return !worker->isRunning() && finished.size() == std::size_t(count); });
        ASSERT_EQ(finished.size(), std::size_t(count));
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(finished[std::size_t(i)], i);
        EXPECT_TRUE(allOnMainThread);
    }
}

// A thread that only posts does not run far ahead of a busy main thread: each
// step it has waiting holds what the step needs (a loop's picture).
TEST_F(ThreadTest, AThreadThatOnlyPostsWaitsWhileSeveralOfItsStepsWait) {
    constexpr int count = 200;
    std::atomic<int> ran{0};
    int mostWaiting = 0;
    runToEnd([&] {
        for (int i = 0; i < count; ++i) {
            mostWaiting = std::max(mostWaiting, i - ran);
            tk::postToMainThread([&] {
                // A main thread slower than the thread.
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                ++ran;
            });
        }
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran == count; }, 10000));
    EXPECT_LE(mostWaiting, 16);
    EXPECT_GT(mostWaiting, 1) << "the thread does not wait for every posted step";
}

// The first exception of the posted steps comes back once, at the thread's
// next call: a waited step runs first, a posted one is not handed over.
TEST_F(ThreadTest, AnExceptionOfAPostedStepComesBackAtTheThreadsNextCall) {
    for (const bool waited : {true, false}) {
        SCOPED_TRACE(waited ? "a waited step" : "a posted step");
        std::string caught, caughtAfter;
        std::atomic<bool> laterPostedStepRan{false};
        bool nextStepRan = false;
        runToEnd([&] {
            tk::postToMainThread([] { throw tk::UnsupportedOperationException("the first"); });
            tk::postToMainThread([] { throw tk::UnsupportedOperationException("the second"); });
            tk::postToMainThread([&] { laterPostedStepRan = true; });
            while (!laterPostedStepRan)
                std::this_thread::yield();
            try {
                if (waited)
                    tk::runOnMainThread([&] { nextStepRan = true; });
                else
                    tk::postToMainThread([&] { nextStepRan = true; });
            } catch (const tk::UnsupportedOperationException& e) {
                caught = e.what();
            }
            // Raised once: the next waited step finds nothing left.
            try {
                tk::runOnMainThread([] {});
            } catch (const tk::UnsupportedOperationException& e) {
                caughtAfter = e.what();
            }
        });
        EXPECT_EQ(caught, "the first");
        EXPECT_EQ(caughtAfter, "");
        EXPECT_EQ(nextStepRan, waited);
    }
}

TEST_F(ThreadTest, RunWhileRunningRunsTheBodyOnceMoreAfterItEnds) {
    auto worker = window->worker();
    std::atomic<int> bodies{0};
    std::atomic<bool> release{false};
    worker->RunEvent.bind([&](tk::Thread&) {
        ++bodies;
        while (!release)
            std::this_thread::yield();
    });
    worker->Run();
    worker->Run();
    worker->Run();
    EXPECT_TRUE(worker->isRunning());
    release = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker->isRunning(); }, 10000));
    EXPECT_EQ(bodies, 2) << "two starts while running make one more run";
    worker->Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker->isRunning(); }, 10000));
    EXPECT_EQ(bodies, 3);
}

TEST_F(ThreadTest, AControlIsTouchedThroughAStepNeverDirectly) {
    auto status = window->controlAs<tk::Label>("Status");
    std::string message;
    runToEnd([&] {
        tk::runOnMainThread([&] { status->setText("from a step"); });
        try {
            status->setText("from the body");
        } catch (const tk::ThreadAccessingUIException& e) {
            message = e.what();
        }
    });
    EXPECT_EQ(status->Text(), "from a step");
    EXPECT_EQ(message, "A thread has attempted to manipulate a user interface element. This can only be done "
                       "from the application's main thread.");
}

TEST_F(ThreadTest, AnExceptionAStepRaisesComesBackToTheBody) {
    std::string caught;
    bool laterStepRan = false;
    runToEnd([&] {
        try {
            tk::runOnMainThread([] { throw tk::UnsupportedOperationException("no such picture"); });
        } catch (const tk::UnsupportedOperationException& e) {
            caught = e.what();
        }
        tk::runOnMainThread([&] { laterStepRan = true; });
    });
    EXPECT_EQ(caught, "no such picture");
    EXPECT_TRUE(laterStepRan);
}

TEST_F(ThreadTest, AWindowClosedWhileABodyRunsIsReleasedWithoutWaitingForTheBody) {
    auto worker = window->worker();
    std::atomic<bool> started{false}, release{false};
    worker->RunEvent.bind([&](tk::Thread&) {
        started = true;
        while (!release)
            std::this_thread::yield();
    });
    worker->Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }, 10000));
    auto plain = tk::Window::instance<PlainWindow>();
    const std::weak_ptr<PlainWindow> closed = plain.shared();
    plain->Close();
    plain.clear();
    const bool released = QTest::qWaitFor([&] { return closed.expired(); }, 10000);
    release = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker->isRunning(); }, 10000));
    EXPECT_TRUE(released) << "the running body kept the closed window alive";
}

TEST(ThreadStopTest, DestroyingTheThreadStopsABodyWaitingForTheMainThread) {
    ensureRunTime();
    auto worker = tk::makeRef<tk::Thread>();
    std::atomic<bool> calling{false}, stopped{false}, stepRan{false};
    worker->RunEvent.bind([&](tk::Thread&) {
        calling = true;
        try {
            tk::runOnMainThread([&] { stepRan = true; });
        } catch (const tk::ThreadStoppedException&) {
            stopped = true;
        }
    });
    worker->Run();
    // The main thread takes no events meanwhile, so the step cannot run before the Thread goes.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!calling && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    worker.clear();
    EXPECT_TRUE(stopped);
    QTest::qWait(1);
    EXPECT_FALSE(stepRan);
}

TEST(ThreadStopTest, StepsPostedByAThreadThatIsDestroyedBeforeTheyRunNeverRun) {
    ensureRunTime();
    auto worker = tk::makeRef<tk::Thread>();
    std::atomic<bool> posted{false}, stepRan{false};
    worker->RunEvent.bind([&](tk::Thread&) {
        tk::postToMainThread([&] { stepRan = true; });
        posted = true;
    });
    worker->Run();
    // The main thread takes no events meanwhile, so the step cannot run before the Thread goes.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!posted && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    ASSERT_TRUE(posted);
    worker.clear();
    QTest::qWait(1);
    EXPECT_FALSE(stepRan);
}

// A body's call after the event loop has ended, in a process of its own, which
// it ends: it reports how the loop ended, whether the call raised and whether
// its step ran.
[[noreturn]] void callAfterTheEventLoopHasEnded() {
    ensureRunTime();
    auto worker = tk::makeRef<tk::Thread>();
    std::atomic<bool> raised{false}, secondStepRan{false};
    worker->RunEvent.bind([&](tk::Thread&) {
        tk::runOnMainThread([] { QCoreApplication::exit(0); });
        try {
            tk::runOnMainThread([&] { secondStepRan = true; });
        } catch (const tk::ThreadStoppedException&) {
            raised = true;
        }
    });
    QTimer::singleShot(0, [&] { worker->Run(); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    const int status = QCoreApplication::exec();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (worker->isRunning() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    std::fprintf(stderr, "event loop ended with %d; raised %d; second step ran %d\n", status,
                 int(raised.load()), int(secondStepRan.load()));
    std::_Exit(0);
}

// Ending the event loop ends the application for good, so this runs in a
// process of its own: the test program started again for this test alone.
TEST(ThreadAtQuitTest, ACallAfterTheEventLoopHasEndedRaisesInsteadOfWaiting) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(callAfterTheEventLoopHasEnded(), ::testing::ExitedWithCode(0),
                "event loop ended with 0; raised 1; second step ran 0");
}

class LongLoopTest : public ThreadTest {
  protected:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(window->widget(), key, modifiers);
    }
};

TEST_F(LongLoopTest, OnlyCtrlPeriodDuringALoopCancelsIt) {
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool cancels;
    };
    for (const Case& c : {Case{"Ctrl+period", Qt::Key_Period, Qt::ControlModifier, true},
                          Case{"period", Qt::Key_Period, Qt::NoModifier, false},
                          Case{"Ctrl+comma", Qt::Key_Comma, Qt::ControlModifier, false}}) {
        SCOPED_TRACE(c.what);
        tk::LongLoop loop;
        EXPECT_FALSE(tk::getUserCancelled());
        press(c.key, c.modifiers);
        tk::backgroundTasks();
        EXPECT_EQ(tk::getUserCancelled(), c.cancels);
    }
}

TEST_F(LongLoopTest, APressWhileNoLoopRunsDoesNotCancelTheNextLoop) {
    {
        tk::LongLoop first;
        press(Qt::Key_Period, Qt::ControlModifier);
        ASSERT_TRUE(tk::getUserCancelled());
    }
    {
        // A loop that begins forgets the presses of the loops before it.
        tk::LongLoop second;
        EXPECT_FALSE(tk::getUserCancelled());
    }
    press(Qt::Key_Period, Qt::ControlModifier);
    EXPECT_FALSE(tk::getUserCancelled());
    tk::LongLoop third;
    EXPECT_FALSE(tk::getUserCancelled());
}

TEST_F(LongLoopTest, ALoopInAThreadSeesThePressOnTheMainThread) {
    auto worker = window->worker();
    std::atomic<bool> looping{false}, cancelled{false};
    worker->RunEvent.bind([&](tk::Thread&) {
        tk::LongLoop loop;
        looping = true;
        while (!tk::getUserCancelled())
            tk::backgroundTasks();
        cancelled = true;
    });
    worker->Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(looping); }, 10000));
    press(Qt::Key_Period, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bool(cancelled); }, 10000));
}

// Counts a label's paints and keeps the text it painted last.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QLabel* label) { label->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            lastPainted = static_cast<QLabel*>(watched)->text();
        }
        return false;
    }
    int paints = 0;
    QString lastPainted;
};

TEST_F(LongLoopTest, WindowsArePaintedAtAPaceDuringALoopAndAtOnceAfterIt) {
    auto status = window->controlAs<tk::Label>("Status");
    status->applyStoredProperties({{"Left", 10}, {"Top", 40}, {"Width", 100}, {"Height", 20}});
    PaintWatch watch(static_cast<QLabel*>(status->qwidget()));
    QTest::qWait(100);
    const int before = watch.paints;
    {
        tk::LongLoop loop;
        for (int item = 1; item <= 100; ++item) {
            status->setText(std::to_string(item));
            tk::backgroundTasks();
        }
    }
    EXPECT_LT(watch.paints - before, 25) << "not after every item";
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch.lastPainted == "100"; }, 2000)) << "the last item is painted";
}

class BevelButtonTest : public ThreadTest {
  protected:
    QWidget* button() { return window->controlAs<tk::BevelButton>("Button")->qwidget(); }
    // Through the window system, which turns a right-click into a context-menu request.
    void click(Qt::MouseButton which, QPoint at) {
        QTest::mouseClick(window->widget()->windowHandle(), which, Qt::NoModifier,
                          button()->mapTo(window->widget(), at));
    }
};

TEST_F(BevelButtonTest, ARightClickBuildsTheMenuAndTheChosenEntryComesBack) {
    auto bevel = window->controlAs<tk::BevelButton>("Button");
    int baseCountAtFirst = -1, x = -1, y = -1;
    tk::Ref<tk::MenuItem> rotate, hit;
    bevel->ConstructContextualMenu.bind([&](tk::BevelButton&, tk::Ref<tk::MenuItem> base, int atX, int atY) {
        baseCountAtFirst = base->Count();
        x = atX;
        y = atY;
        base->Append(tk::makeRef<tk::MenuItem>("Scale"));
        rotate = tk::makeRef<tk::MenuItem>("Rotate");
        base->Append(rotate);
        return true;
    });
    bevel->ContextualMenuAction.bind([&](tk::BevelButton&, tk::Ref<tk::MenuItem> item) {
        hit = item;
        return true;
    });
    click(Qt::RightButton, QPoint(5, 6));
    EXPECT_EQ(baseCountAtFirst, 0);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Scale");
    menu->actions()[1]->trigger();
    menu->close();
    EXPECT_EQ(hit, rotate);
}

TEST_F(BevelButtonTest, AClickRaisesActionAndAMenuNotAskedForIsNotShown) {
    auto bevel = window->controlAs<tk::BevelButton>("Button");
    int actions = 0;
    bevel->Action.bind([&](tk::BevelButton&) { ++actions; });
    bevel->ConstructContextualMenu.bind([](tk::BevelButton&, tk::Ref<tk::MenuItem> base, int, int) {
        base->Append(tk::makeRef<tk::MenuItem>("Scale"));
        return false;
    });
    click(Qt::LeftButton, QPoint(5, 6));
    click(Qt::RightButton, QPoint(5, 6));
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

using ProgressWheelTest = ThreadTest;

TEST_F(ProgressWheelTest, TurnsOnlyWhileVisible) {
    auto wheel = window->controlAs<tk::ProgressWheel>("Wheel");
    QWidget* widget = wheel->qwidget();
    auto turnsWithin = [&](int ms) {
        const QImage before = widget->grab().toImage();
        return QTest::qWaitFor([&] { return widget->grab().toImage() != before; }, ms);
    };
    EXPECT_TRUE(turnsWithin(2000));
    wheel->setVisible(false);
    EXPECT_FALSE(turnsWithin(400));
    wheel->setVisible(true);
    EXPECT_TRUE(turnsWithin(2000));
}

} // namespace
