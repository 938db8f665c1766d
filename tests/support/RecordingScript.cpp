#include "tests/support/RecordingScript.h"

#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<none>";
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
} // namespace

RecordingScript::RecordingScript(const std::string& resourcesFolder, const std::string& scriptName) {
    std::string pattern = testenv::sandboxPath() + "/script-runs-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("no folder for the script's runs");
    recordFolder_ = pattern;
    // Run n keeps argument i in the file n/i and a copy of the file $1 names in n/file.
    std::ofstream(fs::path(resourcesFolder) / scriptName, std::ios::binary | std::ios::trunc)
        << "#!/bin/sh\n"
           "record='" << recordFolder_ << "'\n"
           "n=0\n"
           "while [ -e \"$record/$n\" ]; do n=$((n + 1)); done\n"
           "mkdir \"$record/$n\"\n"
           "i=0\n"
           "for a in \"$@\"; do printf '%s' \"$a\" > \"$record/$n/$i\"; i=$((i + 1)); done\n"
           "if [ -f \"${1-}\" ]; then cp \"$1\" \"$record/$n/file\"; fi\n"
           "echo recorded\n";
}

RecordingScript::~RecordingScript() {
    std::error_code ignored;
    fs::remove_all(recordFolder_, ignored);
}

std::vector<RecordingScript::Run> RecordingScript::runs() const {
    std::vector<Run> runs;
    for (int n = 0; fs::exists(fs::path(recordFolder_) / std::to_string(n)); ++n) {
        const fs::path folder = fs::path(recordFolder_) / std::to_string(n);
        Run run;
        for (int i = 0; fs::exists(folder / std::to_string(i)); ++i)
            run.arguments.push_back(readFile(folder / std::to_string(i)));
        run.firstFileContent = readFile(folder / "file");
        runs.push_back(std::move(run));
    }
    return runs;
}
