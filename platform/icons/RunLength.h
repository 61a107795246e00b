#pragma once
// The run-length packing of the 32-bit elements of an .icns file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform::icons {

// Unpacks `size` bytes into exactly `outSize` bytes. The packed stream is a
// run of codes: n < 0x80 copies the next n + 1 bytes, n >= 0x80 repeats the
// next byte n - 0x80 + 3 times. Runs may cross from one colour channel into
// the next. nullopt when the data ends before outSize bytes are made or a run
// would go past them; bytes left after the last one needed are ignored.
std::optional<std::vector<uint8_t>> UnpackRuns(const uint8_t* data, size_t size, size_t outSize);

}  // namespace platform::icons
