#include "runtime/core/EncodingGuess.h"

#include <optional>
#include <string_view>
#include <vector>

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include "runtime/core/Encodings.h"
#include "runtime/core/JapaneseCharacters.h"
#include "runtime/core/Transcode.h"

namespace runtime {
namespace {

using Bytes = std::string_view;
using detail::CharacterKind;

inline unsigned char At(Bytes b, size_t i) { return static_cast<unsigned char>(b[i]); }

bool StartsWith(Bytes b, Bytes prefix) { return b.substr(0, prefix.size()) == prefix; }

bool AllAscii(Bytes b) {
    for (size_t i = 0; i < b.size(); ++i)
        if (At(b, i) >= 0x80) return false;
    return true;
}

// A byte that is a control character in every single- and double-byte reading.
bool HasControlByte(Bytes b) {
    for (size_t i = 0; i < b.size(); ++i) {
        const unsigned char c = At(b, i);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) return true;
    }
    return false;
}

// How unlikely a character is in a Japanese name or path, roughly in bits.
int Cost(CharacterKind kind) {
    switch (kind) {
    case CharacterKind::Ascii: return 4;
    case CharacterKind::Kana: return 5;
    case CharacterKind::HalfWidthKana: return 6;
    case CharacterKind::Punctuation: return 7;
    case CharacterKind::Space: return 8;
    case CharacterKind::Kanji1: return 9;
    case CharacterKind::Latin:
    case CharacterKind::JisSymbol: return 11;
    case CharacterKind::Kanji2:
    case CharacterKind::VendorExtension: return 13;
    case CharacterKind::Other: return 18;
    case CharacterKind::PrivateUse: return 22;
    case CharacterKind::Invalid:
    case CharacterKind::Control: break;
    }
    return 30;
}

// A name switches between ASCII and other characters a few times, not at every character.
constexpr int kScriptSwitchCost = 3;
// Without a byte-order mark UTF-16 is less expected than Mac Japanese or
// UTF-8, and EUC-JP less still.
constexpr int kUTF16Cost = 2;
constexpr int kEUCCost = 4;
// Bytes of another encoding seldom form a well-formed UTF-8 sequence: what
// one of two bytes, and one of three or four, takes off the UTF-8 reading.
constexpr int kUTF8PairCredit = 3;
constexpr int kUTF8LongCredit = 5;

struct Reading {
    int cost = 0;
    bool undecodable = false;  // a character the bytes do not stand for in this encoding
};

bool IsSoundMark(UChar32 c) { return c == 0xFF9E || c == 0xFF9F; }

// The reading of the characters; nothing when one of them is a control character.
std::optional<Reading> Weigh(const std::vector<UChar32>& characters) {
    Reading r;
    CharacterKind previous = CharacterKind::Ascii;
    for (size_t i = 0; i < characters.size(); ++i) {
        CharacterKind kind = detail::KindOf(characters[i]);
        if (kind == CharacterKind::Control) return std::nullopt;
        // A half-width sound mark belongs after a half-width kana.
        if (IsSoundMark(characters[i]) && (i == 0 || previous != CharacterKind::HalfWidthKana))
            kind = CharacterKind::Other;
        r.cost += Cost(kind);
        r.undecodable = r.undecodable || kind == CharacterKind::Invalid;
        const auto ascii = [](CharacterKind k) { return k == CharacterKind::Ascii || k == CharacterKind::Space; };
        if (i > 0 && ascii(kind) != ascii(previous)) r.cost += kScriptSwitchCost;
        previous = kind;
    }
    return r;
}

// The bytes read by an encoding's table. Its substitutes for bytes it has no
// character for (U+FFFD, or a control character for some) count as undecodable.
std::optional<Reading> ReadByTable(Bytes b, const TextEncodingRef& encoding, int extraCost) {
    if (HasControlByte(b)) return std::nullopt;
    const icu::UnicodeString text = detail::Decode(b, encoding.get());
    std::vector<UChar32> characters;
    for (int32_t i = 0; i < text.length(); i += U16_LENGTH(characters.back())) {
        const UChar32 c = text.char32At(i);
        characters.push_back(detail::KindOf(c) == CharacterKind::Control ? 0xFFFD : c);
    }
    std::optional<Reading> r = Weigh(characters);
    if (r) r->cost += extraCost;
    return r;
}

std::optional<Reading> ReadAsUTF8(Bytes b) {
    std::vector<UChar32> characters;
    int credit = 0;
    const auto n = static_cast<int32_t>(b.size());
    for (int32_t i = 0; i < n;) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(b.data(), i, n, c);
        if (c < 0) return std::nullopt;
        characters.push_back(c);
        if (i - start == 2) credit += kUTF8PairCredit;
        if (i - start > 2) credit += kUTF8LongCredit;
    }
    std::optional<Reading> r = Weigh(characters);
    if (r) r->cost -= credit;
    return r;
}

std::optional<Reading> ReadAsUTF16(Bytes b, bool bigEndian) {
    if (b.size() % 2 != 0) return std::nullopt;
    std::vector<UChar32> characters;
    for (size_t i = 0; i < b.size(); i += 2) {
        const auto unit = static_cast<UChar32>(bigEndian ? At(b, i) << 8 | At(b, i + 1) : At(b, i + 1) << 8 | At(b, i));
        if (U16_IS_TRAIL(unit) && !characters.empty() && U16_IS_LEAD(characters.back()))
            characters.back() = U16_GET_SUPPLEMENTARY(characters.back(), unit);
        else
            characters.push_back(unit);
    }
    std::optional<Reading> r = Weigh(characters);
    if (r) r->cost += kUTF16Cost;
    return r;
}

}  // namespace

TextEncodingRef GuessJapaneseEncoding(const String& s) {
    const Bytes b = s.Bytes();
    if (b.empty()) return nullptr;
    if (StartsWith(b, "\xEF\xBB\xBF")) return Encodings::UTF8();
    if (StartsWith(b, "\xFE\xFF") || StartsWith(b, "\xFF\xFE")) return Encodings::UTF16();
    if (AllAscii(b) && b.find('\0') == Bytes::npos) return nullptr;

    // The likeliest reading wins, the earlier on a tie. EUC-JP has no guess name.
    const std::pair<std::optional<Reading>, TextEncodingRef> readings[] = {
        {ReadAsUTF8(b), Encodings::UTF8()},
        {ReadByTable(b, Encodings::MacJapanese(), 0), Encodings::ShiftJIS()},
        {ReadAsUTF16(b, true), Encodings::UTF16()},
        {ReadAsUTF16(b, false), Encodings::UTF16()},
        {ReadByTable(b, Encodings::EUCJP(), kEUCCost), nullptr},
    };
    const std::pair<std::optional<Reading>, TextEncodingRef>* best = nullptr;
    for (const auto& reading : readings)
        if (reading.first && (!best || reading.first->cost < best->first->cost)) best = &reading;
    if (!best || best->first->undecodable) return nullptr;
    return best->second;
}

}  // namespace runtime
