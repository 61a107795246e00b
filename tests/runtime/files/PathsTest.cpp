// Paths: the Mac form, file URLs, shell quoting, GetFolderItem.

#include <gtest/gtest.h>

#include "runtime/files/FolderItem.h"
#include "runtime/files/PathForms.h"
#include "runtime/files/Shell.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using testsupport::TempFolder;

// The Mac form of a POSIX path, built by hand.
std::string MacForm(const std::string& posix, bool folder) {
    std::string mac = "Macintosh HD";
    for (char c : posix) mac.push_back(c == '/' ? ':' : c);
    if (folder) mac.push_back(':');
    return mac;
}

TEST(MacPath, FolderAndFileMapToTheColonFormAndBack) {
    TempFolder tmp;
    tmp.Write("Docs/read me.txt", "x");
    const FolderItemRef folder = tmp.Item("Docs");
    const FolderItemRef file = folder->Child("read me.txt");
    ASSERT_TRUE(file && file->Exists());

    EXPECT_EQ(folder->AbsolutePath().ToUTF8(), MacForm(tmp / "Docs", true));
    EXPECT_EQ(file->AbsolutePath().ToUTF8(), MacForm(tmp / "Docs/read me.txt", false));

    const FolderItemRef again = GetFolderItem(folder->AbsolutePath());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->NativePath(), tmp / "Docs");
    EXPECT_TRUE(again->Directory());
    EXPECT_EQ(GetFolderItem(file->AbsolutePath())->NativePath(), tmp / "Docs/read me.txt");
    // Names match without regard to case.
    EXPECT_EQ(GetFolderItem(String(MacForm(tmp.Path(), true) + "DOCS:Read Me.TXT"))->NativePath(),
              tmp / "Docs/read me.txt");
}

TEST(MacPath, RootVolume) {
    const FolderItemRef root = GetFolderItem("Macintosh HD:");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->NativePath(), "/");
    EXPECT_EQ(root->AbsolutePath().ToUTF8(), "Macintosh HD:");
    EXPECT_EQ(root->Name().ToUTF8(), "Macintosh HD");
    EXPECT_EQ(root->Parent(), nullptr);
    EXPECT_EQ(GetFolderItem("macintosh hd")->NativePath(), "/");  // the volume name in any case
    EXPECT_EQ(GetFolderItem("Other Disk:tmp:"), nullptr);
}

TEST(MacPath, SlashInAMacNameIsAColonInTheLinuxName) {
    TempFolder tmp;
    tmp.Write("a:b/c", "x");  // Linux: folder "a:b", file "c"
    const FolderItemRef folder = tmp.Item("a:b");
    EXPECT_EQ(folder->Name().ToUTF8(), "a:b");
    const std::string mac = folder->AbsolutePath().ToUTF8();
    EXPECT_EQ(mac, MacForm(tmp.Path(), false) + ":a/b:");

    const FolderItemRef back = GetFolderItem(String(mac + "c"));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->Exists());
    EXPECT_EQ(back->NativePath(), tmp / "a:b/c");
    // Child takes the Mac form of a name as well.
    EXPECT_EQ(tmp.Item()->Child("a/b")->NativePath(), tmp / "a:b");
}

TEST(MacPath, NilOnlyWhenTheParentIsMissing) {
    TempFolder tmp;
    const std::string base = MacForm(tmp.Path(), true);
    const FolderItemRef missingLeaf = GetFolderItem(String(base + "nothing"));
    ASSERT_TRUE(missingLeaf);
    EXPECT_FALSE(missingLeaf->Exists());
    EXPECT_EQ(GetFolderItem(String(base + "no folder:nothing")), nullptr);
    tmp.Write("file", "x");
    EXPECT_EQ(GetFolderItem(String(base + "file:inside")), nullptr);  // a file holds nothing
    EXPECT_EQ(GetFolderItem(String(base + ":x")), nullptr);           // "::"
    EXPECT_EQ(GetFolderItem(String(base + "..")), nullptr);
    EXPECT_EQ(GetFolderItem("relative:path"), nullptr);
    EXPECT_EQ(GetFolderItem(String(base + std::string(70'000, 'n'))), nullptr);  // longer than any path
}

TEST(FileURL, RoundTripsBlanksJapaneseAndPercent) {
    TempFolder tmp;
    tmp.Write("書類 フォルダ/100% sure #1.txt", "x");
    const FolderItemRef folder = tmp.Item("書類 フォルダ");
    const FolderItemRef file = folder->Child("100% sure #1.txt");

    const std::string url = file->URLPath().ToUTF8();
    EXPECT_EQ(url.rfind("file:///", 0), 0u);
    EXPECT_NE(url.find("100%25%20sure%20%231.txt"), std::string::npos);
    EXPECT_NE(url.find("%E6%9B%B8%E9%A1%9E"), std::string::npos);  // 書類 in UTF-8

    const std::string folderURL = folder->URLPath().ToUTF8();
    EXPECT_EQ(folderURL.back(), '/');

    const FolderItemRef back = GetFolderItem(String(url), 2);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->NativePath(), file->NativePath());
    EXPECT_TRUE(back->Exists());
    EXPECT_EQ(GetFolderItem(String(folderURL), 2)->NativePath(), folder->NativePath());
}

TEST(FileURL, HostsAndBadEscapes) {
    EXPECT_EQ(GetFolderItem("file://localhost/tmp/", 2)->NativePath(), "/tmp");
    EXPECT_EQ(GetFolderItem("FILE:///tmp", 2)->NativePath(), "/tmp");
    EXPECT_EQ(GetFolderItem("file://server/tmp/", 2), nullptr);
    EXPECT_EQ(GetFolderItem("file:///tmp/%zz", 2), nullptr);
    EXPECT_EQ(GetFolderItem("file:///tmp/%4", 2), nullptr);
    EXPECT_EQ(GetFolderItem("file:///tmp/a%00b", 2), nullptr);
    EXPECT_EQ(GetFolderItem("http://example.com/", 2), nullptr);
}

TEST(ShellPath, SurvivesQuotesDollarsAndBlanks) {
    TempFolder tmp;
    const std::string name = "it's $HOME `x` \"q\" \\ 1";
    tmp.Write(name, "x");
    const FolderItemRef file = tmp.Item(name);
    Shell shell;
    shell.Execute("printf '%s' " + file->ShellPath());
    EXPECT_EQ(shell.ErrorCode(), 0);
    EXPECT_EQ(shell.Result().Bytes(), tmp / name);
    shell.Execute("test -f " + file->ShellPath());
    EXPECT_EQ(shell.ErrorCode(), 0);
}

TEST(PosixPath, ParsesAbsolutePathsOnly) {
    EXPECT_EQ(GetFolderItem("/tmp/./x/../", 1)->NativePath(), "/tmp");
    EXPECT_EQ(GetFolderItem("tmp", 1), nullptr);
    EXPECT_EQ(FolderItem::FromNativePath("relative"), nullptr);
    EXPECT_EQ(FolderItem::FromNativePath("//tmp//a/")->NativePath(), "/tmp/a");
}

}  // namespace
}  // namespace runtime
