#include "runtime/core/CaseFold.h"

#include <vector>

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace runtime::detail {
namespace {

constexpr int32_t kInvalidByteBase = 0x110000;

inline bool IsAscii(unsigned char b) { return b < 0x80; }
inline unsigned char AsciiLower(unsigned char b) { return (b >= 'A' && b <= 'Z') ? b + 32 : b; }

// Full case folding of one character: up to three code points.
int FoldCharacter(UChar32 c, int32_t out[3]) {
    if (c < 0x80) {
        out[0] = AsciiLower(static_cast<unsigned char>(c));
        return 1;
    }
    // Not Changes_When_Casefolded, which is false for the characters whose
    // full folding is their own canonical decomposition (U+01F0 to j and
    // U+030C); every character that folds changes when case-mapped.
    if (!u_hasBinaryProperty(c, UCHAR_CHANGES_WHEN_CASEMAPPED)) {
        out[0] = c;
        return 1;
    }
    UChar src[2];
    int32_t srcLength = 0;
    U16_APPEND_UNSAFE(src, srcLength, c);
    UChar dst[8];
    UErrorCode status = U_ZERO_ERROR;
    int32_t n = u_strFoldCase(dst, 8, src, srcLength, U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status) || n > 8) {
        out[0] = c;
        return 1;
    }
    int count = 0;
    for (int32_t i = 0; i < n && count < 3;) {
        UChar32 f;
        U16_NEXT(dst, i, n, f);
        out[count++] = f;
    }
    return count;
}

// The folded units of a UTF-8 text, one at a time.
class FoldStream {
public:
    FoldStream(std::string_view s, size_t pos) : s_(s), pos_(pos) {}

    // Next unit, or -1 at the end.
    int32_t Next() {
        if (pendingAt_ < pendingCount_) return pending_[pendingAt_++];
        if (pos_ >= s_.size()) return -1;
        auto b = static_cast<unsigned char>(s_[pos_]);
        if (IsAscii(b)) {
            ++pos_;
            return AsciiLower(b);
        }
        int32_t i = static_cast<int32_t>(pos_);
        UChar32 c;
        U8_NEXT(s_.data(), i, static_cast<int32_t>(s_.size()), c);
        if (c < 0) {
            ++pos_;
            return kInvalidByteBase + b;
        }
        pos_ = static_cast<size_t>(i);
        pendingCount_ = FoldCharacter(c, pending_);
        pendingAt_ = 1;
        return pending_[0];
    }

private:
    std::string_view s_;
    size_t pos_;
    int32_t pending_[3] = {};
    int pendingCount_ = 0;
    int pendingAt_ = 0;
};

// Length of the common prefix that is ASCII on both sides and equal ignoring case;
// stops at the first difference or non-ASCII byte, which is a character boundary.
size_t AsciiPrefix(std::string_view a, std::string_view b, size_t from = 0) {
    size_t n = std::min(a.size(), b.size());
    size_t i = from;
    while (i < n) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (!IsAscii(x) || !IsAscii(y) || AsciiLower(x) != AsciiLower(y)) break;
        ++i;
    }
    return i;
}

// The last character boundary at or before the first byte where a and b
// differ: the texts agree, character for character, up to there.
size_t IdenticalPrefix(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    size_t k = 0;
    while (k < n && a[k] == b[k]) ++k;
    // A byte that is no continuation byte can only begin a character, on either side.
    auto continuation = [](std::string_view s, size_t i) {
        return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
    };
    while (k > 0 && (continuation(a, k) || continuation(b, k))) --k;
    return k;
}

bool AllAscii(std::string_view s) {
    for (char ch : s)
        if (!IsAscii(static_cast<unsigned char>(ch))) return false;
    return true;
}

struct Unit {
    int32_t value;
    size_t charBegin;
    size_t charEnd;
    bool firstOfChar;
    bool lastOfChar;
};

std::vector<Unit> FoldedUnits(std::string_view s, size_t from) {
    std::vector<Unit> units;
    units.reserve(s.size() - from);
    size_t pos = from;
    while (pos < s.size()) {
        auto b = static_cast<unsigned char>(s[pos]);
        if (IsAscii(b)) {
            units.push_back({AsciiLower(b), pos, pos + 1, true, true});
            ++pos;
            continue;
        }
        int32_t i = static_cast<int32_t>(pos);
        UChar32 c;
        U8_NEXT(s.data(), i, static_cast<int32_t>(s.size()), c);
        if (c < 0) {
            units.push_back({kInvalidByteBase + b, pos, pos + 1, true, true});
            ++pos;
            continue;
        }
        int32_t folded[3];
        int n = FoldCharacter(c, folded);
        for (int k = 0; k < n; ++k) units.push_back({folded[k], pos, static_cast<size_t>(i), k == 0, k == n - 1});
        pos = static_cast<size_t>(i);
    }
    return units;
}

}  // namespace

int CompareCaseless(std::string_view a, std::string_view b) {
    size_t start = AsciiPrefix(a, b, IdenticalPrefix(a, b));
    if (start == a.size() || start == b.size()) {
        if (a.size() == b.size()) return 0;
        return a.size() < b.size() ? -1 : 1;
    }
    FoldStream x(a, start), y(b, start);
    for (;;) {
        int32_t u = x.Next(), v = y.Next();
        if (u != v) return u < v ? -1 : 1;
        if (u < 0) return 0;
    }
}

bool EqualCaseless(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (AllAscii(a) && AllAscii(b)) return a.size() == b.size() && AsciiPrefix(a, b) == a.size();
    return CompareCaseless(a, b) == 0;
}

std::string FoldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    FoldStream s(utf8, 0);
    for (int32_t u = s.Next(); u >= 0; u = s.Next()) {
        if (u >= kInvalidByteBase) {
            out.push_back(static_cast<char>(u - kInvalidByteBase));
            continue;
        }
        char buf[4];
        int32_t n = 0;
        U8_APPEND_UNSAFE(buf, n, u);
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::optional<ByteRange> FindCaseless(std::string_view haystack, std::string_view needle, size_t from) {
    if (needle.empty() || from >= haystack.size()) return std::nullopt;
    if (AllAscii(needle) && AllAscii(haystack.substr(from))) {
        size_t m = needle.size();
        for (size_t i = from; i + m <= haystack.size(); ++i) {
            size_t k = 0;
            while (k < m && AsciiLower(static_cast<unsigned char>(haystack[i + k])) ==
                                AsciiLower(static_cast<unsigned char>(needle[k])))
                ++k;
            if (k == m) return ByteRange{i, i + m};
        }
        return std::nullopt;
    }
    std::vector<Unit> hay = FoldedUnits(haystack, from);
    std::vector<Unit> find = FoldedUnits(needle, 0);
    size_t m = find.size();
    for (size_t i = 0; i + m <= hay.size(); ++i) {
        if (!hay[i].firstOfChar) continue;
        size_t k = 0;
        while (k < m && hay[i + k].value == find[k].value) ++k;
        if (k == m && hay[i + m - 1].lastOfChar) return ByteRange{hay[i].charBegin, hay[i + m - 1].charEnd};
    }
    return std::nullopt;
}

}  // namespace runtime::detail
