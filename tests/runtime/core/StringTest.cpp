#include "runtime/core/String.h"

#include <algorithm>
#include <set>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include "runtime/core/Encodings.h"
#include "runtime/core/TextFunctions.h"

using namespace runtime;

namespace {

String Bytes(const std::string& b, TextEncodingRef e = nullptr) { return String::FromBytes(b, std::move(e)); }

std::string Utf8(const UChar* text, int32_t length) {
    char bytes[32];
    int32_t n = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(bytes, sizeof bytes, &n, text, length, &status);
    return std::string(bytes, size_t(n));
}

TEST(RuntimeString, EqualityIgnoresLetterCase) {
    EXPECT_EQ(String("Info.plist"), String("INFO.PLIST"));
    EXPECT_NE(String("abc"), String("abcd"));
    // Full-width letters fold like their ASCII cousins, but are not the same letters.
    EXPECT_EQ(String("ＡＢＣ"), String("ａｂｃ"));
    EXPECT_NE(String("ＡＢＣ"), String("ABC"));
    // Full case folding: sharp s folds to "ss"; Greek and Cyrillic fold too.
    EXPECT_EQ(String("STRASSE"), String("straße"));
    EXPECT_EQ(String("ΣΊΣΥΦΟΣ"), String("σίσυφοσ"));
    EXPECT_EQ(String("Привет"), String("ПРИВЕТ"));
    // Kana have no case: hiragana and katakana differ.
    EXPECT_NE(String("あいう"), String("アイウ"));
    // Characters whose folding is their own decomposition.
    EXPECT_EQ(String("\u01F0"), String("J\u030C"));
    EXPECT_EQ(String("\u0390"), String("\u1FD3"));
    EXPECT_EQ(String("\u1FBE"), String("\u03B9"));
    EXPECT_GT(InStr(String("Ma\u01F0"), String("AJ\u030C")), 0);
}

// Each character equals its full case folding, as ICU makes it, and has its key.
TEST(RuntimeString, EveryCharacterEqualsItsFolding) {
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (U_IS_SURROGATE(c)) continue;
        UChar text[2], folded[8];
        int32_t length = 0;
        U16_APPEND_UNSAFE(text, length, c);
        UErrorCode status = U_ZERO_ERROR;
        const int32_t foldedLength = u_strFoldCase(folded, 8, text, length, U_FOLD_CASE_DEFAULT, &status);
        ASSERT_TRUE(U_SUCCESS(status));
        const String character = Bytes(Utf8(text, length));
        const String folding = Bytes(Utf8(folded, foldedLength));
        ASSERT_EQ(character, folding) << std::hex << c;
        ASSERT_EQ(CaselessKey(character), CaselessKey(folding)) << std::hex << c;
    }
}

TEST(RuntimeString, TextsThatShareLeadBytes) {
    // "é" and "É" share their first byte; so do "日本" and "日付".
    EXPECT_EQ(String("café"), String("CAFÉ"));
    EXPECT_EQ(String("Ωmega"), String("ωMEGA"));
    EXPECT_NE(String("日本"), String("日付"));
    EXPECT_LT(StrComp(String("日付"), String("日本")), 0);  // U+4ED8 before U+672C
    // A lone lead byte against a whole character: compared as stray byte and letter, both ways.
    String stray = String::FromBytes(
               "\xC3"
               "A"),
           letter("é");
    EXPECT_NE(stray, letter);
    EXPECT_EQ(StrComp(stray, letter), -StrComp(letter, stray));
    EXPECT_GT(StrComp(stray, letter), 0);
}

TEST(RuntimeString, InvalidUTF8BytesStayDistinct) {
    EXPECT_NE(Bytes("a\xFF"), Bytes("a\xFE"));
    EXPECT_EQ(Bytes("A\xFF"), Bytes("a\xFF"));
    EXPECT_LT(StrComp(Bytes("\xFE"), Bytes("\xFF")), 0);
}

TEST(RuntimeString, DifferentTagsCompareAsText) {
    // "日本" in Shift_JIS, and in UTF-16 big-endian.
    String sjis = Bytes("\x93\xFA\x96\x7B", Encodings::ShiftJIS());
    String utf16 = Bytes(std::string("\x65\xE5\x67\x2C", 4), Encodings::UTF16());
    EXPECT_EQ(sjis, String("日本"));
    EXPECT_EQ(utf16, sjis);
    EXPECT_EQ(Bytes("ABC", Encodings::ShiftJIS()), Bytes("abc"));
    EXPECT_NE(sjis, String("日"));
}

TEST(RuntimeString, CaselessKeyAgreesWithEquality) {
    // Every text of up to three pieces that fold, fold to several letters or
    // to their own decomposition, share lead bytes or are no UTF-8; and texts
    // under other tags.
    const char* const pieces[] = {"A", "a",      "S", "ss", "ß", "é", "É",    "\xC3", "\xA9",   "ﬁ",     "K",
                                  "k", "\u212A", "İ", "i",  "σ", "ς", "\xFF", "J",    "\u030C", "\u01F0"};
    std::vector<String> texts = {String(), Bytes("\x93\xFA\x96\x7B", Encodings::ShiftJIS()), String("日本"),
                                 Bytes(std::string("\x65\xE5\x67\x2C", 4), Encodings::UTF16()),
                                 Bytes("ABC", Encodings::ShiftJIS())};
    for (const char* a : pieces) {
        texts.push_back(Bytes(a));
        for (const char* b : pieces) {
            texts.push_back(Bytes(std::string(a) + b));
            for (const char* c : pieces) texts.push_back(Bytes(std::string(a) + b + c));
        }
    }
    // Sorted, equal texts stand together: each run of them has one key, and no two runs share one.
    std::stable_sort(texts.begin(), texts.end(), [](const String& a, const String& b) { return StrComp(a, b) < 0; });
    std::set<std::string> keys = {CaselessKey(texts[0])};
    size_t runs = 1;
    for (size_t i = 1; i < texts.size(); ++i) {
        const bool equal = texts[i - 1] == texts[i];
        runs += !equal;
        keys.insert(CaselessKey(texts[i]));
        ASSERT_EQ(equal, CaselessKey(texts[i - 1]) == CaselessKey(texts[i]))
            << texts[i - 1].Bytes() << " | " << texts[i].Bytes();
    }
    EXPECT_EQ(keys.size(), runs);
}

TEST(RuntimeString, StrCompOrdersIgnoringCase) {
    EXPECT_EQ(StrComp(String("apple"), String("APPLE")), 0);
    EXPECT_LT(StrComp(String("apple"), String("Banana")), 0);
    EXPECT_GT(StrComp(String("Zeta"), String("alpha")), 0);
    EXPECT_LT(StrComp(String("ab"), String("ABC")), 0);
    EXPECT_LT(StrComp(String("Éclair"), String("éclairs")), 0);
    EXPECT_EQ(StrComp(String("ÉCLAIR"), String("éclair")), 0);
    EXPECT_LT(StrComp(String("z"), String("あ")), 0);
}

TEST(RuntimeString, ConcatenationAndTags) {
    String sjis = Bytes("\x93\xFA", Encodings::ShiftJIS());
    String joined = sjis + Bytes("\x96\x7B", Encodings::ShiftJIS());
    EXPECT_EQ(joined.Bytes(), "\x93\xFA\x96\x7B");
    EXPECT_TRUE(SameEncoding(joined.Encoding(), Encodings::ShiftJIS()));

    String mixed = sjis + String("本");
    EXPECT_EQ(mixed.Bytes(), "日本");
    EXPECT_TRUE(SameEncoding(mixed.Encoding(), Encodings::UTF8()));

    EXPECT_TRUE(SameEncoding((String() + sjis).Encoding(), Encodings::ShiftJIS()));

    String untagged = Bytes("ab");
    untagged += String();
    EXPECT_EQ(untagged.Encoding(), nullptr);
}

TEST(RuntimeString, ToUTF8ConvertsFromTheTag) {
    EXPECT_EQ(Bytes("\x93\xFA\x96\x7B", Encodings::ShiftJIS()).ToUTF8(), "日本");
    EXPECT_EQ(Bytes("raw\xFF").ToUTF8(), "raw\xFF");
    EXPECT_EQ(String(static_cast<const char*>(nullptr)).Bytes(), "");
    EXPECT_TRUE(Bytes("x", Encodings::UTF8()).EqualsBytes(Bytes("x", Encodings::ShiftJIS())));
    EXPECT_FALSE(String("x").EqualsBytes(String("X")));
}

}  // namespace
