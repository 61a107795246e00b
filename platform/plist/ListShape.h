#pragma once
// The shape of a list read from its bytes before libplist sees them: true
// when libplist can parse and free it within the bounds of Limits.h and no
// string or key holds U+0000. False also for bytes libplist would refuse
// anyway.

#include <string_view>

namespace platform::plist {

// A binary list ("bplist00"), walked from its top object through its object
// references as libplist follows them: every reference of an array, set or
// dictionary (keys too) is parsed again, so a shared object counts, with its
// values' bytes, once per reference, and a reference back to an object on the
// way is a cycle.
[[nodiscard]] bool BinaryListFits(std::string_view bytes);

// An XML list, its elements counted and their nesting measured past comments,
// processing instructions, the document type and CDATA sections, as libplist
// skips them. No NUL byte may stand anywhere in the text.
[[nodiscard]] bool XmlListFits(std::string_view text);

}  // namespace platform::plist
