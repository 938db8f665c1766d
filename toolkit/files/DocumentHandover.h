#pragma once

// One instance of Tessivo serves each user on each display: a later start hands
// its documents to it over a local socket in the user's private run-time folder.
// Toolkit-internal.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class DocumentHandover {
  public:
    enum class Role {
        Serving,    // this process is the running instance; later starts hand over to it
        HandedOver, // the running instance took the paths; this process has nothing left to do
        Alone,      // neither was possible; this process runs on its own and serves nobody
    };
    // Receives the absolute paths of one hand-over, in order, on the main thread.
    using Receiver = std::function<void(std::vector<std::string> paths)>;

    // Hands the absolute paths (possibly none) to the running instance, or becomes it
    // when there is none. Blocks while it waits for the running instance's answer,
    // some seconds at most.
    DocumentHandover(const std::vector<std::string>& paths, Receiver receiver);
    // Stops serving: the socket goes, then the claim to be the running instance.
    ~DocumentHandover();
    DocumentHandover(const DocumentHandover&) = delete;
    DocumentHandover& operator=(const DocumentHandover&) = delete;

    Role role() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// The socket the running instance listens on for this user, host and display;
// empty when this user has no private folder to hold it.
std::string handoverSocketPath();

// The bytes of one hand-over of these paths: "TSVH", the payload's size in four
// bytes (big-endian), then the payload, each path followed by a NUL.
std::string handoverMessage(const std::vector<std::string>& paths);

} // namespace tk
