#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A second start of Tessivo, reduced to handing its documents to the running
// one, with these arguments from that working folder. The arguments go to the
// process as the bytes they are (QProcess would re-encode them as text); it
// inherits this process's environment with its sandboxed XDG_RUNTIME_DIR.
class SecondStart {
  public:
    SecondStart(const std::vector<std::string>& arguments, const std::string& workingFolder);
    ~SecondStart();
    SecondStart(const SecondStart&) = delete;
    SecondStart& operator=(const SecondStart&) = delete;

    bool ended();
    // The exit status; -1 while it runs or when it did not exit normally.
    int exitStatus();

  private:
    pid_t pid_ = -1;
    int status_ = 0;
    bool ended_ = false;
};
