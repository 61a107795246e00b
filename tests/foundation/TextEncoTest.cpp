#include "foundation/TextEnco.h"

#include <gtest/gtest.h>

#include "runtime/core/Encodings.h"
#include "runtime/core/TextConverter.h"

using namespace runtime;

namespace {

// "書類フォルダ" in Mac Japanese (Shift_JIS) bytes.
const std::string kShiftJIS = "\x8F\x91\x97\xDE\x83\x74\x83\x48\x83\x8B\x83\x5F";
const std::string kUTF8 = "書類フォルダ";
// The same text in big-endian UTF-16.
const std::string kUTF16("\x66\xF8\x98\x5E\x30\xD5\x30\xA9\x30\xEB\x30\xC0", 12);
// "書類" in EUC-JP and ISO-2022-JP.
const std::string kEUC = "\xBD\xF1\xCE\xE0";
const std::string kJIS = "\x1B$B=qN`\x1B(B";

String Bytes(const std::string& b) { return String::FromBytes(b); }

}  // namespace

TEST(TextEncoConvert, LabelsNameTheirEncodings) {
    EXPECT_EQ(TextEnco::gEncText(Bytes(kShiftJIS), "Shift-JIS", "UTF-8").Bytes(), kUTF8);
    EXPECT_EQ(TextEnco::gEncText(kUTF8, "UTF-8", "Shift-JIS").Bytes(), kShiftJIS);
    EXPECT_EQ(TextEnco::gEncText(Bytes(kUTF16), "UTF-16", "UTF-8").Bytes(), kUTF8);
    EXPECT_EQ(TextEnco::gEncText(Bytes(kEUC), "EUC", "UTF-8").Bytes(), "書類");
    EXPECT_EQ(TextEnco::gEncText("書類", "UTF-8", "EUC").Bytes(), kEUC);
    EXPECT_EQ(TextEnco::gEncText(Bytes(kJIS), "jis", "utf-8").Bytes(), "書類");
    EXPECT_EQ(TextEnco::gEncText("書類", "UTF-8", "JIS").Bytes(), kJIS);
    // The result is tagged with its encoding.
    const String converted = TextEnco::gEncText(Bytes(kShiftJIS), "Shift-JIS", "UTF-8");
    ASSERT_NE(converted.Encoding(), nullptr);
    EXPECT_TRUE(converted.Encoding()->IsUTF8());
}

TEST(TextEncoConvert, SameEncodingOrUnknownLabelsLeaveTheTextAlone) {
    const String tagged = DefineEncoding(Bytes(kShiftJIS), Encodings::MacJapanese());
    const String same = TextEnco::gEncTextEtc(tagged, "UTF-8", "utf-8");
    EXPECT_EQ(same.Bytes(), kShiftJIS);
    EXPECT_EQ(same.Encoding(), tagged.Encoding());
    // Any other label, "Auto" included outside gEncText's source, is the system default.
    EXPECT_EQ(TextEnco::gEncTextEtc(tagged, "デフォルト", "whatever").Bytes(), kShiftJIS);
    EXPECT_EQ(TextEnco::gEncTextEtc(tagged, "Auto", "デフォルト").Bytes(), kShiftJIS);
    EXPECT_EQ(TextEnco::gEncText(tagged, "Shift-JIS", "Auto").Bytes(), kUTF8);  // system default is UTF-8
}

TEST(TextEncoGuess, AutoConvertsFromTheGuess) {
    EXPECT_EQ(TextEnco::gEncText(Bytes(kShiftJIS), "Auto", "UTF-8").Bytes(), kUTF8);
    EXPECT_EQ(TextEnco::gEncText(kUTF8, "Auto", "UTF-8").Bytes(), kUTF8);
    // Unguessable (plain ASCII) text comes from the system default.
    EXPECT_EQ(TextEnco::gEncText("plain", "Auto", "UTF-8").Bytes(), "plain");
}

TEST(TextEncoGuess, LabelsOfGuesses) {
    EXPECT_EQ(TextEnco::gEncTextGetEnc(Bytes(kShiftJIS)).Bytes(), "Shift-JIS");
    EXPECT_EQ(TextEnco::gEncTextGetEnc(kUTF8).Bytes(), "UTF-8");
    EXPECT_EQ(TextEnco::gEncTextGetEnc(Bytes("\xFE\xFF" + kUTF16)).Bytes(), "UTF-16");
    EXPECT_EQ(TextEnco::gEncTextGetEnc("ascii only").Bytes(), "デフォルト");
    // Never "JIS" or "EUC".
    for (const std::string& text : {kJIS, kEUC + kEUC + kEUC}) {
        const String label = TextEnco::gEncTextGetEnc(Bytes(text));
        EXPECT_NE(label.Bytes(), "JIS");
        EXPECT_NE(label.Bytes(), "EUC");
    }
}

TEST(TextEncoUTF8alt, GuessWinsHintOnlyWhenTheGuessFails) {
    EXPECT_EQ(TextEnco::gEncUTF8alt(Bytes(kShiftJIS), "Shift_JIS").Bytes(), kUTF8);
    EXPECT_EQ(TextEnco::gEncUTF8alt(kUTF8, "Shift_JIS").Bytes(), kUTF8);
    EXPECT_EQ(TextEnco::gEncUTF8alt(Bytes("\xFE\xFF" + kUTF16), "Shift_JIS").Bytes(), kUTF8);
    // Unguessable (ASCII) text: the hint decides. Mac Japanese reads 0x5C as
    // the yen sign, which shows the hint's conversion ran.
    EXPECT_EQ(TextEnco::gEncUTF8alt("C:\\dir", "Shift_JIS").Bytes(), "C:¥dir");
    EXPECT_EQ(TextEnco::gEncUTF8alt("C:\\dir", "Shift-JIS").Bytes(), "C:\\dir");
    EXPECT_EQ(TextEnco::gEncUTF8alt("C:\\dir", "UTF-8").Bytes(), "C:\\dir");
}

TEST(TextEncoTag, DefUTF8OnlyTags) {
    const String empty = TextEnco::gEncDefUTF8("");
    EXPECT_EQ(empty.Bytes(), "");
    ASSERT_NE(empty.Encoding(), nullptr);
    EXPECT_TRUE(empty.Encoding()->IsUTF8());
    EXPECT_EQ(TextEnco::gEncDefUTF8(Bytes(kShiftJIS)).Bytes(), kShiftJIS);
}
