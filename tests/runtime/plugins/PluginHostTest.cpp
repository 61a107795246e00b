// The host loading real plug-in libraries and calling what they register.

#include "runtime/plugins/PluginHost.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/files/FolderItem.h"
#include "runtime/plugins/PluginEntrypoints.h"
#include "runtime/ui/Picture.h"
#include "tests/runtime/plugins/PluginFolder.h"

// The test plug-in's report, declared as the plug-in declares it: a type of
// the same name, so that calling its getter through this type is well-defined.
struct TestPluginReport {
    int32_t registered[4];
    int32_t unknownNameResolved;
    int32_t pictureOutsideCall;
};

namespace {

using namespace runtime;
using plugintest::LoadedSymbol;
using plugintest::PluginFolder;

const char* const kIconDeclaration = "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture";
const char* const kPathDeclaration = "TestPathPicture(f As FolderItem, n As Integer) As Picture";

class PluginHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        pluginPath_ = folder_.AddLibrary(TEST_PLUGIN_LIBRARY, "Feltrix");
        ASSERT_EQ(host_.LoadFolder(folder_.Path()), 1);
    }

    TestPluginReport Report() {
        auto get = LoadedSymbol<TestPluginReport* (*)()>(pluginPath_, "TestPluginGetReport");
        EXPECT_NE(get, nullptr);
        return get ? *get() : TestPluginReport{};
    }

    std::vector<uint32_t> Pixels(const PictureRef& p) {
        std::vector<uint32_t> out;
        const QImage image = p->ToImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) out.push_back(image.pixel(x, y));
        return out;
    }

    PluginFolder folder_;
    std::string pluginPath_;
    PluginHost host_;
};

TEST_F(PluginHostTest, RecordsVersionAndRegisteredMethodsAndRefusesLateOnes) {
    ASSERT_EQ(host_.Plugins().size(), 1u);
    const LoadedPlugin& plugin = host_.Plugins()[0];
    EXPECT_EQ(plugin.path, pluginPath_);
    EXPECT_EQ(plugin.version, 9);
    EXPECT_EQ(plugin.declarations, (std::vector<std::string>{kIconDeclaration, kPathDeclaration}));

    const TestPluginReport report = Report();
    EXPECT_EQ(report.registered[0], 1);
    EXPECT_EQ(report.registered[1], 1);
    EXPECT_EQ(report.registered[2], 0) << "the same declaration spelt differently is a duplicate";
    EXPECT_EQ(report.registered[3], 0) << "a definition without a function";
    EXPECT_EQ(report.unknownNameResolved, 0);
    EXPECT_EQ(report.pictureOutsideCall, 0);

    // Registration after loading is refused.
    auto late = LoadedSymbol<int32_t (*)()>(pluginPath_, "TestPluginRegisterLate");
    ASSERT_NE(late, nullptr);
    EXPECT_EQ(late(), 0);
    EXPECT_EQ(host_.Lookup("Late(f As FolderItem, n As Integer) As Picture"), nullptr);
}

TEST_F(PluginHostTest, LooksUpByDeclaration) {
    void* icon = host_.Lookup(kIconDeclaration);
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(host_.Lookup(kPathDeclaration), nullptr);
    EXPECT_NE(host_.Lookup(kPathDeclaration), icon);
    EXPECT_EQ(host_.Lookup("getIconFromFile( f as FolderItem , iconID As INTEGER ) as Picture"), icon);

    for (const char* unknown : {"GetIconFromFile", "GetIconFromSystem(iconNo As Integer, iconID As Integer) As Picture",
                                "_", "", "Nothing(f As FolderItem) As Picture"})
        EXPECT_EQ(host_.Lookup(unknown), nullptr) << unknown;
}

TEST(PluginHostFolder, PassesOverWhatIsNoPlugin) {
    PluginFolder folder;
    const std::string plugin = folder.AddLibrary(TEST_PLUGIN_LIBRARY, "Feltrix");
    const std::string library = folder.AddLibrary(NOT_A_PLUGIN_LIBRARY, "libhelper.so");
    folder.AddText("read me.txt", "not a library\n");
    folder.AddText(".hidden.so", "");
    std::filesystem::create_directory(std::filesystem::path(folder.Path()) / "Sub.bundle");

    PluginHost host;
    testing::internal::CaptureStderr();
    const int ran = host.LoadFolder(folder.Path());
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_EQ(ran, 1);
    ASSERT_EQ(host.Plugins().size(), 1u);
    EXPECT_EQ(host.Plugins()[0].path, plugin);
    EXPECT_NE(host.Lookup(kIconDeclaration), nullptr);

    // One line for each file that is no plug-in; hidden files and folders pass unremarked.
    auto count = [&errors](const std::string& what) {
        size_t n = 0;
        for (size_t at = errors.find(what); at != std::string::npos; at = errors.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(library + ": has no REALPluginMain"), 1u) << errors;
    EXPECT_EQ(count("has no REALPluginMain"), 1u) << errors;
    EXPECT_EQ(count("read me.txt"), 1u) << errors;
    EXPECT_EQ(count(".hidden.so") + count("Sub.bundle"), 0u) << errors;
}

TEST(PluginHostFolder, MissingFolderLoadsNothing) {
    PluginHost host;
    EXPECT_EQ(host.LoadFolder("/nonexistent/KELDO Uninstaller.app/Contents/PlugIns"), 0);
    EXPECT_TRUE(host.Plugins().empty());
    EXPECT_EQ(host.Lookup(kIconDeclaration), nullptr);
}

struct ExpectedPicture {
    int32_t iconID;
    int width;
    int height;
    std::vector<uint32_t> pixels;
};

TEST_F(PluginHostTest, PicturesBuiltFromPixelBuffersReachTheCaller) {
    void* icon = host_.Lookup(kIconDeclaration);
    ASSERT_NE(icon, nullptr);
    const std::vector<ExpectedPicture> cases = {
        // ARGB rows with padding; the alpha byte does not make pixels transparent.
        {1, 3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF0A141E, 0xFF28323C, 0xFFFFFFFF}},
        // grey: 0 white ... 255 black
        {2, 2, 2, {0xFFFFFFFF, 0xFF000000, 0xFF7F7F7F, 0xFFBFBFBF}},
        // one bit a pixel across a byte boundary: 1010000011
        {3,
         10,
         1,
         {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000,
          0xFF000000}},
        // own table; an index beyond it is black
        {4, 3, 1, {0xFF123456, 0xFFABCDEF, 0xFF000000}},
        // standard palette
        {5, 4, 1, {0xFFFFFFFF, 0xFFEE0000, 0xFF111111, 0xFF000000}},
        // the picture returned, not the one built first
        {6, 1, 1, {0xFF000000}},
    };
    const FolderItemRef f = FolderItem::FromNativePath(folder_.Path());
    for (const ExpectedPicture& c : cases) {
        SCOPED_TRACE(c.iconID);
        const PictureRef p = CallPictureFunction(icon, f, c.iconID);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Width(), c.width);
        EXPECT_EQ(p->Height(), c.height);
        EXPECT_EQ(p->Mask(false), nullptr);
        EXPECT_EQ(Pixels(p), c.pixels);
    }
}

TEST_F(PluginHostTest, NilAndRefusedPicturesStayNil) {
    void* icon = host_.Lookup(kIconDeclaration);
    ASSERT_NE(icon, nullptr);
    const FolderItemRef f = FolderItem::FromNativePath(folder_.Path());
    EXPECT_EQ(CallPictureFunction(icon, f, 0), nullptr) << "the plug-in's nil";
    EXPECT_EQ(CallPictureFunction(icon, f, 7), nullptr) << "a handle the runtime never gave";
    EXPECT_EQ(CallPictureFunction(icon, f, 8), nullptr) << "too few bytes";
    EXPECT_EQ(CallPictureFunction(icon, f, 9), nullptr) << "rows too narrow";
    EXPECT_EQ(CallPictureFunction(icon, f, 10), nullptr) << "unknown format";
    EXPECT_EQ(CallPictureFunction(icon, nullptr, 0), nullptr);
    EXPECT_EQ(CallPictureFunction(nullptr, f, 1), nullptr) << "an unbound entry";
}

TEST_F(PluginHostTest, FolderItemsCrossAsPosixPaths) {
    void* pathPicture = host_.Lookup(kPathDeclaration);
    ASSERT_NE(pathPicture, nullptr);
    auto lastPath = LoadedSymbol<const char* (*)()>(pluginPath_, "TestPluginLastPath");
    auto lastResult = LoadedSymbol<int32_t (*)()>(pluginPath_, "TestPluginLastFSRefResult");
    ASSERT_NE(lastPath, nullptr);
    ASSERT_NE(lastResult, nullptr);

    const std::string file = (folder_.Root() / "アイコン テスト:1.txt").string();
    std::ofstream(file) << "x";
    EXPECT_NE(CallPictureFunction(pathPicture, FolderItem::FromNativePath(file), 0), nullptr);
    EXPECT_EQ(lastResult(), 1);
    EXPECT_EQ(std::string(lastPath()), file);

    const std::string folder = folder_.Path();
    EXPECT_NE(CallPictureFunction(pathPicture, FolderItem::FromNativePath(folder), 0), nullptr);
    EXPECT_EQ(std::string(lastPath()), folder);

    const std::string missing = (folder_.Root() / "gone.txt").string();
    EXPECT_EQ(CallPictureFunction(pathPicture, FolderItem::FromNativePath(missing), 0), nullptr);
    EXPECT_EQ(lastResult(), 0);

    EXPECT_EQ(CallPictureFunction(pathPicture, nullptr, 0), nullptr);
    EXPECT_EQ(lastResult(), 0);
}

TEST(PluginEntrypoints, ApplicationTableBindsRegisteredDeclarations) {
    PluginFolder folder;
    folder.AddLibrary(TEST_PLUGIN_LIBRARY, "Feltrix");
    PluginHost::Shared().LoadFolder(folder.Path());

    PluginEntrypointTable table = RuntimeAllocatePluginEntrypointsTable(82);
    ASSERT_EQ(table.Count(), 82);
    table.SetEntry(0, RuntimeLookupPluginEntrypoint("_"));
    table.SetEntry(81, RuntimeLookupPluginEntrypoint(kIconDeclaration));
    for (int32_t i = 0; i <= 80; ++i) EXPECT_EQ(table.Entry(i), nullptr) << i;
    ASSERT_NE(table.Entry(81), nullptr);
    EXPECT_EQ(RuntimeLookupPluginEntrypoint("GetIconFromSystem(iconNo As Integer, iconID As Integer) As Picture"),
              nullptr);

    const PictureRef p = CallPictureFunction(table.Entry(81), FolderItem::FromNativePath(folder.Path()), 6);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->ToImage().pixel(0, 0), 0xFF000000u);
}

}  // namespace
