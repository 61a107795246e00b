#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "runtime/core/TextFunctions.h"

namespace runtime {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

double RadixNumber(std::string_view t, size_t pos, int radix) {
    uint64_t v = 0;
    while (pos < t.size() && DigitValue(t[pos]) < radix) {
        v = v * static_cast<uint64_t>(radix) + static_cast<uint64_t>(DigitValue(t[pos]));
        ++pos;
    }
    return static_cast<double>(v);
}

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

}  // namespace

String Str(int64_t value) { return String(std::to_string(value)); }

String Str(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return Str(static_cast<int64_t>(value));
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return String(std::string_view(buf, ec == std::errc() ? static_cast<size_t>(end - buf) : 0));
}

double Val(const String& s) {
    const std::string t = s.ToUTF8();
    size_t pos = 0;
    while (pos < t.size() && (t[pos] == ' ' || t[pos] == '\t')) ++pos;
    if (pos + 1 < t.size() && t[pos] == '&') {
        switch (t[pos + 1]) {
        case 'h':
        case 'H': return RadixNumber(t, pos + 2, 16);
        case 'o':
        case 'O': return RadixNumber(t, pos + 2, 8);
        case 'b':
        case 'B': return RadixNumber(t, pos + 2, 2);
        default: return 0;
        }
    }
    std::string number;
    if (pos < t.size() && (t[pos] == '+' || t[pos] == '-')) {
        if (t[pos] == '-') number.push_back('-');
        ++pos;
    }
    bool digits = false;
    while (pos < t.size() && IsDigit(t[pos])) number.push_back(t[pos++]), digits = true;
    if (pos < t.size() && t[pos] == '.') {
        number.push_back(t[pos++]);
        while (pos < t.size() && IsDigit(t[pos])) number.push_back(t[pos++]), digits = true;
    }
    if (!digits) return 0;
    if (pos < t.size() && (t[pos] == 'e' || t[pos] == 'E')) {
        size_t e = pos + 1;
        std::string exponent = "e";
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) exponent.push_back(t[e++]);
        if (e < t.size() && IsDigit(t[e])) {
            while (e < t.size() && IsDigit(t[e])) exponent.push_back(t[e++]);
            number += exponent;
        }
    }
    double v = 0;
    std::from_chars(number.data(), number.data() + number.size(), v);
    return v;
}

String Format(double value, const String& mask) {
    if (!std::isfinite(value)) return Str(value);
    const std::string m = mask.ToUTF8();
    const size_t point = m.find('.');
    const std::string intMask = m.substr(0, point);
    const std::string fracMask = point == std::string::npos ? std::string() : m.substr(point + 1);
    const bool grouping = intMask.find(',') != std::string::npos;

    // Digits every mask shows: from the first "0" on, left of the point; up to the last "0", right of it.
    int intRequired = 0, fracPlaces = 0, fracRequired = 0;
    bool zeroSeen = false;
    for (char c : intMask) {
        if (c == '0') zeroSeen = true;
        if (IsPlaceholder(c) && zeroSeen) ++intRequired;
    }
    for (char c : fracMask) {
        if (!IsPlaceholder(c)) continue;
        ++fracPlaces;
        if (c == '0') fracRequired = fracPlaces;
    }

    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", fracPlaces, std::fabs(value));
    std::string digits = buf;
    std::string intDigits = digits.substr(0, digits.find('.'));
    std::string fracDigits = fracPlaces > 0 ? digits.substr(digits.find('.') + 1) : std::string();
    const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;

    if (intDigits == "0") intDigits.clear();
    if (static_cast<int>(intDigits.size()) < intRequired)
        intDigits.insert(0, static_cast<size_t>(intRequired) - intDigits.size(), '0');
    while (static_cast<int>(fracDigits.size()) > fracRequired && fracDigits.back() == '0') fracDigits.pop_back();

    // Integer part, right to left; the leftmost placeholder takes every digit left over.
    size_t leftmost = intMask.find_first_of("0#");
    std::string reversed;
    size_t remaining = intDigits.size();
    int emitted = 0;
    auto emitDigit = [&]() {
        if (grouping && emitted > 0 && emitted % 3 == 0) reversed.push_back(',');
        reversed.push_back(intDigits[--remaining]);
        ++emitted;
    };
    for (size_t i = intMask.size(); i-- > 0;) {
        char c = intMask[i];
        if (c == ',') continue;
        if (!IsPlaceholder(c)) {
            reversed.push_back(c);
            continue;
        }
        if (i == leftmost) {
            while (remaining > 0) emitDigit();
        } else if (remaining > 0) {
            emitDigit();
        }
    }
    std::string out(reversed.rbegin(), reversed.rend());
    if (negative) out.insert(0, 1, '-');

    if (point != std::string::npos) {
        out.push_back('.');
        size_t k = 0;
        for (char c : fracMask) {
            if (!IsPlaceholder(c)) {
                out.push_back(c);
                continue;
            }
            if (k < fracDigits.size()) out.push_back(fracDigits[k]);
            ++k;
        }
    }
    return String(out);
}

int32_t CInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace runtime
