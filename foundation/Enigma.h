#pragma once
// Decoder of the scrambled path text that some products write into their
// record files: every byte is a pair of alphabet characters, mixed with the
// pair's number and with a number derived from a key.

#include <cstdint>

#include "runtime/core/String.h"

namespace Enigma {

// The key the record-file readers decode with.
inline constexpr const char* kDecoderKey = "wT";

// The key number (0..100) of a key; 1 for an empty key.
int32_t Initialize(const runtime::String& key);

// The bytes of a scrambled text, untagged. A character outside the alphabet,
// or a text of odd length, ends the decode with the bytes decoded so far; a
// pair whose value lies above 255 gives its low byte.
runtime::String Decode(const runtime::String& text, const runtime::String& key);

}  // namespace Enigma
