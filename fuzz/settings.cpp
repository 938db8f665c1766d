// A settings file of arbitrary bytes, read by the application at launch: each
// of the four e-mail settings is the file's line of its place, without its
// line end ("\n", "\r\n" or "\r"), or empty past the file's last line.
#include "fuzz/InputFile.h"

#include "shell/App.h"
#include "shell/EmailSettings.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& content) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n') {
            line += content[i];
            continue;
        }
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("XDG_CONFIG_HOME", fuzz::privateFolder().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeInput("Tessivo Preferences", data, size);
    App().getPrefs();
    std::vector<std::string> lines = linesOf(std::string(reinterpret_cast<const char*>(data), size));
    lines.resize(4);
    if (smtpAddress != lines[0] || smtpUserName != lines[1] || smtpPassword != lines[2] ||
        fromAddress != lines[3])
        std::abort();
    return 0;
}
