#include "fuzz/InputFile.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzz {

namespace {

std::string folder;
std::string lastFile;

void removeFolder() {
    if (!lastFile.empty())
        ::unlink(lastFile.c_str());
    ::rmdir(folder.c_str());
}

} // namespace

const std::string& privateFolder() {
    if (folder.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tessivo-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
        std::atexit(removeFolder);
    }
    return folder;
}

std::string writeInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = privateFolder() + "/" + name;
    if (!lastFile.empty() && lastFile != path)
        ::unlink(lastFile.c_str());
    lastFile = path;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        std::abort();
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            std::abort();
        done += std::size_t(n);
    }
    static long stamp = 0;
    const timespec times[2] = {{0, UTIME_OMIT}, {++stamp, 0}};
    if (::futimens(fd, times) != 0)
        std::abort();
    ::close(fd);
    return path;
}

} // namespace fuzz
