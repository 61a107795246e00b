#include "runtime/core/TextConverter.h"

#include "runtime/core/Encodings.h"
#include "runtime/core/Transcode.h"

namespace runtime {

TextConverter::TextConverter(TextEncodingRef source, TextEncodingRef target)
    : source_(std::move(source)), target_(std::move(target)) {}

String TextConverter::convert(const String& s) const {
    if (SameEncoding(source_, target_)) return String::FromBytes(s.Bytes(), target_);
    return String::FromBytes(detail::Encode(detail::Decode(s.Bytes(), source_.get()), target_.get()), target_);
}

TextConverterRef GetTextConverter(const TextEncodingRef& source, const TextEncodingRef& target) {
    if (!source || !target) return nullptr;
    return std::make_shared<TextConverter>(source, target);
}

String DefineEncoding(const String& s, const TextEncodingRef& encoding) {
    return String::FromBytes(s.Bytes(), encoding);
}

String ConvertEncoding(const String& s, const TextEncodingRef& encoding) {
    if (!encoding) return s;
    TextConverter converter(s.Encoding() ? s.Encoding() : Encodings::UTF8(), encoding);
    return converter.convert(s);
}

}  // namespace runtime
