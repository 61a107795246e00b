// The plug-in's code in this process: the runtime entries it resolves, the
// data-size checks and the alpha pass.

#include "plugin/Feltrix.h"

#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/carbon/Handles.h"
#include "platform/icons/IconFamily.h"
#include "platform/icons/Offscreen.h"
#include "plugin/IconPicture.h"
#include "plugin/IconTables.h"
#include "plugin/RuntimeEntries.h"
#include "runtime/plugins/PluginCallScope.h"
#include "runtime/plugins/PluginHost.h"

namespace {

using namespace platform::carbon;
using namespace platform::icons;

// A resolver over the runtime's that can forget names and counts lookups.
std::set<std::string> gUnknownNames;
std::map<std::string, int> gLookups;
bool gWorldWasCurrent = false;

REALpicture CheckingBuild(const REALpixelBuffer* buffer) {
    CGrafPtr port = nullptr;
    GDHandle device = nullptr;
    GetGWorld(&port, &device);
    gWorldWasCurrent = port && port->baseAddr == buffer->pixels && port->Width() == buffer->width;
    auto build =
        reinterpret_cast<REALBuildPictureFromGWorldProc>(runtime::RuntimePluginResolver("REALBuildPictureFromGWorld"));
    return build(buffer);
}

void* TestResolver(const char* name) {
    ++gLookups[name];
    if (gUnknownNames.count(name)) return nullptr;
    if (std::string(name) == "REALBuildPictureFromGWorld") return reinterpret_cast<void*>(&CheckingBuild);
    return runtime::RuntimePluginResolver(name);
}

std::shared_ptr<IconFamily> FamilyWith(const char (&type)[5], size_t size, uint8_t fill = 0) {
    auto family = std::make_shared<IconFamily>();
    family->SetElement(FourCharCode(type), ElementData(size, fill));
    return family;
}

class FeltrixCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        gUnknownNames.clear();
        gLookups.clear();
        gWorldWasCurrent = false;
        REALPluginMain(&TestResolver);
    }
    void TearDown() override { REALPluginMain(nullptr); }
};

TEST_F(FeltrixCoreTest, EveryGeometryRowHoldsItsWidth) {
    for (int32_t id = 0; id < feltrix::kIconIDCount; ++id) {
        const auto& g = feltrix::kIconGeometry[size_t(id)];
        const int bits = g.pixelFormat == 32 ? 32 : g.pixelFormat == 1 ? 1 : 8;
        EXPECT_EQ(g.rowBytes * 8, g.width * bits) << id;
    }
}

TEST_F(FeltrixCoreTest, ElementsShorterThanTheGeometryGiveNil) {
    runtime::PluginCallScope scope;
    const size_t handles = LiveHandleCount();
    EXPECT_EQ(feltrix::PictureFromFamily(FamilyWith("is32", 1023), 5), nullptr);
    EXPECT_NE(feltrix::PictureFromFamily(FamilyWith("is32", 1024), 5), nullptr);
    EXPECT_EQ(feltrix::PictureFromFamily(FamilyWith("ICN#", 255), 12), nullptr)
        << "the mask half would run past the end";
    EXPECT_NE(feltrix::PictureFromFamily(FamilyWith("ICN#", 256), 12), nullptr);
    EXPECT_EQ(feltrix::PictureFromFamily(FamilyWith("ic08", 256 * 256 * 4 - 1), 17), nullptr);
    EXPECT_EQ(feltrix::PictureFromFamily(FamilyWith("s8mk", 0), 13), nullptr) << "empty data";
    EXPECT_EQ(feltrix::PictureFromFamily(FamilyWith("s8mk", 256), 20), nullptr);
    EXPECT_EQ(feltrix::PictureFromFamily(nullptr, 13), nullptr);
    EXPECT_EQ(LiveHandleCount(), handles) << "the element's handle is disposed of on every way out";
}

TEST_F(FeltrixCoreTest, BuildsWithTheWorldCurrentAndRestoresThePort) {
    GWorld sentinel;
    SetGWorld(&sentinel, nullptr);
    runtime::PluginCallScope scope;
    EXPECT_NE(feltrix::PictureFromFamily(FamilyWith("s8mk", 256, 255), 13), nullptr);
    EXPECT_TRUE(gWorldWasCurrent);
    CGrafPtr port = nullptr;
    GDHandle device = nullptr;
    GetGWorld(&port, &device);
    EXPECT_EQ(port, &sentinel);
    SetGWorld(nullptr, nullptr);
}

TEST_F(FeltrixCoreTest, EntriesAreResolvedOnFirstUseAndKept) {
    EXPECT_EQ(gLookups["RegisterPluginVersion"], 1);
    EXPECT_EQ(gLookups["PluginRegisterMethod"], 1) << "resolved once for both registrations";
    runtime::PluginCallScope scope;
    EXPECT_NE(GetIconFromSystem(47, 13), nullptr);
    EXPECT_NE(GetIconFromSystem(0, 13), nullptr);
    EXPECT_EQ(gLookups["REALBuildPictureFromGWorld"], 1);
}

TEST_F(FeltrixCoreTest, UnknownEntriesMakeTheirCallsReturnNothing) {
    gUnknownNames = {"RegisterPluginVersion", "PluginRegisterMethod", "REALFSRefFromFolderItem",
                     "REALBuildPictureFromGWorld"};
    REALPluginMain(&TestResolver);  // must not call what it cannot resolve
    EXPECT_EQ(feltrix::REALRegisterMethod(&GetIconFromFileDefn), 0);
    REALfsRef ref{};
    EXPECT_FALSE(feltrix::REALFSRefFromFolderItem(nullptr, &ref));
    runtime::PluginCallScope scope;
    EXPECT_EQ(GetIconFromSystem(47, 5), nullptr);
    EXPECT_EQ(GetIconFromFile(nullptr, 5), nullptr);

    REALPluginMain(nullptr);
    EXPECT_EQ(GetIconFromSystem(47, 5), nullptr) << "no resolver at all";
}

TEST(AlphaPass, OpaqueBecomesBlackTransparentWhite) {
    uint8_t pixels[12] = {255, 1, 2, 3, 0, 9, 9, 9, 100, 0, 0, 0};
    feltrix::AlphaToGrey(pixels, 3);
    const uint8_t expected[12] = {0, 0, 0, 0, 0, 255, 255, 255, 0, 155, 155, 155};
    EXPECT_TRUE(std::equal(pixels, pixels + 12, expected));
}

}  // namespace
