#pragma once
// How much of a property list written by others the program takes.

#include <cstddef>

namespace platform::plist {

// The largest Info.plist read; a larger one is not read at all.
inline constexpr size_t kMaxInfoPlistBytes = 4u << 20;

// The deepest nesting of values parsed, the outermost value being level 1.
// libplist parses and frees recursively, on a worker's 512 KB stack: at this
// depth both take under 32 KB of it.
inline constexpr size_t kMaxNesting = 256;

// The most values parsed, dictionary keys included. A binary list may refer
// to one object from many places; libplist makes a value for each reference.
inline constexpr size_t kMaxValues = 1u << 18;

// The most bytes the parsed values hold, counted as libplist allocates them: a
// string or key its length and a terminator, a UTF-16 string 3 bytes a unit
// (its UTF-8 buffer), data its length; a shared value once per reference.
// Over twice what any unshared binary list of kMaxInfoPlistBytes makes, and
// small enough that plutil's XML of them ("&" written "&amp;") fits in 300 MB.
inline constexpr size_t kMaxValueBytes = 16u << 20;

}  // namespace platform::plist
