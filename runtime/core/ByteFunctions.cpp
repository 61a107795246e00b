#include "runtime/core/TextFunctions.h"

namespace runtime {
namespace {

String Bytes(const String& s, size_t from, size_t count) {
    const std::string& b = s.Bytes();
    if (from >= b.size()) return String::FromBytes({}, s.Encoding());
    return String::FromBytes(b.substr(from, count), s.Encoding());
}

}  // namespace

int32_t LenB(const String& s) { return static_cast<int32_t>(s.Bytes().size()); }

String MidB(const String& s, int32_t start) { return MidB(s, start, -1); }

String MidB(const String& s, int32_t start, int32_t length) {
    size_t from = start > 1 ? static_cast<size_t>(start - 1) : 0;
    return Bytes(s, from, length < 0 ? std::string::npos : static_cast<size_t>(length));
}

String LeftB(const String& s, int32_t count) { return Bytes(s, 0, count > 0 ? static_cast<size_t>(count) : 0); }

String RightB(const String& s, int32_t count) {
    size_t n = s.Bytes().size();
    size_t keep = count > 0 ? std::min(n, static_cast<size_t>(count)) : 0;
    return Bytes(s, n - keep, keep);
}

int32_t InStrB(const String& s, const String& find) { return InStrB(1, s, find); }

int32_t InStrB(int32_t start, const String& s, const String& find) {
    if (find.Bytes().empty()) return 0;
    size_t from = start > 1 ? static_cast<size_t>(start - 1) : 0;
    size_t at = s.Bytes().find(find.Bytes(), from);
    return at == std::string::npos ? 0 : static_cast<int32_t>(at + 1);
}

int32_t AscB(const String& s) { return s.Bytes().empty() ? 0 : static_cast<unsigned char>(s.Bytes()[0]); }

String ChrB(int32_t value) { return String::FromBytes(std::string(1, static_cast<char>(value & 0xFF))); }

int32_t BitwiseAnd(int32_t a, int32_t b) { return a & b; }

int32_t BitwiseXor(int32_t a, int32_t b) { return a ^ b; }

}  // namespace runtime
