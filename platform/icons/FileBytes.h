#pragma once
// Reading whole small files written by others.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::icons {

// The bytes of a regular file of at most maxBytes; nullopt for anything else
// (missing, unreadable, a folder, a FIFO or device, too large). Never blocks
// on a FIFO.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& posixPath, size_t maxBytes);

}  // namespace platform::icons
