#pragma once

#include <string>

// Everything a test or benchmark process keeps, in a private temporary folder
// of its own: HOME, the XDG folders and TMPDIR point into it, and Qt runs on
// its offscreen platform, so that a run neither shows windows nor touches the
// files of the user who runs it. The folder goes with the object.
class Sandbox {
  public:
    // The folder is named after the prefix, in the temporary folder.
    explicit Sandbox(const char* prefix);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};
