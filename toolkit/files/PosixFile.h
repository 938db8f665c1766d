#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// File operations built so that no existing file is lost: new content goes to
// a temporary file that is put in place only when complete.
namespace tk::posix {

// Renames without ever replacing an existing entry, also on file systems that
// lack RENAME_NOREPLACE. Returns 0, or the errno that explains the refusal;
// a refused rename leaves both names as they were.
int renameNoReplace(const std::string& from, const std::string& to);

// The folder part of a normalised absolute path ("/a/b" -> "/a", "/a" -> "/").
std::string folderOf(const std::string& path);

// The process's file-creation mask.
mode_t currentUmask();

// Reads the rest of fd into out.
bool readAll(int fd, std::string& out);

// A file written in the target's folder and put in place only when complete.
// Where the file system allows, it has no name until commit(), so that a
// process that dies meanwhile leaves nothing behind; elsewhere it is written
// under a hidden temporary name. Until commit() the target is untouched, and a
// file destroyed without a successful commit removes its temporary file.
class PendingFile {
  public:
    enum class Temporary { unnamedWherePossible, named };

    explicit PendingFile(const std::string& targetPath, Temporary kind = Temporary::unnamedWherePossible);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // False when no temporary file could be made (folder missing or not writable).
    bool isOpen() const { return fd_ >= 0; }
    void write(const char* data, std::size_t size);
    // Appends the rest of fd.
    bool copyFrom(int fd);
    // Flushes the data to disk, gives the file mode and puts it in place:
    // replacing the target atomically, or only when no entry of that name exists.
    // False when any step failed, including an earlier write.
    bool commit(mode_t mode, bool replace);

  private:
    bool linkIntoPlace(bool replace);
    bool renameIntoPlace(bool replace);
    void discard();

    std::string target_, temp_; // temp_ is empty while the file has no name
    int fd_ = -1;
    bool failed_ = false;
};

} // namespace tk::posix
