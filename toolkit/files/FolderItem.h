#pragma once

#include "toolkit/core/Ref.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

class Picture;
class TextInputStream;
class TextOutputStream;

// Who may read and write a file that replaces another or is new.
enum class FileAccess {
    // An existing file keeps its mode; a new one gets 0666 less the umask.
    asBefore,
    // Its owner alone (0600), also when it replaces a file that others could read;
    // for files that hold secrets.
    ownerOnly,
};

// A file or folder, named by its absolute path. The item need not exist.
// Paths are byte strings as the file system holds them (not necessarily UTF-8).
class FolderItem {
  public:
    // nativePath should be absolute (a relative one is taken from the current folder); it is
    // normalised lexically ("a/./b/" -> "a/b", "a/b/../c" -> "a/c"). A path containing a NUL
    // raises UnsupportedOperationException.
    explicit FolderItem(const std::string& nativePath);

    // The path as the operating system spells it ("/home/u/a.jpg").
    const std::string& nativePath() const { return path_; }

    // The ":"-separated form: the path's components from the root joined by
    // ":", a ":" inside a name written as "/". The root is ":".
    std::string AbsolutePath() const;

    // The item of that name inside this folder, whether or not it exists;
    // the empty name gives this folder itself; nil for a name no file can have
    // (one containing "/" or a NUL, ".", "..").
    Ref<FolderItem> Child(const std::string& name) const;
    // The folder that holds this item; nil for the root.
    Ref<FolderItem> Parent() const;

    // True when an entry of this name exists, also a link whose target is missing.
    bool Exists() const;
    bool Directory() const;
    // The last component of the path; "/" for the root.
    std::string Name() const;
    // Renames the item within its folder. Never replaces another file; a
    // refused rename changes nothing and is silent (the item keeps its path).
    void setName(const std::string& newName);
    // The name as the user sees it: the file name shown in valid UTF-8.
    std::string DisplayName() const;

    // Number of items in the folder (0 for a file or an unreadable folder), hidden ones
    // (names starting with ".") too. The folder is read again when it has changed.
    int Count() const;
    // Item at a 1-based position in the folder, in natural name order (as a
    // file manager lists them: "2.jpg" before "10.jpg"); nil outside 1..Count.
    // Uses the listing read last while the folder is unchanged.
    Ref<FolderItem> Item(int index) const;

    // For an item that Item() gave, so that code can follow a loop over a folder's
    // items: the listing it came from (one object for all the items of one reading
    // of the folder; null for any other item) and its 1-based position there.
    std::shared_ptr<const void> listedIn() const { return listedIn_; }
    int listedAt() const { return listedAt_; }
    // The item that many places further on in that listing, as Item() gave it then;
    // nil past its end, or for an item that Item() did not give.
    Ref<FolderItem> listedAfter(int places) const;

    // Files that a long loop is about to open in this order, such as the
    // selected rows of a list it walks. Until that run of long loops ends, the
    // items RuntimeGetFolderItem gives for them stand in that order as the
    // items of a listing do, so that what they hold can be made ready ahead of
    // the loop. One such order at a time: a new one replaces the last.
    static void expectInTurn(const std::vector<std::string>& nativePaths);
    // The item for an absolute native path; one of the files expected in turn
    // stands in their order.
    static Ref<FolderItem> atPath(const std::string& nativePath);

    // Text files: UTF-8, "\n" line ends written; "\n", "\r\n" and "\r" read.
    // The file read as a picture, judged by its content; nil for a folder or a
    // file that holds no picture this machine can show.
    Ref<Picture> OpenAsPicture() const;
    // Writes the picture as a JPEG file of this name at the default quality,
    // replacing an existing file atomically. False when it could not be written.
    bool SaveAsJPEG(const Ref<Picture>& picture) const;
    // Writes the picture in a format: 0 is PNG, 151 JPEG. False when it could not be written.
    bool SaveAsPicture(const Ref<Picture>& picture, int format = 0) const;

    Ref<TextInputStream> OpenAsTextFile() const;
    // A new empty file of this name, replacing an existing one only when the
    // stream is closed (written under a temporary name, then renamed into place).
    Ref<TextOutputStream> CreateTextFile(FileAccess access = FileAccess::asBefore) const;

    void CreateAsFolder() const;
    // Copies the file into destFolder under its own name; never replaces an existing file.
    void CopyFileTo(const Ref<FolderItem>& destFolder) const;
    // Moves the item into destFolder; into the Trash folder, it is trashed the
    // freedesktop way (with its restore information).
    void MoveFileTo(const Ref<FolderItem>& destFolder);

    // True when both name one file on disk (same device and inode), also
    // through links or other spellings of the path.
    bool sameFileAs(const FolderItem& other) const;
    // The file's device and inode, which name it whatever path leads to it;
    // nothing when it does not exist.
    std::optional<std::pair<std::uint64_t, std::uint64_t>> identity() const;

    friend bool operator==(const FolderItem& a, const FolderItem& b) { return a.path_ == b.path_; }

  private:
    struct Listing;
    // The sorted listing Count() read last. Copies of an item start without one.
    struct ListingCache {
        ListingCache() = default;
        ListingCache(const ListingCache&) {}
        ListingCache& operator=(const ListingCache&) { return *this; }
        std::mutex mutex;
        std::shared_ptr<const Listing> listing;
    };
    std::shared_ptr<const Listing> listing(bool reread) const;
    static Ref<FolderItem> listedItem(const std::shared_ptr<const Listing>& listing, int position);
    // The item now names another file: it no longer stands in a listing.
    void moveTo(const std::string& path);

    std::string path_;
    mutable ListingCache cache_;
    std::shared_ptr<const Listing> listedIn_;
    int listedAt_ = 0;
};

// The item for a path in the ":"-separated form of FolderItem::AbsolutePath, or
// nil when the text is no such path. The empty path names the folder that
// holds the application's executable. pathMode 0 is the only mode; another
// raises UnsupportedOperationException.
Ref<FolderItem> RuntimeGetFolderItem(const std::string& path, int pathMode = 0);

// The running executable (found through /proc/self/exe, so a link to it works).
Ref<FolderItem> executableFile();

// The user's folders, following the XDG base-directory and user-dirs rules.
namespace SpecialFolder {
Ref<FolderItem> ApplicationData(); // $XDG_CONFIG_HOME, else ~/.config
Ref<FolderItem> Documents();       // XDG documents folder, else ~/Documents
Ref<FolderItem> Trash();           // $XDG_DATA_HOME/Trash/files
// A private folder of this user (mode 0700), made on first use.
Ref<FolderItem> Temporary();
} // namespace SpecialFolder

} // namespace tk
