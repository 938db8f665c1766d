#pragma once

#include <string>
#include <vector>

// Stands in for one of the bundled scripts: replaces the file of that name in
// a Resources folder with a script that records every run in a folder of its
// own, so a test sees exactly what the application handed over.
class RecordingScript {
  public:
    struct Run {
        std::vector<std::string> arguments; // byte for byte
        // A copy of the file that the first argument named, taken while the
        // script ran; "<none>" when it named no file.
        std::string firstFileContent;
    };

    RecordingScript(const std::string& resourcesFolder, const std::string& scriptName);
    ~RecordingScript();
    RecordingScript(const RecordingScript&) = delete;
    RecordingScript& operator=(const RecordingScript&) = delete;

    // The runs so far, in order.
    std::vector<Run> runs() const;

  private:
    std::string recordFolder_;
};
