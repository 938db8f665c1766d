#include "toolkit/files/FolderItem.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/files/PosixFile.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace tk {

struct FolderItem::Listing {
    std::string folder;
    dev_t device;
    ino_t inode;
    timespec modified;
    std::vector<std::string> names;

    bool matches(const std::string& path, const struct stat& st) const {
        return folder == path && device == st.st_dev && inode == st.st_ino &&
               modified.tv_sec == st.st_mtim.tv_sec && modified.tv_nsec == st.st_mtim.tv_nsec;
    }
};

namespace {

bool isValidName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

// Joins the components of an absolute path, resolving "." and ".." lexically.
std::string normalise(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    return result.empty() ? "/" : result;
}

std::string joined(const std::string& folder, const std::string& name) {
    return (folder == "/" ? "" : folder) + "/" + name;
}

// Natural order needs a real collation: the C locale compares code units and
// ignores numeric mode, so it falls back to English.
QLocale collationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
}

void sortNaturally(std::vector<std::string>& names) {
    QCollator collator(collationLocale());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Entry {
        QCollatorSortKey key;
        std::string name;
    };
    std::vector<Entry> entries;
    entries.reserve(names.size());
    for (std::string& name : names)
        entries.push_back(
            {collator.sortKey(QString::fromUtf8(name.data(), qsizetype(name.size()))), std::move(name)});
    // Names that collate alike ("a.jpg", "A.jpg") keep a fixed order by their bytes.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    names.clear();
    for (Entry& entry : entries)
        names.push_back(std::move(entry.name));
}

bool isPlainFile(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isTrash(const FolderItem& folder) {
    const Ref<FolderItem> trash = SpecialFolder::Trash();
    return folder == *trash || folder.sameFileAs(*trash);
}

// The home trash, made where it is missing. Qt puts a file it cannot trash
// anywhere else into the current folder when this one cannot be had either,
// so without it nothing is trashed.
bool homeTrashReady() {
    const std::string trash = SpecialFolder::Trash()->Parent()->nativePath();
    std::error_code error;
    std::filesystem::create_directories(trash, error);
    struct stat st;
    return ::stat(trash.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Copies a regular file to target through a temporary file; never replaces an existing entry.
bool copyFile(const std::string& source, const std::string& target) {
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    struct stat existing;
    bool copied = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::lstat(target.c_str(), &existing) != 0) {
        posix::PendingFile copy(target);
        copied = copy.copyFrom(fd) && copy.commit(st.st_mode & 0777 & ~posix::currentUmask(), false);
    }
    ::close(fd);
    return copied;
}

} // namespace

FolderItem::FolderItem(const std::string& nativePath) {
    if (nativePath.find('\0') != std::string::npos)
        throw UnsupportedOperationException("A file path cannot contain a NUL character.");
    if (!nativePath.empty() && nativePath[0] == '/') {
        path_ = normalise(nativePath);
    } else {
        std::error_code error;
        path_ = normalise(std::filesystem::current_path(error).native() + "/" + nativePath);
    }
}

std::string FolderItem::AbsolutePath() const {
    if (path_ == "/")
        return ":";
    std::string text = path_.substr(1);
    for (char& c : text)
        c = c == '/' ? ':' : c == ':' ? '/' : c;
    return text;
}

Ref<FolderItem> executableFile() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? nullptr : makeRef<FolderItem>(executable.native());
}

Ref<FolderItem> RuntimeGetFolderItem(const std::string& path, int pathMode) {
    if (pathMode != 0)
        throw UnsupportedOperationException("RuntimeGetFolderItem knows only path mode 0.");
    if (path.empty()) {
        const Ref<FolderItem> executable = executableFile();
        return executable ? executable->Parent() : nullptr;
    }
    if (path == ":")
        return makeRef<FolderItem>("/");
    std::string native;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(':', start);
        if (end == std::string::npos)
            end = path.size();
        std::string name = path.substr(start, end - start);
        std::replace(name.begin(), name.end(), '/', ':');
        if (!isValidName(name))
            return nullptr;
        native += "/" + name;
        start = end + 1;
    }
    return FolderItem::atPath(native);
}

Ref<FolderItem> FolderItem::Child(const std::string& name) const {
    if (name.empty())
        return makeRef<FolderItem>(*this);
    if (!isValidName(name))
        return nullptr;
    return makeRef<FolderItem>(joined(path_, name));
}

Ref<FolderItem> FolderItem::Parent() const {
    if (path_ == "/")
        return nullptr;
    return makeRef<FolderItem>(posix::folderOf(path_));
}

bool FolderItem::Exists() const {
    struct stat st;
    return ::lstat(path_.c_str(), &st) == 0;
}

bool FolderItem::Directory() const {
    struct stat st;
    return ::stat(path_.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderItem::Name() const {
    return path_ == "/" ? path_ : path_.substr(path_.rfind('/') + 1);
}

void FolderItem::setName(const std::string& newName) {
    if (path_ == "/" || !isValidName(newName) || newName == Name())
        return;
    const std::string target = joined(posix::folderOf(path_), newName);
    if (posix::renameNoReplace(path_, target) == 0)
        moveTo(target);
}

std::string FolderItem::DisplayName() const {
    const std::string name = Name();
    return QString::fromUtf8(name.data(), qsizetype(name.size())).toUtf8().toStdString();
}

std::shared_ptr<const FolderItem::Listing> FolderItem::listing(bool reread) const {
    std::lock_guard lock(cache_.mutex);
    struct stat st;
    if (!reread && cache_.listing && ::stat(path_.c_str(), &st) == 0 && cache_.listing->matches(path_, st))
        return cache_.listing;
    cache_.listing.reset();
    const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    // The folder's state is taken before reading it, so a change during the read shows as a new one.
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return nullptr;
    }
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return nullptr;
    }
    auto read = std::make_shared<Listing>(Listing{path_, st.st_dev, st.st_ino, st.st_mtim, {}});
    // Hidden names are items like any other; "." and ".." are none.
    while (const dirent* entry = ::readdir(dir))
        if (std::string_view name = entry->d_name; name != "." && name != "..")
            read->names.emplace_back(name);
    ::closedir(dir);
    sortNaturally(read->names);
    cache_.listing = read;
    return read;
}

int FolderItem::Count() const {
    // Reread when the folder changed: a loop over Count and Item reads a large folder once.
    const auto names = listing(false);
    return names ? int(names->names.size()) : 0;
}

Ref<FolderItem> FolderItem::Item(int index) const {
    return listedItem(listing(false), index);
}

Ref<FolderItem> FolderItem::listedAfter(int places) const {
    return places >= 0 ? listedItem(listedIn_, listedAt_ + places) : nullptr;
}

Ref<FolderItem> FolderItem::listedItem(const std::shared_ptr<const Listing>& listing, int position) {
    if (!listing || position < 1 || std::size_t(position) > listing->names.size())
        return nullptr;
    // Files expected in turn are listed by their whole paths, in no folder.
    const std::string& name = listing->names[std::size_t(position) - 1];
    auto item = makeRef<FolderItem>(listing->folder.empty() ? name : joined(listing->folder, name));
    item->listedIn_ = listing;
    item->listedAt_ = position;
    return item;
}

namespace {
// The files expected in turn, for the run of long loops that expects them.
struct ExpectedFiles {
    std::mutex mutex;
    int loopRun = 0;
    std::shared_ptr<const void> listing;
    std::unordered_map<std::string, int> positions; // the first of each path's
};

ExpectedFiles& expectedFiles() {
    static ExpectedFiles expected;
    return expected;
}
} // namespace

void FolderItem::expectInTurn(const std::vector<std::string>& nativePaths) {
    auto listing = std::make_shared<Listing>(Listing{"", 0, 0, {}, nativePaths});
    std::unordered_map<std::string, int> positions;
    for (std::size_t i = 0; i < nativePaths.size(); ++i)
        positions.emplace(nativePaths[i], int(i) + 1);
    ExpectedFiles& expected = expectedFiles();
    std::lock_guard lock(expected.mutex);
    expected.loopRun = currentLongLoopRun();
    expected.listing = std::move(listing);
    expected.positions = std::move(positions);
}

Ref<FolderItem> FolderItem::atPath(const std::string& nativePath) {
    ExpectedFiles& expected = expectedFiles();
    std::lock_guard lock(expected.mutex);
    if (expected.listing && (expected.loopRun == 0 || expected.loopRun != currentLongLoopRun())) {
        expected.listing.reset(); // the loops that expected them have ended
        expected.positions.clear();
    }
    const auto found = expected.positions.find(nativePath);
    if (found == expected.positions.end())
        return makeRef<FolderItem>(nativePath);
    return listedItem(std::static_pointer_cast<const Listing>(expected.listing), found->second);
}

void FolderItem::moveTo(const std::string& path) {
    path_ = path;
    listedIn_.reset();
    listedAt_ = 0;
}

void FolderItem::CreateAsFolder() const {
    ::mkdir(path_.c_str(), 0777);
}

void FolderItem::CopyFileTo(const Ref<FolderItem>& destFolder) const {
    if (path_ != "/")
        copyFile(path_, joined(destFolder->nativePath(), Name()));
}

void FolderItem::MoveFileTo(const Ref<FolderItem>& destFolder) {
    const FolderItem& dest = *destFolder;
    if (path_ == "/")
        return;
    if (isTrash(dest)) {
        // Qt takes names as text: a name that is no valid UTF-8 would name another file.
        const QString name = QFile::decodeName(QByteArray::fromStdString(path_));
        QString inTrash;
        if (QFile::encodeName(name).toStdString() == path_ && homeTrashReady() && QFile::moveToTrash(name, &inTrash))
            moveTo(QFile::encodeName(inTrash).toStdString());
        return;
    }
    const std::string target = joined(dest.nativePath(), Name());
    const int error = posix::renameNoReplace(path_, target);
    if (error == 0) {
        moveTo(target);
    } else if (error == EXDEV && isPlainFile(path_) && copyFile(path_, target)) {
        // Across file systems: the copy is complete on disk before the original goes.
        if (::unlink(path_.c_str()) == 0)
            moveTo(target);
        else
            ::unlink(target.c_str());
    }
}

bool FolderItem::sameFileAs(const FolderItem& other) const {
    const auto mine = identity();
    return mine && mine == other.identity();
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> FolderItem::identity() const {
    struct stat st;
    if (::stat(path_.c_str(), &st) != 0)
        return std::nullopt;
    return std::pair<std::uint64_t, std::uint64_t>(st.st_dev, st.st_ino);
}

} // namespace tk
