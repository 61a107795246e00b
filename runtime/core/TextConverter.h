#pragma once
// Converting text between encodings, and tagging bytes with one.

#include <memory>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"
#include "runtime/core/TextEncoding.h"

namespace runtime {

class TextConverter : public Object {
public:
    TextConverter(TextEncodingRef source, TextEncodingRef target);

    const TextEncodingRef& Source() const { return source_; }
    const TextEncodingRef& Target() const { return target_; }

    // The bytes of s, read in the source encoding (whatever s's tag says),
    // written in the target encoding and tagged with it. Bytes invalid in the
    // source become U+FFFD; characters the target cannot hold become "?".
    // Source and target alike: the bytes are kept and only the tag changes.
    String convert(const String& s) const;

private:
    TextEncodingRef source_;
    TextEncodingRef target_;
};

using TextConverterRef = std::shared_ptr<TextConverter>;

// A converter between the two encodings; nil when either is nil.
TextConverterRef GetTextConverter(const TextEncodingRef& source, const TextEncodingRef& target);

// The same bytes tagged with encoding (nil: untagged).
String DefineEncoding(const String& s, const TextEncodingRef& encoding);

// s converted from its tag (untagged: UTF-8) to encoding; nil encoding gives s.
String ConvertEncoding(const String& s, const TextEncodingRef& encoding);

}  // namespace runtime
