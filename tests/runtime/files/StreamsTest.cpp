// TextInputStream and BinaryStream.

#include <sys/stat.h>

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/core/Encodings.h"
#include "runtime/files/FolderItem.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using testsupport::TempFolder;

std::vector<std::string> AllLines(const std::string& bytes) {
    TempFolder tmp;
    const TextInputStreamRef in = FolderItem::FromNativePath(tmp.Write("t", bytes))->OpenAsTextFile();
    std::vector<std::string> lines;
    if (!in) return lines;
    while (!in->EOF()) lines.push_back(in->ReadLine().Bytes());
    in->Close();
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextInputStream, SplitsAtCRAndLFAndCRLFAndTheLastLineNeedsNoEnd) {
    const std::pair<std::string, Lines> cases[] = {{"a\nb\n", {"a", "b"}},
                                                   {"a\rb\r", {"a", "b"}},
                                                   {"a\r\nb\r\n", {"a", "b"}},
                                                   {"\n\nx", {"", "", "x"}},
                                                   {"a\n\rb\r\r\nc", {"a", "", "b", "", "c"}},
                                                   {"APPLwTq1", {"APPLwTq1"}},
                                                   {"one\ntwo", {"one", "two"}},
                                                   {"", {}}};
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(AllLines(bytes), lines) << bytes;
}

TEST(TextInputStream, ACRLFSplitBetweenReadsIsOneEnd) {
    for (size_t before : {65535u, 65536u, 65534u, 131071u}) {
        const std::string longLine(before, 'x');
        EXPECT_EQ(AllLines(longLine + "\r\nnext\r\n"), (Lines{longLine, "next"})) << before;
        EXPECT_EQ(AllLines(longLine + "\r\rnext"), (Lines{longLine, "", "next"})) << before;
    }
}

TEST(TextInputStream, ReadingAtTheEndGivesEmptyText) {
    TempFolder tmp;
    const TextInputStreamRef in = FolderItem::FromNativePath(tmp.Write("t", "only"))->OpenAsTextFile();
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLine().Bytes(), "only");
    EXPECT_TRUE(in->EOF());
    EXPECT_EQ(in->ReadLine().Bytes(), "");
    EXPECT_EQ(in->ReadAll().Bytes(), "");
    in->Close();
    EXPECT_EQ(in->ReadLine().Bytes(), "");
}

TEST(TextInputStream, ReadTakesAtMostCountBytesLineEndsAndAll) {
    TempFolder tmp;
    const std::string rest(70000, 'x');  // longer than the read-ahead buffer
    const TextInputStreamRef in = FolderItem::FromNativePath(tmp.Write("t", "ab\r\n" + rest))->OpenAsTextFile();
    ASSERT_TRUE(in);
    EXPECT_EQ(in->Read(0).Bytes(), "");
    EXPECT_EQ(in->Read(-1).Bytes(), "");
    EXPECT_EQ(in->Read(3).Bytes(), "ab\r");
    EXPECT_EQ(in->ReadLine().Bytes(), "") << "reading goes on after the bytes read";
    EXPECT_EQ(in->Read(70001).Bytes(), rest) << "fewer at the end";
    EXPECT_TRUE(in->EOF());
}

TEST(TextInputStream, TextCarriesTheStreamsEncoding) {
    TempFolder tmp;
    const FolderItemRef file = FolderItem::FromNativePath(tmp.Write("t", "一行目\r\n残り\n全部"));
    const TextInputStreamRef in = file->OpenAsTextFile();
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLine().Encoding(), nullptr);
    in->SetEncoding(Encodings::UTF8());
    const String tagged = in->ReadLine();
    EXPECT_TRUE(SameEncoding(tagged.Encoding(), Encodings::UTF8()));
    EXPECT_EQ(tagged.Bytes(), "残り");
    EXPECT_TRUE(SameEncoding(in->ReadAll().Encoding(), Encodings::UTF8()));
    EXPECT_EQ(file->OpenAsTextFile()->ReadAll().Bytes(), "一行目\r\n残り\n全部");
}

TEST(TextInputStream, FoldersAndMissingFilesDoNotOpen) {
    TempFolder tmp;
    EXPECT_EQ(tmp.Item()->OpenAsTextFile(), nullptr);
    EXPECT_EQ(tmp.Item("absent")->OpenAsTextFile(), nullptr);
    EXPECT_EQ(tmp.Item()->OpenAsBinaryFile(), nullptr);
    EXPECT_EQ(tmp.Item("absent")->OpenAsBinaryFile(true), nullptr);
    // A pipe with no writer would block an ordinary open.
    ASSERT_EQ(mkfifo((tmp / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(tmp.Item("pipe")->OpenAsTextFile(), nullptr);
    EXPECT_EQ(tmp.Item("pipe")->OpenAsBinaryFile(), nullptr);
}

BinaryStreamRef OpenBytes(const TempFolder& tmp, const std::string& bytes) {
    return FolderItem::FromNativePath(tmp.Write("b", bytes))->OpenAsBinaryFile(false);
}

TEST(BinaryStream, ReadsBigEndianByDefault) {
    TempFolder tmp;
    const BinaryStreamRef in =
        OpenBytes(tmp, std::string("\x00\x00\x00\x14\xFF\xFF\xFF\xFE\x80\x01\xFE\x05Hello\x00\x03", 19));
    ASSERT_TRUE(in);
    EXPECT_EQ(in->Length(), 19);
    EXPECT_EQ(in->ReadLong(), 20);
    EXPECT_EQ(in->ReadLong(), -2);
    EXPECT_EQ(in->ReadShort(), -32767);
    EXPECT_EQ(in->ReadByte(), 254);
    EXPECT_EQ(in->ReadPString().Bytes(), "Hello");
    EXPECT_EQ(in->Position(), 17);
    in->SetLittleEndian(true);
    EXPECT_EQ(in->ReadShort(), 0x0300);
    EXPECT_TRUE(in->EOF());

    in->SetPosition(4);
    in->SetLittleEndian(false);
    EXPECT_EQ(in->ReadUInt32(), 0xFFFFFFFEu);
}

TEST(BinaryStream, ReadingPastTheEndGivesZeroOrEmpty) {
    TempFolder tmp;
    const BinaryStreamRef in = OpenBytes(tmp, std::string("\x00\x01", 2));
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLong(), 0);  // only two bytes left
    EXPECT_TRUE(in->EOF());
    EXPECT_EQ(in->ReadByte(), 0);
    EXPECT_EQ(in->ReadPString().Bytes(), "");
    in->SetPosition(100);
    EXPECT_EQ(in->ReadUInt32(), 0u);
    EXPECT_EQ(in->Read(0x7FFFFFFF).Bytes(), "");
    in->SetPosition(1);
    EXPECT_EQ(in->Read(0x7FFFFFFF).Bytes(), std::string("\x01", 1));  // no more than is there
    in->Close();
    EXPECT_EQ(in->ReadLong(), 0);
    EXPECT_TRUE(in->EOF());
}

TEST(BinaryStream, APStringIsBoundedByWhatIsLeft) {
    TempFolder tmp;
    const BinaryStreamRef in = OpenBytes(tmp,
                                         "\xC8"
                                         "abc");  // claims 200 bytes
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadPString().Bytes(), "abc");
    EXPECT_TRUE(in->EOF());
}

TEST(BinaryStream, ReadsAcrossTheReadAheadBuffer) {
    TempFolder tmp;
    std::string bytes(65534, 'x');
    bytes += std::string("\x12\x34\x56\x78", 4);
    bytes += std::string(
        "\x05"
        "tail!",
        6);
    const BinaryStreamRef in = OpenBytes(tmp, bytes);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->Read(65534).Bytes().size(), 65534u);
    EXPECT_EQ(in->ReadLong(), 0x12345678);
    EXPECT_EQ(in->ReadPString().Bytes(), "tail!");
}

TEST(BinaryStream, WritesAtThePosition) {
    TempFolder tmp;
    const FolderItemRef file = FolderItem::FromNativePath(tmp.Write("w", "........"));
    {
        const BinaryStreamRef out = file->OpenAsBinaryFile(true);
        ASSERT_TRUE(out);
        out->WriteLong(0x01020304);
        out->SetLittleEndian(true);
        out->WriteShort(0x0506);
        out->WriteByte(0x41);
        out->Write("ZZ");
        EXPECT_EQ(out->Position(), 9);
        out->SetPosition(0);
        out->SetLittleEndian(false);
        EXPECT_EQ(out->ReadLong(), 0x01020304);
    }
    EXPECT_EQ(testsupport::ReadFile(tmp / "w"), std::string("\x01\x02\x03\x04\x06\x05"
                                                            "AZZ",
                                                            9));

    const BinaryStreamRef readOnly = file->OpenAsBinaryFile(false);
    readOnly->WriteLong(0);
    EXPECT_EQ(testsupport::ReadFile(tmp / "w").substr(0, 4), std::string("\x01\x02\x03\x04", 4));
}

}  // namespace
}  // namespace runtime
