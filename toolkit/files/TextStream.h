#pragma once

#include "toolkit/core/Ref.h"

#include <memory>
#include <string>

namespace tk {

class FolderItem;

// Reads a text file line by line. Lines end at "\n", "\r\n" or "\r".
class TextInputStream {
  public:
    explicit TextInputStream(std::string content) : content_(std::move(content)) {}
    // The next line without its line end; the empty text past the end of the file.
    std::string ReadLine(const std::string& encoding = "");
    bool EOF_() const { return pos_ >= content_.size(); }
    void Close() {}

  private:
    std::string content_;
    std::size_t pos_ = 0;
};

// Writes a text file. The text goes to a temporary file in the same folder,
// which Close renames into place, so a failed write never leaves a partly
// written file or loses the old one.
class TextOutputStream {
  public:
    // Writes at the end of the file, which is made when absent; the old content and the
    // new text replace the file together on Close. nil when the file cannot be written.
    static Ref<TextOutputStream> Append(const Ref<FolderItem>& file);

    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    void Write(const std::string& text);
    void WriteLine(const std::string& text) { Write(text + "\n"); }
    // Completes the file; returns False when it could not be written. A stream destroyed
    // without Close completes its file as well.
    bool Close();

    struct Impl;
    explicit TextOutputStream(std::unique_ptr<Impl> impl);

  private:
    std::unique_ptr<Impl> impl_;
};

} // namespace tk
