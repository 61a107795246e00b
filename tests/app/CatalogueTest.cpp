// The catalogue: appList.txt in the bundle or beside it, its line format, and
// the built-in table. The test program runs inside its own bundle, so the
// files it writes are exactly where the program looks.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/App.h"
#include "foundation/Globals.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/files/FolderItem.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TempFolder.h"

using namespace runtime;
using testsupport::WriteFile;
namespace fs = std::filesystem;

namespace {

class TestApp : public App {
public:
    using App::InitApp;
};

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path executable = ApplicationExecutableFile()->NativePath();
        bundleFile = executable.parent_path().parent_path() / "Resources" / "Japanese.lproj" / "appList.txt";
        besideFile = executable.parent_path().parent_path().parent_path().parent_path() / "appList.txt";
        fs::remove(bundleFile);
        fs::remove(besideFile);
        Globals::gItem.clear();
        dialogs.Answer(ModalAnswer::Button::Action);
    }
    void TearDown() override {
        fs::remove(bundleFile);
        fs::remove(besideFile);
        Globals::gItem.clear();
    }

    bool Load(const std::string& text) {
        WriteFile(bundleFile, text);
        return app.LoadFile();
    }
    static std::string Value(size_t product, const char* key) {
        return Globals::gItem.at(product)->Value(key).StringValue().Bytes();
    }
    static bool Has(size_t product, const char* key) { return Globals::gItem.at(product)->HasKey(key); }

    // A product's value for a key; nullptr: the product has no such key.
    struct Entry {
        size_t product;
        const char* key;
        const char* value;
    };
    static void ExpectEntries(std::initializer_list<Entry> entries) {
        for (const Entry& e : entries) {
            if (e.value)
                EXPECT_EQ(Value(e.product, e.key), e.value) << e.product << " " << e.key;
            else
                EXPECT_FALSE(Has(e.product, e.key)) << e.product << " " << e.key;
        }
    }

    TestApp app;
    fs::path bundleFile, besideFile;
    testsupport::ModalAnswerer dialogs;
};

const char* const kPelmora = "Pelmora\n1\nPelmora\nAPPLwTq5\n1\nPelmwTq5\nPelmora初期設定\nPelmora\nPelmora\n";

}  // namespace

TEST_F(CatalogueTest, NoFileTellsOnceAndUsesTheBuiltInTable) {
    app.InitApp();
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"not found."});
    EXPECT_TRUE(Globals::gBeep);
    ASSERT_EQ(Globals::gItem.size(), 6u);
    const char* labels[] = {"Tolvenade II", "Zoruba", "Pelmora", "Gablune mini", "Wistrel", "Brevindal nano"};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(Value(i, "appLabel"), labels[i]);
    ExpectEntries({{0, "appCount", "2"},
                   {0, "appType1", "APPLwTq1"},  // stored as "apptype1"
                   {0, "appName2", "Marlocane"},
                   {0, "docType2", "Crd3wTq1"},
                   {1, "apSpName", ""},
                   {5, "appName1", "brevindal"},
                   {5, "prefName", "Brevindal nano初期設定"},
                   {3, "docType1", nullptr},
                   {3, "docCount", "0"}});
}

TEST_F(CatalogueTest, TheBundlesFileWinsOverTheOneBesideTheApplication) {
    WriteFile(besideFile, "Beside\n0\n0\np\nq\nr\n");
    EXPECT_TRUE(Load(kPelmora));
    ASSERT_EQ(Globals::gItem.size(), 1u);
    EXPECT_EQ(Value(0, "appLabel"), "Pelmora");
    EXPECT_TRUE(dialogs.asked.empty());

    fs::remove(bundleFile);
    Globals::gItem.clear();
    EXPECT_TRUE(app.LoadFile());
    ASSERT_EQ(Globals::gItem.size(), 1u);
    EXPECT_EQ(Value(0, "appLabel"), "Beside");
}

TEST_F(CatalogueTest, AFileReadsProductAfterProductSkippingBlankLines) {
    EXPECT_TRUE(Load(std::string("\n\n") + kPelmora +
                     "\n\nZoruba\n\n1\nZoruba\nAPPLwTq4\n\n0\n\nZoruba初期設定\n\nZoruba\n \n"));
    ASSERT_EQ(Globals::gItem.size(), 2u);
    ExpectEntries({{0, "appName1", "Pelmora"},
                   {0, "docType1", "PelmwTq5"},
                   {0, "plistNam", "Pelmora"},
                   {0, "apSpName", "Pelmora"},
                   {1, "appType1", "APPLwTq4"},
                   {1, "docCount", "0"},
                   {1, "docType1", nullptr},
                   {1, "apSpName", " "}});  // a line of blanks is a value
}

TEST_F(CatalogueTest, CountedBlocksTakeEveryLineAndStopAtTheirCount) {
    // An empty line inside a block is a value; "x" counts, and is kept as, 0.
    EXPECT_TRUE(Load("A\n2\n\nAPPLwTq1\nB\nAPPLwTq2\nx\npref\nplist\nsupport\n"));
    ASSERT_EQ(Globals::gItem.size(), 1u);
    ExpectEntries({{0, "appName1", ""},
                   {0, "appName2", "B"},
                   {0, "docCount", "0"},
                   {0, "docType1", nullptr},
                   {0, "prefName", "pref"},
                   {0, "apSpName", "support"}});
}

TEST_F(CatalogueTest, AFileThatEndsEarlyKeepsWhatItHad) {
    EXPECT_TRUE(Load("A\n3\nOne\nAPPL0001\n"));
    ASSERT_EQ(Globals::gItem.size(), 1u);
    ExpectEntries({{0, "appName1", "One"},
                   {0, "appName3", ""},
                   {0, "appType3", ""},  // read past the end
                   {0, "docCount", nullptr}});
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(CatalogueTest, EmptyFilesGiveAnEmptyCatalogueNotTheBuiltInOne) {
    for (const char* text : {"", "\n\n\r\n"}) {
        WriteFile(bundleFile, text);
        app.InitApp();
        EXPECT_TRUE(Globals::gItem.empty());
    }
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(CatalogueTest, AnAbsurdCountIsBoundedAndAFolderIsNoCatalogue) {
    EXPECT_TRUE(Load("A\n1e12\n"));
    ASSERT_EQ(Globals::gItem.size(), 1u);
    // Kept as the bounded count, so no lookup walks names that were never read.
    EXPECT_EQ(Value(0, "appCount"), "10000");
    EXPECT_FALSE(Has(0, "appName10001"));

    Globals::gItem.clear();
    fs::remove(bundleFile);
    fs::create_directories(bundleFile);  // a folder named appList.txt cannot be read
    app.InitApp();
    fs::remove(bundleFile);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"not found."});
    EXPECT_EQ(Globals::gItem.size(), 6u);
}

TEST_F(CatalogueTest, TheShippedCatalogueMatchesTheBuiltInTable) {
    std::ifstream shipped(fs::path(KELDO_SOURCE_DIR) / "resources" / "Japanese.lproj" / "appList.txt",
                          std::ios::binary);
    ASSERT_TRUE(shipped.good());
    EXPECT_TRUE(Load(std::string(std::istreambuf_iterator<char>(shipped), {})));
    std::vector<DictionaryRef> fromFile = Globals::gItem;
    Globals::gItem.clear();
    app.InitDictionary();
    ASSERT_EQ(fromFile.size(), Globals::gItem.size());
    for (size_t i = 0; i < fromFile.size(); ++i) {
        const DictionaryRef& builtIn = Globals::gItem[i];
        for (int k = 0; k < builtIn->Count(); ++k) {
            const Variant key = builtIn->Key(k);
            ASSERT_TRUE(fromFile[i]->HasKey(key)) << key.StringValue().Bytes();
            const std::string expected = builtIn->Value(key).StringValue().Bytes();
            // An empty Application Support name is written as one blank: the
            // format skips empty lines where a single value is due.
            const std::string got = fromFile[i]->Value(key).StringValue().Bytes();
            EXPECT_EQ(got, expected.empty() ? " " : expected) << key.StringValue().Bytes();
        }
        EXPECT_EQ(fromFile[i]->Count(), builtIn->Count());
    }
}
