#include "foundation/Enigma.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

const std::string kAlphabet = "Mq7Qf3Az9Xa0En5Kk1Tw8Bc4Zr6Hh2OyCbWoFjRxJeYtDlUvGdNsIgVpLmSuPi";

// The writer's side of the format: byte b as pair n under key number k is the
// alphabet characters at (w div 62) and (w mod 62), w = b xor n xor k.
std::string Scramble(const std::string& bytes, int keyNumber) {
    std::string out;
    int n = 0;
    for (unsigned char b : bytes) {
        const int w = b ^ ++n ^ keyNumber;
        out += kAlphabet[w / 62];
        out += kAlphabet[w % 62];
    }
    return out;
}

// One printable key for every key number the keys can reach.
std::map<int, std::string> KeysByNumber() {
    std::map<int, std::string> keys;
    for (char a = ' '; a <= '~'; ++a)
        for (char b = ' '; b <= '~'; ++b)
            keys.emplace(Enigma::Initialize(String(std::string{a, b})), std::string{a, b});
    for (char a = ' '; a <= '~'; ++a) keys.emplace(Enigma::Initialize(String(std::string{a})), std::string{a});
    return keys;
}

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
}

}  // namespace

TEST(EnigmaInitialize, KeysGiveNumbersInsideTheTable) {
    EXPECT_EQ(Enigma::Initialize(""), 1);
    for (const auto& [number, key] : KeysByNumber()) {
        EXPECT_GE(number, 0) << key;
        EXPECT_LE(number, 100) << key;
    }
    // The decoder key, and keys outside printable ASCII, stay inside the table as well.
    for (const String& key : {String(Enigma::kDecoderKey), String::FromBytes("\xFF\x01\xE3\x81\x82")}) {
        EXPECT_GE(Enigma::Initialize(key), 0);
        EXPECT_LE(Enigma::Initialize(key), 100);
    }
}

// Pinned: the walk over the key table (both turns, the first character taken
// again) decides the decoder key's number, and with it every byte a product wrote.
TEST(EnigmaInitialize, DecoderKeyNumberIsPinned) {
    EXPECT_EQ(Enigma::Initialize(Enigma::kDecoderKey), 29);
    EXPECT_EQ(Enigma::Initialize("KELDO"), 96);
    EXPECT_EQ(Enigma::Decode("qw777qqNqLqdqpqJ7MMpqCq4MYQu7n7mQt7N78Ms", Enigma::kDecoderKey).Bytes(),
              "Macintosh HD:書類:");
}

TEST(EnigmaDecode, RoundTripsEveryByteForEveryKeyNumber) {
    const std::map<int, std::string> keys = KeysByNumber();
    ASSERT_EQ(keys.size(), 101u) << "some key number has no printable key of one or two characters";
    const std::string bytes = AllBytes() + "Macintosh HD:書類:" + AllBytes();
    for (const auto& [number, key] : keys) {
        const String decoded = Enigma::Decode(String(Scramble(bytes, number)), String(key));
        ASSERT_EQ(decoded.Bytes(), bytes) << "key number " << number;
    }
}

TEST(EnigmaDecode, OutputIsUntaggedBytesOnePerPair) {
    EXPECT_EQ(Enigma::Decode("", Enigma::kDecoderKey).Bytes(), "");
    const int k = Enigma::Initialize(Enigma::kDecoderKey);
    const String decoded = Enigma::Decode(String(Scramble("\xE6\x9B\xB8\x80\xFF", k)), Enigma::kDecoderKey);
    EXPECT_EQ(decoded.Bytes(), "\xE6\x9B\xB8\x80\xFF");
    EXPECT_EQ(decoded.Encoding(), nullptr);
}

TEST(EnigmaDecode, SamePairDecodesByPairNumberAndKey) {
    const String text = "MqMqMq";
    const String a = Enigma::Decode(text, "ab");
    ASSERT_EQ(a.Bytes().size(), 3u);
    EXPECT_NE(a.Bytes()[0], a.Bytes()[1]);
    EXPECT_NE(a.Bytes()[1], a.Bytes()[2]);
    const std::map<int, std::string> keys = KeysByNumber();
    EXPECT_NE(Enigma::Decode(text, String(keys.at(3))).Bytes(), Enigma::Decode(text, String(keys.at(40))).Bytes());
}

TEST(EnigmaDecode, MalformedTextEndsWithWhatWasDecoded) {
    const int k = Enigma::Initialize(Enigma::kDecoderKey);
    const std::string good = Scramble("abc", k);
    // A character outside the alphabet ends the decode at its pair.
    EXPECT_EQ(Enigma::Decode(String(good.substr(0, 4) + "!q" + good.substr(4)), Enigma::kDecoderKey).Bytes(), "ab");
    EXPECT_EQ(Enigma::Decode(String(good.substr(0, 2) + "q-"), Enigma::kDecoderKey).Bytes(), "a");
    // An odd length: the last, incomplete pair is dropped.
    EXPECT_EQ(Enigma::Decode(String(good + "M"), Enigma::kDecoderKey).Bytes(), "abc");
    // A pair worth more than 255 gives its low byte.
    // "Pi" is 60 * 62 + 61; under the empty key (1) the first pair's mix is 1 xor 1.
    const String high = Enigma::Decode("Pi", "");
    ASSERT_EQ(high.Bytes().size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(high.Bytes()[0]), (60 * 62 + 61) & 0xFF);
}
