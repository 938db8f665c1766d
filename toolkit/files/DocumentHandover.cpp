#include "toolkit/files/DocumentHandover.h"

#include "toolkit/core/QtText.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace tk {

namespace {

constexpr char magic[4] = {'T', 'S', 'V', 'H'};
constexpr std::size_t headerSize = 8;
constexpr std::size_t maxPayload = 1 << 20;
constexpr std::size_t maxPaths = 10000;
constexpr std::size_t maxPathLength = 4096;
// The running instance answers a message it took with this byte, and closes the
// connection without answering on anything else.
constexpr char accepted = '\x06';

constexpr int connectTimeoutMs = 1000;
// The running instance answers from its event loop, which a long step may hold up.
constexpr int answerTimeoutMs = 10000;
constexpr int readTimeoutMs = 5000;
constexpr auto claimTimeout = std::chrono::seconds(5);
constexpr auto retryPause = std::chrono::milliseconds(20);
constexpr int maxConnections = 16;

bool validPath(std::string_view path) {
    return !path.empty() && path.front() == '/' && path.size() <= maxPathLength &&
           path.find('\0') == std::string_view::npos;
}

bool sendable(const std::vector<std::string>& paths) {
    std::size_t size = 0;
    for (const std::string& path : paths) {
        if (!validPath(path))
            return false;
        size += path.size() + 1;
    }
    return paths.size() <= maxPaths && size <= maxPayload;
}

enum class Parsed { Incomplete, Malformed, Complete };

Parsed parseMessage(const QByteArray& data, std::vector<std::string>& paths) {
    const std::size_t have = std::size_t(data.size());
    if (std::memcmp(data.constData(), magic, std::min(have, sizeof magic)) != 0)
        return Parsed::Malformed;
    if (have < headerSize)
        return Parsed::Incomplete;
    const std::size_t size = qFromBigEndian<quint32>(data.constData() + sizeof magic);
    if (size > maxPayload || have > headerSize + size)
        return Parsed::Malformed;
    if (have < headerSize + size)
        return Parsed::Incomplete;
    std::string_view payload(data.constData() + headerSize, size);
    paths.clear();
    while (!payload.empty()) {
        const std::size_t end = payload.find('\0');
        if (end == std::string_view::npos || paths.size() == maxPaths || !validPath(payload.substr(0, end)))
            return Parsed::Malformed;
        paths.emplace_back(payload.substr(0, end));
        payload.remove_prefix(end + 1);
    }
    return Parsed::Complete;
}

std::string absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

// A folder only this user can enter: no link, owned by the user, no group or other access.
bool isPrivateFolder(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

std::string handoverFolder() {
    const std::string runtime = absoluteVariable("XDG_RUNTIME_DIR");
    if (!runtime.empty() && isPrivateFolder(runtime))
        return runtime;
    // Without a private run-time folder: one of this user's own, in the cache folder.
    std::string cache = absoluteVariable("XDG_CACHE_HOME");
    if (cache.empty()) {
        const std::string home = absoluteVariable("HOME");
        if (home.empty())
            return {};
        cache = home + "/.cache";
    }
    ::mkdir(cache.c_str(), 0700);
    const std::string folder = cache + "/tessivo-runtime";
    ::mkdir(folder.c_str(), 0700);
    return isPrivateFolder(folder) ? folder : std::string();
}

// The display this process shows its windows on, with the host it runs on: a
// home folder shared between machines holds one socket for each.
std::string displayKey() {
    auto variable = [](const char* name, const char* unset) {
        const char* value = std::getenv(name);
        return std::string(value ? value : unset);
    };
    const QString platform = QGuiApplication::platformName();
    std::string display;
    if (platform.startsWith(QLatin1String("wayland")))
        display = variable("WAYLAND_DISPLAY", "wayland-0");
    else if (platform == QLatin1String("xcb"))
        display = variable("DISPLAY", "");
    return fromQt(QSysInfo::machineHostName()) + '\n' + fromQt(platform) + '\n' + display;
}

struct Names {
    std::string socket;
    std::string lock;
};

Names handoverNames() {
    const std::string folder = handoverFolder();
    if (folder.empty())
        return {};
    const QByteArray key = QByteArray::fromStdString(displayKey());
    const std::string base =
        folder + "/tessivo-" +
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16).toStdString();
    Names names{base + ".sock", base + ".lock"};
    // Qt names local sockets with QStrings: the path must survive the conversion, and fit a socket address.
    if (names.socket.size() >= sizeof(sockaddr_un{}.sun_path) ||
        pathFromQt(pathToQt(names.socket)) != names.socket)
        return {};
    return names;
}

enum class Sent { Delivered, NoServer, Refused };

Sent send(const QString& socketName, const std::string& message) {
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(connectTimeoutMs))
        return Sent::NoServer;
    socket.write(message.data(), qint64(message.size()));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(answerTimeoutMs))
            return Sent::Refused;
    if (!socket.waitForReadyRead(answerTimeoutMs))
        return Sent::Refused;
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == accepted ? Sent::Delivered : Sent::Refused;
}

void drop(QLocalSocket& socket) {
    socket.abort();
    socket.deleteLater();
}

} // namespace

std::string handoverSocketPath() { return handoverNames().socket; }

std::string handoverMessage(const std::vector<std::string>& paths) {
    std::string payload;
    for (const std::string& path : paths) {
        payload += path;
        payload += '\0';
    }
    char size[4];
    qToBigEndian<quint32>(quint32(payload.size()), size);
    return std::string(magic, sizeof magic) + std::string(size, sizeof size) + payload;
}

struct DocumentHandover::Impl {
    Role role = Role::Alone;
    Receiver receiver;
    // Held by the running instance as long as it serves: whoever holds it owns the
    // socket, so two instances starting together never both serve. The kernel lets
    // go of it when the instance ends, also by a crash.
    int lockFd = -1;
    std::unique_ptr<QLocalServer> server;

    ~Impl() {
        server.reset();
        releaseLock();
    }

    void releaseLock() {
        if (lockFd >= 0)
            ::close(lockFd);
        lockFd = -1;
    }

    bool listen(const QString& socketName) {
        // Holding the lock, any socket file there is one a crashed instance left.
        QLocalServer::removeServer(socketName);
        server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server->listen(socketName)) {
            server.reset();
            return false;
        }
        QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] { accept(); });
        return true;
    }

    void accept() {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            if (server->findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly).size() > maxConnections) {
                drop(*socket);
                continue;
            }
            socket->setReadBufferSize(64 * 1024);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [this, socket, buffer] { read(*socket, *buffer); });
            QTimer::singleShot(readTimeoutMs, socket, [socket] { drop(*socket); });
            if (socket->bytesAvailable() > 0)
                read(*socket, *buffer);
        }
    }

    void read(QLocalSocket& socket, QByteArray& buffer) {
        buffer += socket.readAll();
        std::vector<std::string> paths;
        switch (parseMessage(buffer, paths)) {
        case Parsed::Incomplete:
            return;
        case Parsed::Malformed:
            drop(socket);
            return;
        case Parsed::Complete:
            QObject::disconnect(&socket, &QLocalSocket::readyRead, nullptr, nullptr);
            buffer.clear();
            socket.write(&accepted, 1);
            socket.disconnectFromServer();
            if (receiver)
                receiver(std::move(paths));
            return;
        }
    }
};

DocumentHandover::DocumentHandover(const std::vector<std::string>& paths, Receiver receiver)
    : d_(std::make_unique<Impl>()) {
    d_->receiver = std::move(receiver);
    const Names names = handoverNames();
    if (names.socket.empty() || !QCoreApplication::instance())
        return;
    const QString socketName = pathToQt(names.socket);
    d_->lockFd = ::open(names.lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    const bool canSend = sendable(paths);
    const std::string message = handoverMessage(paths);
    const auto deadline = std::chrono::steady_clock::now() + claimTimeout;
    for (;;) {
        if (d_->lockFd >= 0 && ::flock(d_->lockFd, LOCK_EX | LOCK_NB) == 0) {
            if (d_->listen(socketName)) {
                d_->role = Role::Serving;
                return;
            }
            break;
        }
        if (!canSend)
            break;
        const Sent sent = send(socketName, message);
        if (sent == Sent::Delivered) {
            d_->role = Role::HandedOver;
            break;
        }
        // No socket yet while the lock is held: that instance is starting or ending.
        if (sent == Sent::Refused || d_->lockFd < 0 || std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(retryPause);
    }
    d_->releaseLock();
}

DocumentHandover::~DocumentHandover() = default;

DocumentHandover::Role DocumentHandover::role() const { return d_->role; }

} // namespace tk
