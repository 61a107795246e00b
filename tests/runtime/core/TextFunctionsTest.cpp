#include "runtime/core/TextFunctions.h"

#include <cmath>
#include <utility>

#include <gtest/gtest.h>

#include "runtime/core/Encodings.h"

using namespace runtime;

namespace {

String Bytes(const std::string& b, TextEncodingRef e = nullptr) { return String::FromBytes(b, std::move(e)); }

TEST(RuntimeTextFunctions, CharacterFunctionsCountJapaneseCharacters) {
    String s("日本語のFile名");
    EXPECT_EQ(Len(s), 9);
    EXPECT_EQ(Mid(s, 4).Bytes(), "のFile名");
    EXPECT_EQ(Mid(s, 9, 5).Bytes(), "名");
    EXPECT_EQ(Mid(s, 10).Bytes(), "");
    EXPECT_EQ(Mid(s, 0, 1).Bytes(), "日");
    EXPECT_EQ(Left(s, 3).Bytes(), "日本語");
    EXPECT_EQ(Right(s, 2).Bytes(), "e名");
    EXPECT_EQ(Right(s, 100).Bytes(), s.Bytes());
    EXPECT_EQ(Left(s, 0).Bytes(), "");
}

TEST(RuntimeTextFunctions, CharacterFunctionsOnShiftJISKeepTheTag) {
    String sjis = Bytes("\x93\xFA\x96\x7B\x8C\xEA", Encodings::ShiftJIS());  // 日本語
    EXPECT_EQ(Len(sjis), 3);
    String mid = Mid(sjis, 2, 1);
    EXPECT_EQ(mid.Bytes(), "\x96\x7B");
    EXPECT_TRUE(SameEncoding(mid.Encoding(), Encodings::ShiftJIS()));
    EXPECT_EQ(Len(Bytes("a\xFF"
                        "b")),
              3);  // a stray byte is one character
}

TEST(RuntimeTextFunctions, InStrIgnoresCaseAndCountsCharacters) {
    String path("Macintosh HD:Users:太郎:Library:Preferences:");
    EXPECT_EQ(InStr(path, String("library")), 23);
    EXPECT_EQ(InStr(path, String("太郎")), 20);
    EXPECT_EQ(InStr(path, String("missing")), 0);
    EXPECT_EQ(InStr(path, String()), 0);
    EXPECT_EQ(InStr(3, String("aXbxc"), String("X")), 4);
    EXPECT_EQ(InStr(10, String("aXbxc"), String("X")), 0);
    EXPECT_EQ(InStr(String("ＡＢＣＤ"), String("ｃ")), 3);
    EXPECT_EQ(InStr(3, String("日本日本"), String("日本")), 3);
    // A match must cover whole characters: "ß" folds to "ss" but holds no "s".
    EXPECT_EQ(InStr(String("straße"), String("s")), 1);
    EXPECT_EQ(InStr(String("aße"), String("s")), 0);
    EXPECT_EQ(InStr(String("aße"), String("SS")), 2);
    // Different tags are searched as text.
    EXPECT_EQ(InStr(Bytes("\x82\xA0\x93\xFA", Encodings::ShiftJIS()), String("日")), 2);
}

TEST(RuntimeTextFunctions, ByteFunctionsAreExact) {
    String plist("<string>KELDO Software</string>");
    EXPECT_EQ(InStrB(plist, String("KELDO Software")), 9);
    EXPECT_EQ(InStrB(plist, String("keldo software")), 0);
    EXPECT_EQ(InStrB(10, plist, String("KELDO")), 0);
    String raw =
        Bytes(std::string("\x00\x02\x00\x05"
                          "A:b:c",
                          9));
    EXPECT_EQ(LenB(raw), 9);
    EXPECT_EQ(InStrB(raw, Bytes(std::string("\x02\x00", 2))), 2);
    EXPECT_EQ(MidB(raw, 8, 10).Bytes(), ":c");
    EXPECT_EQ(MidB(raw, 20).Bytes(), "");
    EXPECT_EQ(LeftB(raw, 2).Bytes(), std::string("\x00\x02", 2));
    EXPECT_EQ(RightB(raw, 3).Bytes(), "b:c");
    String sjis = Bytes("\x93\xFA\x96\x7B", Encodings::ShiftJIS());
    EXPECT_TRUE(SameEncoding(MidB(sjis, 3, 2).Encoding(), Encodings::ShiftJIS()));
    EXPECT_EQ(AscB(Bytes("\xFF")), 255);
    EXPECT_EQ(AscB(String()), 0);
    EXPECT_EQ(ChrB(0x141).Bytes(), "A");
    EXPECT_EQ(ChrB(0xE9).Bytes(), "\xE9");
    EXPECT_EQ(ChrB(65).Encoding(), nullptr);
}

TEST(RuntimeTextFunctions, AscChrAndCase) {
    EXPECT_EQ(Asc(String("日本")), 0x65E5);
    EXPECT_EQ(Asc(String()), 0);
    EXPECT_EQ(Chr(0x3042).Bytes(), "あ");
    EXPECT_EQ(Chr(0xD800).Bytes(), "");
    EXPECT_EQ(Uppercase(String("straße app")).Bytes(), "STRASSE APP");
    EXPECT_EQ(Lowercase(String("ÀPP.APP")).Bytes(), "àpp.app");
    EXPECT_EQ(ReplaceAll(String("a/B/b"), String("b"), String("::")).Bytes(), "a/::/::");
    EXPECT_EQ(ReplaceAll(String("abc"), String(), String("x")).Bytes(), "abc");
    EXPECT_EQ(ReplaceAll(String("aaa"), String("a"), String("aa")).Bytes(), "aaaaaa");
    EXPECT_EQ(Trim(String(" \t name \u3000")).Bytes(), "name");
    EXPECT_EQ(Trim(String("   ")).Bytes(), "");
}

TEST(RuntimeTextFunctions, StrAndVal) {
    EXPECT_EQ(Str(1).Bytes(), "1");
    EXPECT_EQ(Str(3.0).Bytes(), "3");
    EXPECT_EQ(Str(2.5).Bytes(), "2.5");
    EXPECT_DOUBLE_EQ(Val(String("12abc")), 12);
    EXPECT_DOUBLE_EQ(Val(String("abc")), 0);
    EXPECT_DOUBLE_EQ(Val(String("-2.5")), -2.5);
    EXPECT_DOUBLE_EQ(Val(String("&hFF")), 255);
    EXPECT_DOUBLE_EQ(Val(String("&b101")), 5);
    EXPECT_DOUBLE_EQ(Val(String("1.5e2x")), 150);
    EXPECT_DOUBLE_EQ(Val(String("7e")), 7);
    EXPECT_DOUBLE_EQ(Val(String(".5")), 0.5);
    EXPECT_DOUBLE_EQ(Val(String("-")), 0);
    // To Int32: cut towards zero, held at the ends of the range, NaN as 0.
    EXPECT_EQ(CInt32(Val(String("2.9"))), 2);
    EXPECT_EQ(CInt32(-2.9), -2);
    EXPECT_EQ(CInt32(Val(String("1e12"))), 2147483647);
    EXPECT_EQ(CInt32(-1e12), -2147483647 - 1);
    EXPECT_EQ(CInt32(std::nan("")), 0);
}

TEST(RuntimeTextFunctions, FormatDigitPlaceholders) {
    EXPECT_EQ(Format(5, String("00")).Bytes(), "05");
    EXPECT_EQ(Format(0, String("00")).Bytes(), "00");
    EXPECT_EQ(Format(123, String("00")).Bytes(), "123");
    EXPECT_EQ(Format(-5, String("00")).Bytes(), "-05");
    EXPECT_EQ(Format(0, String("#")).Bytes(), "");
    EXPECT_EQ(Format(2.5, String("0.00")).Bytes(), "2.50");
    EXPECT_EQ(Format(2.456, String("#.##")).Bytes(), "2.46");
    EXPECT_EQ(Format(2.4, String("0.0#")).Bytes(), "2.4");
    EXPECT_EQ(Format(1234567, String("#,##0")).Bytes(), "1,234,567");
    EXPECT_EQ(Format(9.99, String("0")).Bytes(), "10");
    EXPECT_EQ(Format(7, String("(00)")).Bytes(), "(07)");
}

TEST(RuntimeTextFunctions, FieldsEdgeCases) {
    EXPECT_EQ(CountFields(String("a.b.c"), String(".")), 3);
    EXPECT_EQ(NthField(String("a.b.c"), String("."), 4).Bytes(), "");
    EXPECT_EQ(NthField(String("a.b.c"), String("."), 0).Bytes(), "");
    EXPECT_EQ(CountFields(String(".profile"), String(".")), 2);
    EXPECT_EQ(NthField(String(".profile"), String("."), 1).Bytes(), "");
    EXPECT_EQ(NthField(String(".profile"), String("."), 2).Bytes(), "profile");
    EXPECT_EQ(CountFields(String("name."), String(".")), 2);
    EXPECT_EQ(NthField(String("name."), String("."), 2).Bytes(), "");
    EXPECT_EQ(CountFields(String("readme"), String(".")), 1);
    EXPECT_EQ(CountFields(String(), String(".")), 0);
    EXPECT_EQ(NthField(String(), String("."), 1).Bytes(), "");
    EXPECT_EQ(CountFields(String("a::b"), String("::")), 2);
    // A separator in another encoding is matched in the text's own bytes.
    String sjis = Bytes("\x93\xFA.\x96\x7B", Encodings::ShiftJIS());
    EXPECT_EQ(NthField(sjis, String("."), 2).Bytes(), "\x96\x7B");

    // Fields gives NthField 1 to CountFields, under the text's tag.
    const std::pair<String, String> splits[] = {{"a.b.c", "."},  {".profile", "."},  {"name.", "."}, {"readme", "."},
                                                {String(), "."}, {"a::b:::c", "::"}, {"abc", ""},    {sjis, "."}};
    for (const auto& [text, separator] : splits) {
        const std::vector<String> fields = Fields(text, separator);
        ASSERT_EQ(static_cast<int32_t>(fields.size()), CountFields(text, separator)) << text.Bytes();
        for (size_t i = 0; i < fields.size(); ++i) {
            EXPECT_TRUE(fields[i].EqualsBytes(NthField(text, separator, static_cast<int32_t>(i) + 1))) << text.Bytes();
            EXPECT_EQ(fields[i].Encoding(), text.Encoding());
        }
    }
}

}  // namespace
