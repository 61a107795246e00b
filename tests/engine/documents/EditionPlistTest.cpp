// The edition lookup: a copy of the edition plist, converted to XML by
// plutil in the work folder, names the documents folder by a URL.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <plist/plist.h>

#include "app/Window1.h"
#include "tests/engine/documents/DocumentsTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempFolder.h"

namespace engine_testing {
namespace {

using testsupport::ReadFile;

constexpr const char* kPlistName = "com.KELDOSoftwareJP.PelmoVantix.plist";

std::string BinaryPlist(const std::string& url) {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "lastWindow", plist_new_string("書類"));
    plist_dict_set_item(root, "prefFolderPath", plist_new_string(url.c_str()));
    plist_dict_set_item(root, "version", plist_new_uint(2));
    char* data = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &data, &length);
    std::string bytes(data, length);
    plist_to_bin_free(data);
    plist_free(root);
    return bytes;
}

std::string XmlPlist(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n" + body +
           "</dict>\n</plist>\n";
}

class EditionPlistTest : public DocumentsTest {
protected:
    void SetUp() override {
        DocumentsTest::SetUp();
        const std::string helpers = std::filesystem::path(KELDO_PLUTIL_PATH).parent_path().string();
        path_.Set(helpers + ":" + path_.Old().value_or(""));
    }

    // Puts a plutil of the test's own first on PATH: a shell script body.
    void UseFakePlutil(const std::string& script) {
        const std::string path = home.Write("fakebin/plutil", "#!/bin/sh\n" + script + "\n");
        chmod(path.c_str(), 0755);
        path_.Set(home.Path("fakebin") + ":" + path_.Old().value_or(""));
    }

    std::string WriteEdition(const std::string& bytes) {
        return home.Write("Library/Preferences/" + std::string(kPlistName), bytes);
    }
    std::string WorkFolder() const { return home.Path("tmp/KELDO Uninstaller"); }
    std::string WorkCopy() const { return WorkFolder() + "/" + kPlistName; }
    std::string UrlOf(const std::string& posixPath) const {
        return runtime::FolderItem::FromNativePath(posixPath)->URLPath().ToUTF8();
    }
    std::optional<std::string> Run(const std::string& list = "4:") {
        return RunLookup(&DocumentsProbe::GetItemDocDPlmVx, list);
    }

    testsupport::EnvGuard path_{"PATH", std::getenv("PATH")};
};

TEST_F(EditionPlistTest, BinaryPlistRegistersTheFolderItsUrlNamesAndKeepsAnXmlCopy) {
    const std::string docs = home.MakeFolder("Documents/ペルモ 書類");
    const std::string binary = BinaryPlist(UrlOf(docs));
    const std::string source = WriteEdition(binary);
    win->pStopThread2 = true;  // ignored by this lookup

    EXPECT_EQ(Run("4:"), "4:0:");
    EXPECT_EQ(Found(), std::vector<std::string>{"DD " + docs});
    EXPECT_EQ(ReadFile(source), binary);  // the user's own file is never converted
    const std::string copy = ReadFile(WorkCopy());
    EXPECT_EQ(copy.rfind("<?xml", 0), 0u);
    EXPECT_NE(copy.find(UrlOf(docs)), std::string::npos);

    struct stat st;
    ASSERT_EQ(lstat(WorkFolder().c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(asked.empty());
}

TEST_F(EditionPlistTest, ValueIsReadFromTheLineAfterTheFirstLineHoldingTheKey) {
    const std::string first = home.MakeFolder("Documents/first");
    const std::string second = home.MakeFolder("Documents/second");
    UseFakePlutil("exit 0");  // leaves the copy as it is

    WriteEdition("<!-- prefFolderPath -->\n  x <string>" + UrlOf(first) +
                 "</string> y\n<key>prefFolderPath</key>\n<string>" + UrlOf(second) + "</string>\n");
    EXPECT_EQ(Run(""), "0:");
    EXPECT_EQ(Found(), std::vector<std::string>{"DD " + first});

    struct Case {
        const char* name;
        std::string text;
    };
    const std::vector<Case> nothing = {
        {"key on the last line", "<dict>\n<string>" + UrlOf(first) + "</string>\n<key>prefFolderPath</key>"},
        {"key missing", XmlPlist("<key>otherPath</key>\n<string>" + UrlOf(first) + "</string>\n")},
        {"empty value", XmlPlist("<key>prefFolderPath</key>\n<string></string>\n")},
        {"value on the key's own line",
         XmlPlist("<key>prefFolderPath</key><string>" + UrlOf(first) + "</string>\n<true/>\n")},
        {"URL naming nothing",
         XmlPlist("<key>prefFolderPath</key>\n<string>" + UrlOf(home.Path("Documents/gone")) + "</string>\n")},
    };
    for (const Case& c : nothing) {
        SCOPED_TRACE(c.name);
        win->pFI.clear();
        WriteEdition(c.text);
        EXPECT_EQ(Run("4:"), "4:");
        EXPECT_TRUE(win->pFI.empty());
    }
}

TEST_F(EditionPlistTest, UserFoldersAreNeverRegistered) {
    for (const NamedFolder& f : UserFoldersAndGenuineOnes()) {
        SCOPED_TRACE(f.name);
        win->pFI.clear();
        WriteEdition(BinaryPlist(UrlOf(f.path)));
        EXPECT_EQ(Run("4:"), f.registered ? "4:0:" : "4:");
        EXPECT_EQ(Found(), f.registered ? std::vector<std::string>{"DD " + f.path} : std::vector<std::string>{});
    }
}

TEST_F(EditionPlistTest, StaleCopyIsReplacedOnTheNextRun) {
    const std::string old = home.MakeFolder("Documents/old");
    const std::string now = home.MakeFolder("Documents/now");
    home.MakeFolder("tmp/KELDO Uninstaller");
    chmod(WorkFolder().c_str(), 0700);
    home.Write("tmp/KELDO Uninstaller/" + std::string(kPlistName),
               XmlPlist("\t<key>prefFolderPath</key>\n\t<string>" + UrlOf(old) + "</string>\n"));
    WriteEdition(BinaryPlist(UrlOf(now)));

    EXPECT_EQ(Run(""), "0:");
    EXPECT_EQ(Found(), std::vector<std::string>{"DD " + now});
    const std::string copy = ReadFile(WorkCopy());
    EXPECT_EQ(copy.find(UrlOf(old)), std::string::npos);
}

TEST_F(EditionPlistTest, MissingPlistOrFailingPlutilRegistersNothing) {
    EXPECT_EQ(Run("4:"), "4:");  // no edition plist at all

    const std::string docs = home.MakeFolder("Documents/Pelmo");
    // No property list: our plutil refuses it.
    const std::string damaged = "prefFolderPath\n<string>" + UrlOf(docs) + "</string>\n";
    WriteEdition(damaged);
    EXPECT_EQ(Run("4:"), "4:");
    EXPECT_TRUE(win->pFI.empty());
    EXPECT_EQ(ReadFile(WorkCopy()), damaged);

    // A plutil that fails after all, and none on PATH at all.
    WriteEdition(XmlPlist("<key>prefFolderPath</key>\n<string>" + UrlOf(docs) + "</string>\n"));
    UseFakePlutil("exit 3");
    EXPECT_EQ(Run("4:"), "4:");
    path_.Set(home.Path("nowhere"));
    EXPECT_EQ(Run("4:"), "4:");
    EXPECT_TRUE(win->pFI.empty());
}

TEST_F(EditionPlistTest, WorkFolderThatIsALinkOrAFileIsNotUsed) {
    const std::string docs = home.MakeFolder("Documents/Pelmo");
    WriteEdition(BinaryPlist(UrlOf(docs)));
    const std::string elsewhere = home.MakeFolder("elsewhere");
    std::filesystem::create_directory_symlink(elsewhere, WorkFolder());

    EXPECT_EQ(Run("4:"), "4:");
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere));
    EXPECT_TRUE(std::filesystem::is_symlink(WorkFolder()));

    // A link to nowhere is not followed to make a folder either.
    std::filesystem::remove(WorkFolder());
    std::filesystem::create_directory_symlink(home.Path("nowhere"), WorkFolder());
    EXPECT_EQ(Run("4:"), "4:");
    EXPECT_FALSE(std::filesystem::exists(home.Path("nowhere")));

    std::filesystem::remove(WorkFolder());
    home.Write("tmp/KELDO Uninstaller", "a file");
    EXPECT_EQ(Run("4:"), "4:");
    EXPECT_TRUE(win->pFI.empty());
}

TEST_F(EditionPlistTest, WorkFolderOfAnotherUserIsNotUsed) {
    if (geteuid() != 0) GTEST_SKIP() << "needs to give a folder away";
    const std::string docs = home.MakeFolder("Documents/Pelmo");
    WriteEdition(BinaryPlist(UrlOf(docs)));
    home.MakeFolder("tmp/KELDO Uninstaller");
    ASSERT_EQ(chown(WorkFolder().c_str(), 65534, 65534), 0);

    EXPECT_EQ(Run("4:"), "4:");
    EXPECT_TRUE(std::filesystem::is_empty(WorkFolder()));
    EXPECT_TRUE(win->pFI.empty());
}

}  // namespace
}  // namespace engine_testing
