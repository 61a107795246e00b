#pragma once
// The encodings the framework offers by name, and by Mac text-encoding number.

#include <cstdint>

#include "runtime/core/TextEncoding.h"

namespace runtime {

namespace Encodings {
TextEncodingRef UTF8();
TextEncodingRef UTF16();  // reads a byte-order mark, big-endian without one; writes big-endian
TextEncodingRef UTF16BE();
TextEncodingRef UTF16LE();
TextEncodingRef ShiftJIS();
TextEncodingRef MacJapanese();
TextEncodingRef EUCJP();
TextEncodingRef ISO2022JP();
TextEncodingRef ASCII();
TextEncodingRef SystemDefault();  // UTF-8, the Linux file system's encoding
}  // namespace Encodings

// Mac text-encoding bases the framework understands.
namespace TextEncodingBase {
constexpr int32_t MacJapanese = 0x0001;
constexpr int32_t UnicodeDefault = 0x0100;  // 0x0101 ... 0x010F are Unicode versions, read the same
constexpr int32_t ASCII = 0x0600;
constexpr int32_t ISO2022JP = 0x0820;
constexpr int32_t EUCJP = 0x0920;
constexpr int32_t ShiftJIS = 0x0A01;
}  // namespace TextEncodingBase

// Unicode formats (with a Unicode base).
namespace UnicodeFormat {
constexpr int32_t UTF16 = 0;
constexpr int32_t UTF8 = 2;
constexpr int32_t UTF16BE = 4;
constexpr int32_t UTF16LE = 5;
}  // namespace UnicodeFormat

// The encoding with this base, variant and format, or nil when there is none.
// Non-Unicode bases take variant 0 and format 0 only.
TextEncodingRef GetTextEncoding(int32_t base, int32_t variant = 0, int32_t format = 0);

}  // namespace runtime
