#pragma once

#include <string>

namespace tk {

// A kind of file the application knows by name; the photo list names one when
// it says which dropped files it accepts.
class FileType {
  public:
    std::string Name, Extensions, MacType, MacCreator, MimeType, ConformsTo, UTI;
    bool Imported = false;

    // The first conversion to text registers the type with the toolkit; it yields the Name.
    std::string Operator_Convert();
};

// Whether a file type of that name has been registered.
bool isFileTypeRegistered(const std::string& name);

} // namespace tk
