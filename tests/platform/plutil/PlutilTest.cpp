// plutil -convert xml1 FILE: binary and XML lists come out as XML in place;
// anything else, hostile lists included, leaves the file alone and says why
// in one line. Either way the command's peak memory stays under 300 MB.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <plist/plist.h>

#include "platform/plist/Limits.h"
#include "tests/support/HostilePlists.h"
#include "tests/support/Sanitizers.h"
#include "tests/support/TempFolder.h"

namespace {

using testsupport::BinaryPlistBuilder;
using testsupport::ReadFile;
using testsupport::TempFolder;

constexpr long kPeakMemoryKb = 300 * 1024;

struct Outcome {
    int status = -1;
    std::string errors;  // what the command wrote to stderr
    std::string output;  // ... and to stdout
    long peakMemoryKb = 0;
};

// Runs the built plutil with these arguments, without a shell between.
Outcome RunPlutil(const std::vector<std::string>& arguments) {
    int err[2], out[2];
    if (pipe(err) != 0 || pipe(out) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], 2);
        dup2(out[1], 1);
        close(err[0]);
        close(out[0]);
        std::vector<char*> argv{const_cast<char*>("plutil")};
        for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(KELDO_PLUTIL_PATH, argv.data());
        _exit(127);
    }
    close(err[1]);
    close(out[1]);
    Outcome outcome;
    auto drain = [](int fd, std::string& into) {
        char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) into.append(buffer, static_cast<size_t>(n));
        close(fd);
    };
    drain(err[0], outcome.errors);
    drain(out[0], outcome.output);
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.peakMemoryKb = usage.ru_maxrss;
    return outcome;
}

std::string Binary(plist_t root) {
    char* data = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &data, &length);
    std::string bytes(data, length);
    plist_to_bin_free(data);
    return bytes;
}

// The edition's preferences as the product writes them, in binary form.
std::string EditionPreferences() {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "prefFolderPath", plist_new_string("file:///home/user/Documents/%E6%9B%B8%E9%A1%9E/"));
    plist_dict_set_item(root, "windowCount", plist_new_uint(3));
    plist_t recent = plist_new_array();
    plist_array_append_item(recent, plist_new_string("エディション"));
    plist_array_append_item(recent, plist_new_bool(1));
    plist_dict_set_item(root, "recent", recent);
    const std::string bytes = Binary(root);
    plist_free(root);
    return bytes;
}

// A refusal: a failing status and one line on stderr.
void ExpectRefused(const Outcome& outcome) {
    EXPECT_NE(outcome.status, 0);
    EXPECT_TRUE(!outcome.errors.empty() && outcome.errors.find('\n') == outcome.errors.size() - 1) << outcome.errors;
}

class PlutilTest : public ::testing::Test {
protected:
    // Only the given names remain in the folder: no temporary file is left.
    void ExpectFolderHolds(const std::vector<std::string>& names) {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        std::vector<std::string> expected = names;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(found, expected);
    }

    TempFolder folder;
};

TEST_F(PlutilTest, BinaryListBecomesXmlInPlaceWithItsValuesAndMode) {
    const std::string binary = EditionPreferences();
    const std::string path = folder.Write("com.example.plist", binary);
    chmod(path.c_str(), 0640);

    const Outcome outcome = RunPlutil({"-convert", "xml1", path});
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(outcome.errors, "");
    EXPECT_EQ(outcome.output, "");

    const std::string xml = ReadFile(path);
    EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
    // The engine reads the value from the line after its key.
    EXPECT_NE(
        xml.find("<key>prefFolderPath</key>\n\t<string>file:///home/user/Documents/%E6%9B%B8%E9%A1%9E/</string>\n"),
        std::string::npos)
        << xml;
    plist_t back = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &back);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Binary(back), binary) << "every value comes through";
    plist_free(back);

    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    ExpectFolderHolds({"com.example.plist"});
}

TEST_F(PlutilTest, XmlListStaysXmlWithTheSameValues) {
    const std::string path =
        folder.Write("a.plist",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                     "<dict><key>prefFolderPath</key><string>file:///tmp/x/</string></dict></plist>");
    const Outcome outcome = RunPlutil({"-convert", "xml1", path});
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    const std::string xml = ReadFile(path);
    EXPECT_NE(xml.find("\t<key>prefFolderPath</key>\n\t<string>file:///tmp/x/</string>\n"), std::string::npos) << xml;
}

TEST_F(PlutilTest, ListsAsLargeAsTheBoundsAllowBecomeXml) {
    using namespace platform::plist;
    BinaryPlistBuilder shared;  // a string of 1 MiB, four times
    shared.Array(std::vector<size_t>(4, shared.Ascii(std::string(1 << 20, 'x'))));
    BinaryPlistBuilder wide;  // one UTF-16 string filling an Info.plist
    wide.Utf16(std::u16string((kMaxInfoPlistBytes - 64) / 2, u'あ'));
    // The most values, the deepest and with a tab for each level in the XML,
    // and the most bytes, as "&", which the XML writes as "&amp;".
    BinaryPlistBuilder fullest;
    const size_t copies = 16, leaves = kMaxValues - (kMaxNesting - 1) - copies;
    size_t chain = fullest.Array(std::vector<size_t>(leaves, fullest.Ascii("&")));
    for (size_t level = 3; level < kMaxNesting; ++level) chain = fullest.Array({chain});
    std::vector<size_t> top(copies, fullest.Ascii(std::string((kMaxValueBytes - 2 * leaves) / copies - 1, '&')));
    top.push_back(chain);
    fullest.Array(top);

    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"shared", shared.Bytes()}, {"wide", wide.Bytes()}, {"fullest", fullest.Bytes()}}) {
        SCOPED_TRACE(name);
        // Its 150 MB of XML, grown in small steps, take the sanitizer's allocator minutes.
        if (testsupport::kUnderAddressSanitizer && name == "fullest") continue;
        const std::string path = folder.Write(name, bytes);
        const Outcome outcome = RunPlutil({"-convert", "xml1", path});
        EXPECT_EQ(outcome.status, 0) << outcome.errors;
        char head[5] = {};
        std::ifstream(path).read(head, sizeof head);
        EXPECT_EQ(std::string(head, sizeof head), "<?xml");
        EXPECT_LT(outcome.peakMemoryKb, kPeakMemoryKb);
    }
}

TEST_F(PlutilTest, FileThatIsNoPropertyListFailsAndStaysAsItWas) {
    const std::string binary = EditionPreferences();
    std::vector<testsupport::HostilePlist> cases = {
        {"text", "prefFolderPath = file:///tmp/\n"},
        {"empty", ""},
        {"truncated-binary", binary.substr(0, binary.size() - 9)},
        {"bare-magic", "bplist00"},
        {"unclosed-xml", "<?xml version=\"1.0\"?><plist><dict><key>a</key>"},
    };
    // Lists whose XML would be wrong (a NUL), or that no stack or memory holds.
    for (auto& hostile : testsupport::HostilePlists()) cases.push_back(std::move(hostile));
    std::vector<std::string> names;
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const std::string path = folder.Write(name, bytes);
        const Outcome outcome = RunPlutil({"-convert", "xml1", path});
        ExpectRefused(outcome);
        EXPECT_NE(outcome.errors.find(name), std::string::npos) << outcome.errors;
        EXPECT_TRUE(ReadFile(path) == bytes) << "the file changed";
        EXPECT_LT(outcome.peakMemoryKb, kPeakMemoryKb);
        names.push_back(name);
    }
    ExpectFolderHolds(names);
}

TEST_F(PlutilTest, MissingFileOrFolderFails) {
    const std::string missing = folder / "missing.plist";
    const std::string sub = folder.MakeFolder("sub.plist");
    ExpectRefused(RunPlutil({"-convert", "xml1", missing}));
    ExpectRefused(RunPlutil({"-convert", "xml1", sub}));
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(std::filesystem::is_directory(sub));
}

TEST_F(PlutilTest, BadUsageFailsWithOneLineAndTouchesNothing) {
    const std::string binary = EditionPreferences();
    const std::string path = folder.Write("b.plist", binary);
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"-convert"},
        {"-convert", "xml1"},
        {"-convert", "binary1", path},
        {"-convert", "XML1", path},
        {"-lint", "xml1", path},
        {"-convert", "xml1", path, path},
        {"-convert", "xml1", ""},
    };
    for (const auto& arguments : usages) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        ExpectRefused(RunPlutil(arguments));
        EXPECT_EQ(ReadFile(path), binary);
    }
}

TEST_F(PlutilTest, NameWithBreaksAndQuotesStillGivesOneLine) {
    const std::string name = "odd \"name\"\nwith break";
    ExpectRefused(RunPlutil({"-convert", "xml1", folder.Write(name, "no list here")}));
}

}  // namespace
