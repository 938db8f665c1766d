#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Writes the input as the file of that name in this process's private
// temporary folder (removed at exit) and returns its native path. Each write
// gets a modification time of its own, so no two inputs ever look like the
// same unchanged file to a cache keyed by file identity.
std::string writeInput(const std::string& name, const std::uint8_t* data, std::size_t size);

// This process's private temporary folder, made on first use.
const std::string& privateFolder();

} // namespace fuzz
