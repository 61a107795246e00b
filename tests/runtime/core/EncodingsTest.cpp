#include "runtime/core/Encodings.h"

#include <functional>
#include <random>
#include <utility>

#include <gtest/gtest.h>

#include "runtime/core/EncodingGuess.h"
#include "runtime/core/TextConverter.h"

using namespace runtime;

namespace {

String Bytes(const std::string& b, TextEncodingRef e = nullptr) { return String::FromBytes(b, std::move(e)); }

std::string Convert(const std::string& bytes, const TextEncodingRef& from, const TextEncodingRef& to) {
    auto converter = GetTextConverter(from, to);
    EXPECT_NE(converter, nullptr);
    return converter ? converter->convert(Bytes(bytes)).Bytes() : std::string();
}

const std::string kSentence = "日本語の文章です。カタカナ、ひらがな、ＡＢＣと abc 123。";

TEST(RuntimeEncodings, GetTextEncodingByMacNumbers) {
    const std::pair<TextEncodingRef, TextEncodingRef> same[] = {
        {GetTextEncoding(0x820, 0, 0), Encodings::ISO2022JP()}, {GetTextEncoding(0x920, 0, 0), Encodings::EUCJP()},
        {GetTextEncoding(0x103, 0, 2), Encodings::UTF8()},      {GetTextEncoding(0x100, 0, 0), Encodings::UTF16()},
        {GetTextEncoding(0x1), Encodings::MacJapanese()},       {GetTextEncoding(0xA01), Encodings::ShiftJIS()},
        {Encodings::SystemDefault(), Encodings::UTF8()}};
    for (const auto& [got, expected] : same)
        EXPECT_TRUE(SameEncoding(got, expected)) << expected->internetName().Bytes();
    EXPECT_FALSE(SameEncoding(Encodings::ShiftJIS(), Encodings::MacJapanese()));
    EXPECT_EQ(GetTextEncoding(0x920, 0, 0)->Base(), 0x920);
    EXPECT_EQ(GetTextEncoding(0x103, 0, 2)->Code(), 0x08000103u);
    EXPECT_EQ(GetTextEncoding(0x7777), nullptr);
    EXPECT_EQ(GetTextEncoding(0x820, 1, 0), nullptr);
    EXPECT_EQ(GetTextEncoding(0x100, 0, 9), nullptr);
}

// The names the program compares its labels and guesses with.
TEST(RuntimeEncodings, InternetNames) {
    const std::pair<TextEncodingRef, const char*> names[] = {{Encodings::UTF8(), "UTF-8"},
                                                             {Encodings::UTF16(), "UTF-16"},
                                                             {Encodings::ShiftJIS(), "Shift_JIS"},
                                                             {Encodings::EUCJP(), "EUC-JP"},
                                                             {Encodings::ISO2022JP(), "ISO-2022-JP"},
                                                             {Encodings::MacJapanese(), "X-MAC-JAPANESE"}};
    for (const auto& [encoding, name] : names) EXPECT_EQ(encoding->internetName().Bytes(), name);
}

TEST(RuntimeEncodings, EUCAndISO2022JPRoundTrip) {
    std::string euc = Convert(kSentence, Encodings::UTF8(), Encodings::EUCJP());
    EXPECT_EQ(euc.substr(0, 6), "\xC6\xFC\xCB\xDC\xB8\xEC");
    EXPECT_EQ(Convert(euc, Encodings::EUCJP(), Encodings::UTF8()), kSentence);

    std::string jis = Convert(kSentence, Encodings::UTF8(), GetTextEncoding(0x820, 0, 0));
    EXPECT_EQ(jis.substr(0, 9), "\x1B$BF|K\\8l");
    EXPECT_EQ(jis.substr(jis.size() - 5), "!#\x1B(B");  // the ideographic full stop, back to ASCII
    EXPECT_EQ(Convert(jis, GetTextEncoding(0x820, 0, 0), Encodings::UTF8()), kSentence);

    // Between the two directly.
    EXPECT_EQ(Convert(euc, Encodings::EUCJP(), Encodings::ISO2022JP()), jis);
    auto result = GetTextConverter(Encodings::EUCJP(), Encodings::UTF16())->convert(Bytes(euc));
    EXPECT_TRUE(SameEncoding(result.Encoding(), Encodings::UTF16()));
    EXPECT_EQ(result, String(kSentence));
}

TEST(RuntimeEncodings, MacJapaneseAppleSingleBytes) {
    // ¥ \ NBSP © ™ … , then あ, 表 and ソ whose trail byte is 0x5C.
    const std::string mac =
        "\x5C\x80\xA0\xFD\xFE\xFF\x82\xA0\x95\x5C\x83\x5C"
        "a~";
    const std::string utf8 = "¥\\\u00A0©™…あ表ソa~";
    EXPECT_EQ(Convert(mac, Encodings::MacJapanese(), Encodings::UTF8()), utf8);
    // Back: the ellipsis is written as the double-byte form.
    EXPECT_EQ(Convert(utf8, Encodings::UTF8(), Encodings::MacJapanese()),
              "\x5C\x80\xA0\xFD\xFE\x81\x63\x82\xA0\x95\x5C\x83\x5C"
              "a~");
    // Apple's JIS forms of a few double bytes, where the CP932-style table has full-width forms.
    const std::string jisForms = "\x81\x60\x81\x5C\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA";
    EXPECT_EQ(Convert(jisForms, Encodings::MacJapanese(), Encodings::UTF8()), "〜—‖−¢£¬");
    EXPECT_EQ(Convert("〜—‖−¢£¬", Encodings::UTF8(), Encodings::MacJapanese()), jisForms);
    EXPECT_EQ(Convert("～", Encodings::UTF8(), Encodings::MacJapanese()), "\x81\x60");
    EXPECT_EQ(Convert("\x81\x60", Encodings::ShiftJIS(), Encodings::UTF8()), "～");
    // Half-width katakana and a file name round trip.
    const std::string name = "ﾃｽﾄ Folder¥2 日本語〜①.app";
    EXPECT_EQ(Convert(Convert(name, Encodings::UTF8(), Encodings::MacJapanese()), Encodings::MacJapanese(),
                      Encodings::UTF8()),
              name);
    // Plain Shift_JIS keeps 0x5C a backslash-or-yen of its own table, not Apple's.
    EXPECT_NE(Convert("\x80", Encodings::ShiftJIS(), Encodings::UTF8()), "\\");
    EXPECT_EQ(Convert(kSentence, Encodings::UTF8(), Encodings::MacJapanese()),
              Convert(kSentence, Encodings::UTF8(), Encodings::ShiftJIS()));
}

TEST(RuntimeEncodings, UTF16ByteOrder) {
    const std::string be("\x65\xE5\x67\x2C\x00\x41", 6);  // 日本A
    const std::string le("\xFF\xFE\xE5\x65\x2C\x67\x41\x00", 8);
    EXPECT_EQ(Bytes(be, Encodings::UTF16()).ToUTF8(), "日本A");
    EXPECT_EQ(Bytes("\xFE\xFF" + be, Encodings::UTF16()).ToUTF8(), "日本A");
    EXPECT_EQ(Bytes(le, Encodings::UTF16()).ToUTF8(), "日本A");
    EXPECT_EQ(Bytes(le.substr(2), Encodings::UTF16LE()).ToUTF8(), "日本A");
    EXPECT_EQ(ConvertEncoding(String("日本A"), Encodings::UTF16()).Bytes(), be);
    EXPECT_EQ(ConvertEncoding(String("日本A"), Encodings::UTF16LE()).Bytes(), le.substr(2));
}

TEST(RuntimeEncodings, ConvertersAndTags) {
    EXPECT_EQ(GetTextConverter(nullptr, Encodings::UTF8()), nullptr);
    EXPECT_EQ(GetTextConverter(Encodings::UTF8(), nullptr), nullptr);
    // A converter for one encoding to itself gives the text back.
    auto same = GetTextConverter(Encodings::MacJapanese(), Encodings::MacJapanese());
    ASSERT_NE(same, nullptr);
    String mac = Bytes("\x93\xFA\x80", Encodings::MacJapanese());
    EXPECT_EQ(same->convert(mac).Bytes(), mac.Bytes());
    EXPECT_EQ(same->convert(mac), String("日\\"));  // and keeps the tag
    EXPECT_EQ(GetTextConverter(Encodings::UTF8(), GetTextEncoding(0x103, 0, 2))->convert(String("ä")).Bytes(), "ä");

    // The converter reads the bytes in its source, whatever the tag says.
    String tagged = Bytes("\x93\xFA", Encodings::UTF8());
    EXPECT_EQ(GetTextConverter(Encodings::ShiftJIS(), Encodings::UTF8())->convert(tagged).Bytes(), "日");

    String defined = DefineEncoding(Bytes("\x93\xFA"), Encodings::ShiftJIS());
    EXPECT_EQ(defined.Bytes(), "\x93\xFA");
    EXPECT_TRUE(SameEncoding(defined.Encoding(), Encodings::ShiftJIS()));
    EXPECT_EQ(DefineEncoding(String(""), Encodings::UTF8()).Encoding(), Encodings::UTF8());
    String converted = ConvertEncoding(Bytes("日"), Encodings::ShiftJIS());
    EXPECT_EQ(converted.Bytes(), "\x93\xFA");
    EXPECT_EQ(ConvertEncoding(converted, Encodings::EUCJP()).Bytes(), "\xC6\xFC");
    EXPECT_EQ(ConvertEncoding(converted, nullptr).Bytes(), converted.Bytes());
}

TEST(RuntimeEncodings, InvalidInputIsSubstitutedAndBounded) {
    // Invalid bytes read as U+FFFD; characters a target lacks are written as "?".
    EXPECT_EQ(Convert("a\xFF"
                      "b",
                      Encodings::UTF8(), Encodings::ShiftJIS()),
              "a?b");
    EXPECT_EQ(Convert("a\x82", Encodings::ShiftJIS(), Encodings::UTF8()), "a\uFFFD");
    EXPECT_EQ(Convert("😀", Encodings::UTF8(), Encodings::EUCJP()), "?");
    EXPECT_EQ(Convert("x😀", Encodings::UTF8(), Encodings::MacJapanese()), "x?");
    EXPECT_EQ(Convert(std::string("\xD8\x00", 2), Encodings::UTF16BE(), Encodings::UTF8()), "\uFFFD");

    const TextEncodingRef all[] = {Encodings::UTF8(),      Encodings::UTF16(),       Encodings::UTF16LE(),
                                   Encodings::ShiftJIS(),  Encodings::MacJapanese(), Encodings::EUCJP(),
                                   Encodings::ISO2022JP(), Encodings::ASCII()};
    std::mt19937 random(7);
    std::string noise(3001, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    for (const auto& from : all)
        for (const auto& to : all) {
            std::string out = Convert(noise, from, to);
            EXPECT_LE(out.size(), noise.size() * 8 + 8)
                << from->internetName().Bytes() << " to " << to->internetName().Bytes();
            if (!SameEncoding(from, to)) {
                EXPECT_FALSE(out.empty());
            }
        }
}

TEST(RuntimeEncodingGuess, JapaneseTextInEachEncoding) {
    const std::string name = "日本語のファイル名とデータ";
    auto guessName = [](const String& s) {
        TextEncodingRef e = GuessJapaneseEncoding(s);
        return e ? e->internetName().Bytes() : std::string("nil");
    };
    EXPECT_EQ(guessName(ConvertEncoding(String(name), Encodings::ShiftJIS())), "Shift_JIS");
    EXPECT_EQ(guessName(ConvertEncoding(String(name), Encodings::MacJapanese())), "Shift_JIS");
    EXPECT_EQ(guessName(Bytes(name)), "UTF-8");
    EXPECT_EQ(guessName(Bytes("\xEF\xBB\xBF"
                              "abc")),
              "UTF-8");
    const std::string utf16 = ConvertEncoding(String(name), Encodings::UTF16()).Bytes();
    EXPECT_EQ(guessName(Bytes(utf16)), "UTF-16");
    EXPECT_EQ(guessName(Bytes("\xFE\xFF" + utf16)), "UTF-16");
    EXPECT_EQ(guessName(ConvertEncoding(String("Read Me 1"), Encodings::UTF16())), "UTF-16");
    EXPECT_EQ(guessName(ConvertEncoding(String("Mixed テキスト"), Encodings::UTF16LE())), "UTF-16");
    // Short names, as the file system gives them.
    EXPECT_EQ(guessName(ConvertEncoding(String("書類"), Encodings::MacJapanese())), "Shift_JIS");
    EXPECT_EQ(guessName(ConvertEncoding(String("ﾃｽﾄ"), Encodings::MacJapanese())), "Shift_JIS");
    EXPECT_EQ(guessName(Bytes("a\\b\x80")), "Shift_JIS");
    // The tag plays no part.
    EXPECT_EQ(guessName(Bytes(name, Encodings::ShiftJIS())), "UTF-8");
}

// Paths as records and file systems hold them, each written in every encoding
// the guess names: guessed as written, and read back through the guess.
TEST(RuntimeEncodingGuess, RealisticPathsInEveryEncoding) {
    const char* const paths[] = {
        "Macintosh HD:Users:taro:Documents:テスト0:",
        "Macintosh HD:Users:taro:Documents:テスト0:1",
        "Macintosh HD:Users:taro:Documents:テスト01:",
        "Macintosh HD:書類:",
        "Macintosh HD:Applications:KELDO:ユーザ辞書:",
        "Macintosh HD:Users:hanako:Library:Application Support:日本語入力:",
        "Macintosh HD:写真:2010年:旅行 3:",
        "Macintosh HD:Users:taro:Desktop:新規フォルダ 2:",
        "Macintosh HD:Users:ken:Documents:KELDO Data:辞書0:",
        "HD:ひらがな:カタカナ:漢字:",
        "Work:①-⑩:表ソ能:",
        "/Users/taro/Documents/見積書_v3.pdf",
        "第2回 会議資料.txt",
        "ﾃｽﾄ ﾌｫﾙﾀﾞ:",
        "書類フォルダ",
        "ユーザ辞書",
        "日本語",
        "ア",
        "1月",
        "Documents:ｱ",
    };
    const std::string bom = "\xFE\xFF", mark = "\xFF\xFE";
    struct Writer {
        const char* name;
        std::function<std::string(const String&)> write;
        const char* guessed;
        TextEncodingRef reader;  // nil: the guess names it but reading it back takes a byte-order mark
    };
    const Writer writers[] = {
        {"Mac Japanese", [](const String& t) { return ConvertEncoding(t, Encodings::MacJapanese()).Bytes(); },
         "Shift_JIS", Encodings::MacJapanese()},
        {"Shift_JIS", [](const String& t) { return ConvertEncoding(t, Encodings::ShiftJIS()).Bytes(); }, "Shift_JIS",
         Encodings::ShiftJIS()},
        {"UTF-8", [](const String& t) { return t.Bytes(); }, "UTF-8", Encodings::UTF8()},
        {"UTF-16", [](const String& t) { return ConvertEncoding(t, Encodings::UTF16()).Bytes(); }, "UTF-16",
         Encodings::UTF16()},
        {"UTF-16 with mark", [&](const String& t) { return bom + ConvertEncoding(t, Encodings::UTF16()).Bytes(); },
         "UTF-16", Encodings::UTF16()},
        {"UTF-16LE with mark", [&](const String& t) { return mark + ConvertEncoding(t, Encodings::UTF16LE()).Bytes(); },
         "UTF-16", Encodings::UTF16()},
        {"UTF-16LE", [](const String& t) { return ConvertEncoding(t, Encodings::UTF16LE()).Bytes(); }, "UTF-16",
         nullptr},
    };
    for (const char* path : paths)
        for (const Writer& writer : writers) {
            const std::string bytes = writer.write(String(path));
            SCOPED_TRACE(std::string(path) + " in " + writer.name);
            const TextEncodingRef guess = GuessJapaneseEncoding(Bytes(bytes));
            EXPECT_EQ(guess ? guess->internetName().Bytes() : "nil", writer.guessed);
            if (writer.reader) {
                EXPECT_EQ(Bytes(bytes, writer.reader).ToUTF8(), path);
            }
        }
}

// Never JIS or EUC; kana alone in UTF-16 are ASCII bytes ("0B0D").
TEST(RuntimeEncodingGuess, CannotTell) {
    for (const String& text :
         {String(), String("plain ascii.txt"), ConvertEncoding(String("あいう"), Encodings::UTF16()),
          ConvertEncoding(String(kSentence), Encodings::ISO2022JP()),
          ConvertEncoding(String(kSentence), Encodings::EUCJP())})
        EXPECT_EQ(GuessJapaneseEncoding(text), nullptr) << text.Bytes();
}

}  // namespace
