#pragma once
// Test writer of the products' record files, byte for byte: the plain layout
// ("pref") and the scrambled one ("pref2"), whose fields are scrambled path
// text made by an encoder written from the decoder's rule.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "foundation/Enigma.h"
#include "runtime/core/String.h"

namespace documents_testing {

inline constexpr const char* kAlphabet = "Mq7Qf3Az9Xa0En5Kk1Tw8Bc4Zr6Hh2OyCbWoFjRxJeYtDlUvGdNsIgVpLmSuPi";

// Byte b as pair number n (from 1) under key number k is the two alphabet
// characters of w = b ^ n ^ k: w / 62 and w % 62. Past the pairs' largest
// value (texts of thousands of bytes) w keeps its low byte, all the decoder
// takes from a pair above 255.
inline std::string Scramble(const std::string& bytes, const char* key = Enigma::kDecoderKey) {
    const int k = Enigma::Initialize(runtime::String(key));
    std::string out;
    int n = 0;
    for (const char c : bytes) {
        int w = static_cast<unsigned char>(c) ^ ++n ^ k;
        if (w >= 62 * 62) w &= 0xFF;
        out.push_back(kAlphabet[w / 62]);
        out.push_back(kAlphabet[w % 62]);
    }
    return out;
}

inline std::string Int32BigEndian(int64_t value) {
    const auto v = static_cast<uint32_t>(value);
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

// A length byte and the bytes; the length byte says at most 255.
inline std::string Counted(const std::string& bytes) {
    return std::string(1, static_cast<char>(bytes.size() & 0xFF)) + bytes;
}

// What a record file holds. Records 17, 18 and 19 are written as location
// records, the others as counted strings. The overrides make damaged files.
struct RecordFileContents {
    std::string header = "KELDO";
    std::vector<std::string> leadingValues;  // decimal text
    std::vector<std::string> records;
    std::optional<std::string> leadingCount;  // written instead of the real count (as decimal text or Int32)
    std::optional<std::string> recordCount;
    std::map<int, int64_t> lengthOverride;  // a location record's length field, by record number
};

inline bool IsLocationRecord(size_t i) { return i >= 17 && i <= 19; }

// The plain layout ("pref"): counted strings, counts and lengths as Int32.
// The scrambled layout ("pref2"): every field scrambled, counts as scrambled
// decimal text; a location record's length counts scrambled characters.
inline std::string RecordFile(const RecordFileContents& c, bool scrambled) {
    const auto field = [&](const std::string& text) { return scrambled ? Scramble(text) : text; };
    const auto count = [&](const std::optional<std::string>& written, size_t real) {
        if (scrambled) return Counted(Scramble(written ? *written : std::to_string(real)));
        return Int32BigEndian(written ? std::atoll(written->c_str()) : static_cast<int64_t>(real));
    };
    std::string out = Counted(field(c.header)) + count(c.leadingCount, c.leadingValues.size());
    for (const auto& v : c.leadingValues) out += Counted(field(v));
    out += count(c.recordCount, c.records.size());
    for (size_t i = 0; i < c.records.size(); ++i) {
        const std::string text = field(c.records[i]);
        const auto o = c.lengthOverride.find(static_cast<int>(i));
        if (!IsLocationRecord(i))
            out += Counted(text);
        else
            out += Int32BigEndian(o != c.lengthOverride.end() ? o->second : static_cast<int64_t>(text.size())) + text;
    }
    return out;
}

// Twenty records (0 to 19), every one empty but those given.
inline std::vector<std::string> Records(const std::map<int, std::string>& filled, size_t count = 20) {
    std::vector<std::string> records(count);
    for (const auto& [i, text] : filled)
        if (static_cast<size_t>(i) < count) records[static_cast<size_t>(i)] = text;
    return records;
}

}  // namespace documents_testing
