// Documents handed from a second start of Tessivo to the running one: this test
// process is the running instance, the second start a process of its own.
#include "tests/support/RunTime.h"
#include "tests/support/SecondStart.h"
#include "tests/support/TestEnvironment.h"

#include "toolkit/files/DocumentHandover.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/windows/Application.h"
#include "toolkit/windows/Runtime.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

class RecordingApp : public tk::Application {
  public:
    std::function<void()> onOpen;
    std::vector<std::string> documents;

    void Event_Open() override {
        if (onOpen)
            onOpen();
    }
    void Event_OpenDocument(tk::Ref<tk::FolderItem> item) override {
        documents.push_back(item->nativePath());
    }
};

class HandoverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureRunTime();
        app = tk::makeRef<RecordingApp>();
        tk::RuntimeRegisterAppObject(app);
        char real[PATH_MAX];
        ASSERT_NE(::realpath(testenv::sandboxPath().c_str(), real), nullptr);
        folder = std::string(real) + "/second-start";
        ::mkdir(folder.c_str(), 0700);
        ASSERT_FALSE(tk::handoverSocketPath().empty());
    }
    // The event loop that served has ended for good: the run time goes with it,
    // and the next test starts a new one.
    void TearDown() override {
        tk::RuntimeRegisterAppObject(nullptr);
        tk::RuntimeExit();
    }

    // Runs as the running instance until the condition holds; False when it did not within 15 s.
    bool serveUntil(const std::function<bool()>& condition) {
        bool held = false;
        const QDeadlineTimer deadline(15000);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            held = condition();
            if (held || deadline.hasExpired())
                tk::RuntimeQuit(0);
        });
        poll.start(10);
        tk::RuntimeRun();
        return held;
    }

    tk::Ref<RecordingApp> app;
    std::string folder;
};

TEST_F(HandoverTest, PathsArriveInOrderAsOpenDocumentEventsAndTheSecondStartEnds) {
    const std::vector<std::string> arguments{folder + "/first.jpg", folder + "/two\nlines.jpg", "caf\xe9.jpg",
                                             "-dash.jpg"};
    const std::vector<std::string> expected{folder + "/first.jpg", folder + "/two\nlines.jpg",
                                            folder + "/caf\xe9.jpg", folder + "/-dash.jpg"};
    std::unique_ptr<SecondStart> withPaths, withoutPaths;
    app->onOpen = [&] { withPaths = std::make_unique<SecondStart>(arguments, folder); };

    EXPECT_TRUE(serveUntil([&] {
        if (!withoutPaths && withPaths && withPaths->ended() && app->documents.size() >= expected.size())
            withoutPaths = std::make_unique<SecondStart>(std::vector<std::string>{}, folder);
        return withoutPaths && withoutPaths->ended();
    }));
    EXPECT_EQ(app->documents, expected);
    ASSERT_TRUE(withPaths && withoutPaths);
    EXPECT_EQ(withPaths->exitStatus(), 0);
    EXPECT_EQ(withoutPaths->exitStatus(), 0);
}

TEST_F(HandoverTest, ASocketLeftByACrashedInstanceIsReplaced) {
    const std::string socketPath = tk::handoverSocketPath();
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ::unlink(socketPath.c_str());
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(stale);

    std::unique_ptr<SecondStart> second;
    app->onOpen = [&] {
        second = std::make_unique<SecondStart>(std::vector{folder + "/after-crash.jpg"}, folder);
    };
    EXPECT_TRUE(serveUntil([&] { return second && second->ended() && !app->documents.empty(); }));
    EXPECT_EQ(app->documents, std::vector{folder + "/after-crash.jpg"});
    ASSERT_TRUE(second);
    EXPECT_EQ(second->exitStatus(), 0);
}

TEST_F(HandoverTest, MalformedMessagesGetNoAnswerAndDeliverNothing) {
    std::string oversized = tk::handoverMessage({});
    oversized.replace(4, 4, std::string("\x00\x20\x00\x00", 4)); // a payload of 2 MiB announced
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no hand-over at all", "GET / HTTP/1.0\r\n\r\n"},
        {"a relative path", tk::handoverMessage({"/fine.jpg", "relative.jpg"})},
        {"an empty path", tk::handoverMessage({"/fine.jpg", ""})},
        {"more than 1 MiB announced", oversized},
        {"more than 10 000 paths", tk::handoverMessage(std::vector<std::string>(10001, "/a"))},
    };
    const QString socketName = QString::fromStdString(tk::handoverSocketPath());
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    // A message that never ends must not hold up the others.
    QLocalSocket unfinished;
    std::unique_ptr<SecondStart> second;
    app->onOpen = [&] {
        for (const auto& c : cases) {
            clients.push_back(std::make_unique<QLocalSocket>());
            clients.back()->connectToServer(socketName);
            clients.back()->waitForConnected(1000);
            clients.back()->write(c.bytes.data(), qint64(c.bytes.size()));
        }
        const std::string partial = tk::handoverMessage({"/unfinished.jpg"});
        unfinished.connectToServer(socketName);
        unfinished.waitForConnected(1000);
        unfinished.write(partial.data(), qint64(partial.size() - 1));
    };

    EXPECT_TRUE(serveUntil([&] {
        const bool allDropped =
            !clients.empty() && std::all_of(clients.begin(), clients.end(), [](auto& client) {
                return client->state() == QLocalSocket::UnconnectedState;
            });
        if (allDropped && !second)
            second = std::make_unique<SecondStart>(std::vector{folder + "/valid.jpg"}, folder);
        return second && second->ended() && !app->documents.empty();
    }));
    EXPECT_EQ(app->documents, std::vector{folder + "/valid.jpg"});
    for (std::size_t i = 0; i < clients.size(); ++i) {
        EXPECT_EQ(clients[i]->state(), QLocalSocket::UnconnectedState) << cases[i].what;
        EXPECT_TRUE(clients[i]->readAll().isEmpty()) << cases[i].what;
    }
    ASSERT_TRUE(second);
    EXPECT_EQ(second->exitStatus(), 0);
}

} // namespace
