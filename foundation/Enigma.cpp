#include "foundation/Enigma.h"

#include <array>

#include "runtime/core/TextFunctions.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace Enigma {
namespace {

const char* const kAlphabet = "Mq7Qf3Az9Xa0En5Kk1Tw8Bc4Zr6Hh2OyCbWoFjRxJeYtDlUvGdNsIgVpLmSuPi";
constexpr int kAlphabetLength = 62;

std::array<int32_t, 101> KeyTable() {
    return {
        94, 71, 25, 45, 54, 62, 50, 82, 75, 28, 7,  77, 67, 85, 100, 32, 6,  98, 89, 99, 57, 17, 97, 1,  5,  41,
        70, 76, 60, 90, 59, 44, 63, 2,  84, 86, 34, 46, 18, 8,  80,  78, 10, 52, 22, 58, 69, 96, 43, 40, 55, 92,
        19, 14, 51, 13, 30, 42, 9,  81, 73, 87, 16, 74, 36, 23, 93,  3,  38, 53, 12, 4,  91, 35, 20, 83, 37, 72,
        49, 29, 33, 95, 48, 64, 26, 68, 66, 56, 24, 31, 47, 27, 11,  21, 0,  39, 79, 15, 65, 88, 61,
    };
}

// Keys outside printable ASCII would walk off the table; fold them back into it.
int32_t IntoTable(int32_t acc) {
    acc %= 101;
    return acc < 0 ? acc + 101 : acc;
}

// Position (1-based) of a byte in the alphabet, 0 when it is none of its characters.
int AlphabetPosition(int byte) {
    for (int p = 1; p <= kAlphabetLength; ++p) {
        const bool found = static_cast<unsigned char>(kAlphabet[p - 1]) == byte;
        RuntimeBackgroundTask();
        if (found) return p;
    }
    return 0;
}

}  // namespace

int32_t Initialize(const String& key) {
    const std::array<int32_t, 101> table = KeyTable();
    if (key.IsEmpty()) return 1;

    int32_t acc = IntoTable(AscB(key) - 31);
    const int32_t count = Len(key);
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t c = AscB(MidB(key, i, 1)) - 31;
        acc = c + table[IntoTable(acc)];
        if (acc > 100) acc -= 101;
        acc = IntoTable(acc);
        RuntimeBackgroundTask();
    }
    return acc;
}

String Decode(const String& text, const String& key) {
    const int32_t k = Initialize(key);
    std::string out;
    int32_t n = 0;
    for (int32_t i = 1; i <= LenB(text); i += 2) {
        ++n;
        if (i + 1 > LenB(text)) break;
        const int p1 = AlphabetPosition(AscB(MidB(text, i, 1)));
        if (p1 == 0) break;
        const int p2 = AlphabetPosition(AscB(MidB(text, i + 1, 1)));
        if (p2 == 0) break;
        const int32_t v = (p1 - 1) * kAlphabetLength + (p2 - 1);
        out.push_back(static_cast<char>(BitwiseXor(v, BitwiseXor(k, n)) & 0xFF));
        RuntimeBackgroundTask();
    }
    return String::FromBytes(std::move(out));
}

}  // namespace Enigma
