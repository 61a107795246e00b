#pragma once
// Property lists written by others, binary or XML, parsed with libplist only
// when it can take them (see Limits.h), and their strings read with their
// length.
//
// A list is refused whole when it nests deeper than kMaxNesting, holds more
// than kMaxValues values or (binary) more than kMaxValueBytes bytes of them,
// refers to itself (binary), or holds U+0000 in a string or key: XML cannot
// hold that character at all, and libplist cuts a binary list's ASCII strings
// and keys at it without a word, so no value of such a list can be trusted.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <plist/plist.h>

#include "platform/plist/Limits.h"

namespace platform::plist {

struct FreeList {
    void operator()(plist_t node) const { plist_free(node); }
};
// The root of a parsed list; freed with the object.
using PropertyList = std::unique_ptr<void, FreeList>;

// The list the bytes hold; nullptr when they hold none or one that is refused.
[[nodiscard]] PropertyList ParsePropertyList(std::string_view bytes);

// The text of a string node; nullopt for any other node and for a string
// that holds U+0000.
[[nodiscard]] std::optional<std::string> StringValue(plist_t node);

}  // namespace platform::plist
