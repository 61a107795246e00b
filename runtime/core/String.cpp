#include "runtime/core/String.h"

#include "runtime/core/CaseFold.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/Transcode.h"

namespace runtime {
namespace {

// The text of s as UTF-8: a view of its bytes when they already are UTF-8,
// otherwise of storage, which receives the conversion.
std::string_view UTF8View(const String& s, std::string& storage) {
    if (detail::ReadsAsUTF8(s.Encoding().get())) return s.Bytes();
    storage = s.ToUTF8();
    return storage;
}

}  // namespace

String::String() = default;

String::String(const char* utf8) : bytes_(utf8 ? utf8 : ""), encoding_(Encodings::UTF8()) {}

String::String(std::string_view utf8) : bytes_(utf8), encoding_(Encodings::UTF8()) {}

String::String(const std::string& utf8) : bytes_(utf8), encoding_(Encodings::UTF8()) {}

String String::FromBytes(std::string bytes, TextEncodingRef encoding) {
    String s;
    s.bytes_ = std::move(bytes);
    s.encoding_ = std::move(encoding);
    return s;
}

std::string String::ToUTF8() const { return detail::ToUTF8(bytes_, encoding_.get()); }

String& String::operator+=(const String& other) {
    if (other.bytes_.empty()) return *this;
    if (bytes_.empty()) {
        *this = other;
        return *this;
    }
    if (SameEncoding(encoding_, other.encoding_)) {
        bytes_ += other.bytes_;
        return *this;
    }
    bytes_ = ToUTF8() + other.ToUTF8();
    encoding_ = Encodings::UTF8();
    return *this;
}

String operator+(const String& a, const String& b) {
    String r = a;
    r += b;
    return r;
}

bool operator==(const String& a, const String& b) {
    std::string sa, sb;
    if (SameEncoding(a.encoding_, b.encoding_) && a.bytes_ == b.bytes_) return true;
    return detail::EqualCaseless(UTF8View(a, sa), UTF8View(b, sb));
}

int StrComp(const String& a, const String& b) {
    std::string sa, sb;
    return detail::CompareCaseless(UTF8View(a, sa), UTF8View(b, sb));
}

// Equal bytes under the same tag read as the same UTF-8, so the fast path of
// operator== needs nothing of its own here.
std::string CaselessKey(const String& s) {
    std::string storage;
    return detail::FoldCase(UTF8View(s, storage));
}

}  // namespace runtime
