#include "toolkit/files/TextStream.h"

#include "toolkit/files/FolderItem.h"
#include "toolkit/files/PosixFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

std::string TextInputStream::ReadLine(const std::string&) {
    if (pos_ >= content_.size())
        return {};
    const std::size_t end = content_.find_first_of("\r\n", pos_);
    if (end == std::string::npos) {
        std::string line = content_.substr(pos_);
        pos_ = content_.size();
        return line;
    }
    std::string line = content_.substr(pos_, end - pos_);
    const bool crlf = content_[end] == '\r' && end + 1 < content_.size() && content_[end + 1] == '\n';
    pos_ = end + (crlf ? 2 : 1);
    return line;
}

struct TextOutputStream::Impl {
    Impl(const std::string& target, mode_t mode) : file(target), mode(mode) {}
    posix::PendingFile file;
    mode_t mode;
    bool closed = false;
    bool completed = false;
};

TextOutputStream::TextOutputStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

TextOutputStream::~TextOutputStream() {
    Close();
}

void TextOutputStream::Write(const std::string& text) {
    if (!impl_->closed)
        impl_->file.write(text.data(), text.size());
}

bool TextOutputStream::Close() {
    if (!impl_->closed) {
        impl_->closed = true;
        impl_->completed = impl_->file.commit(impl_->mode, true);
    }
    return impl_->completed;
}

namespace {

// A stream that replaces the file at path on Close, starting with the file's
// old content when keepContent. Through a symbolic link it writes the file the
// link points to, so the link stays. nil for anything but a regular file.
// The temporary file is its owner's alone until it gets its mode on Close.
Ref<TextOutputStream> openReplacing(const std::string& path, bool keepContent, FileAccess access) {
    std::string target = path;
    struct stat st;
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return nullptr;
    if (exists && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(path.c_str(), resolved) || ::stat(resolved, &st) != 0)
            return nullptr;
        target = resolved;
    }
    if (exists && !S_ISREG(st.st_mode))
        return nullptr;
    const mode_t mode = access == FileAccess::ownerOnly ? 0600
                        : exists                         ? st.st_mode & 07777
                                                         : 0666 & ~posix::currentUmask();
    auto impl = std::make_unique<TextOutputStream::Impl>(target, mode);
    if (!impl->file.isOpen())
        return nullptr;
    if (exists && keepContent) {
        const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        const bool copied = fd >= 0 && impl->file.copyFrom(fd);
        if (fd >= 0)
            ::close(fd);
        if (!copied)
            return nullptr;
    }
    return makeRef<TextOutputStream>(std::move(impl));
}

} // namespace

Ref<TextOutputStream> TextOutputStream::Append(const Ref<FolderItem>& file) {
    return openReplacing(file->nativePath(), true, FileAccess::asBefore);
}

Ref<TextOutputStream> FolderItem::CreateTextFile(FileAccess access) const {
    return openReplacing(path_, false, access);
}

Ref<TextInputStream> FolderItem::OpenAsTextFile() const {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat st;
    std::string content;
    const bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && posix::readAll(fd, content);
    ::close(fd);
    return read ? makeRef<TextInputStream>(std::move(content)) : nullptr;
}

} // namespace tk
