// The Feltrix library loaded by the runtime's plug-in host and called as the
// application calls it.

#include <dlfcn.h>

#include <tuple>

#include <QImage>
#include <gtest/gtest.h>

#include "platform/icons/FamilyCache.h"
#include "platform/icons/IconServices.h"
#include "runtime/files/FolderItem.h"
#include "runtime/plugins/PluginCallScope.h"
#include "runtime/plugins/PluginEntrypoints.h"
#include "runtime/plugins/PluginHost.h"
#include "runtime/ui/Picture.h"
#include "tests/support/IcnsBuilder.h"

namespace {

using namespace runtime;
using namespace testsupport;
namespace fs = std::filesystem;
namespace carbon = platform::carbon;
namespace icons = platform::icons;

const char* const kFileDeclaration = "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture";
const char* const kSystemDeclaration = "GetIconFromSystem(iconNo As Integer, iconID As Integer) As Picture";

using SystemFunction = REALpicture (*)(int32_t, int32_t);

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// An .icns of known elements: is32 one colour, s8mk opaque at the top, ICN#
// and icm# with an all-black image half and a mask of the left columns, icm8
// red, ic08 and ic09 opaque on the left. No l8mk.
Bytes SampleIcns() {
    Bytes s8mk(256, 0);
    std::fill(s8mk.begin(), s8mk.begin() + 128, uint8_t(255));
    Bytes icn(256, 0xFF);
    for (size_t row = 0; row < 32; ++row) {
        icn[128 + 4 * row + 2] = 0;
        icn[128 + 4 * row + 3] = 0;
    }
    Bytes icm(48, 0xFF);
    for (size_t row = 0; row < 12; ++row) icm[24 + 2 * row + 1] = 0;
    return Icns()
        .Add("is32", PackedColor(256, 10, 20, 30))
        .Add("s8mk", s8mk)
        .Add("ICN#", icn)
        .Add("icm#", icm)
        .Add("icm8", Bytes(192, 35))
        .Add("ic08", PngBytes(HalfOpaqueImage(256, 256)))
        .Add("ic09", PngBytes(HalfOpaqueImage(512, 512)))
        .Data();
}

class FeltrixHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        icons::FamilyCache::Shared().Clear();
        const fs::path plugins = dir_ / "PlugIns";
        fs::create_directories(plugins);
        fs::copy_file(FELTRIX_LIBRARY, plugins / "Feltrix");
        ASSERT_EQ(host_.LoadFolder(plugins.string()), 1);
        fileEntry_ = host_.Lookup(kFileDeclaration);
        systemEntry_ = reinterpret_cast<SystemFunction>(host_.Lookup(kSystemDeclaration));
        ASSERT_NE(fileEntry_, nullptr);
        ASSERT_NE(systemEntry_, nullptr);

        MakeBundle(dir_ / "Sample.app", "Sample", "Sample.icns", SampleIcns());
        MakeBundle(dir_ / "Bare.app", "Bare", "Bare.icns", Icns().Add("s8mk", Bytes(256, 255)).Data());
        WriteFile(dir_ / "notes.txt", "text\n");
    }

    PictureRef FromFile(const std::string& name, int32_t iconID) {
        return CallPictureFunction(fileEntry_, FolderItem::FromNativePath((dir_ / name).string()), iconID);
    }

    PictureRef FromSystem(int32_t iconNo, int32_t iconID) {
        PluginCallScope scope;
        return scope.TakePicture(systemEntry_(iconNo, iconID));
    }

    static QImage ImageOf(const PictureRef& p) { return p ? p->ToImage() : QImage(); }

    // The element as this process's own icon layer makes it.
    icons::ElementData LayerElement(const icons::IconRef& ref, const char (&type)[5]) {
        icons::IconFamilyHandle family;
        EXPECT_EQ(icons::IconRefToIconFamily(ref, icons::kSelectorAllAvailableData, &family), carbon::noErr);
        return family ? family->ElementBytes(carbon::FourCharCode(type)).value_or(icons::ElementData{})
                      : icons::ElementData{};
    }

    testsupport::TempFolder tmp_;
    const fs::path dir_ = tmp_.Path();
    PluginHost host_;
    void* fileEntry_ = nullptr;
    SystemFunction systemEntry_ = nullptr;
};

TEST_F(FeltrixHostTest, AnnouncesVersionNineAndRegistersBothFunctionsInOrder) {
    ASSERT_EQ(host_.Plugins().size(), 1u);
    EXPECT_EQ(host_.Plugins()[0].version, 9);
    EXPECT_EQ(host_.Plugins()[0].declarations, (std::vector<std::string>{kFileDeclaration, kSystemDeclaration}));
    void* library = dlopen(host_.Plugins()[0].path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    for (const char* name :
         {"REALPluginMain", "PluginEntry", "gResolver", "GetIconFromFileDefn", "GetIconFromSystemDefn"})
        EXPECT_NE(dlsym(library, name), nullptr) << name;
    EXPECT_EQ(dlsym(library, "_ZN8platform6carbon9NewHandleEi"), nullptr) << "the layers linked in stay private";
    dlclose(library);
}

TEST_F(FeltrixHostTest, OutOfRangeArgumentsOrAMissingElementGiveNil) {
    EXPECT_EQ(FromFile("notes.txt", -1), nullptr);
    EXPECT_EQ(FromFile("notes.txt", 20), nullptr);
    EXPECT_EQ(FromSystem(-1, 5), nullptr);
    EXPECT_EQ(FromSystem(54, 5), nullptr);
    EXPECT_EQ(FromSystem(0, -1), nullptr);
    EXPECT_EQ(FromSystem(0, 20), nullptr);
    EXPECT_EQ(CallPictureFunction(fileEntry_, nullptr, 5), nullptr);
    EXPECT_EQ(FromFile("missing.txt", 5), nullptr);
    EXPECT_EQ(FromFile("Sample.app", 11), nullptr) << "no l8mk";
    EXPECT_EQ(FromFile("Bare.app", 5), nullptr) << "no is32";
    EXPECT_NE(FromFile("Bare.app", 13), nullptr);
}

TEST_F(FeltrixHostTest, DocumentGivesItsIconAndABlackOnWhiteMask) {
    const QImage color = ImageOf(FromFile("notes.txt", 5));
    const QImage mask = ImageOf(FromFile("notes.txt", 13));
    ASSERT_EQ(color.size(), QSize(16, 16));
    ASSERT_EQ(mask.size(), QSize(16, 16));

    icons::IconRef ref;
    ASSERT_EQ(icons::GetIconRefFromFileInfo((dir_ / "notes.txt").string(), &ref), carbon::noErr);
    const auto argb = LayerElement(ref, "is32");
    const auto alpha = LayerElement(ref, "s8mk");
    ASSERT_EQ(alpha.size(), 256u);
    bool sawBlack = false;
    for (int i = 0; i < 256; ++i) {
        const QRgb m = mask.pixel(i % 16, i / 16);
        EXPECT_EQ(qRed(m), 255 - alpha[size_t(i)]) << "opaque black, transparent white";
        EXPECT_EQ(qRed(color.pixel(i % 16, i / 16)), argb[4 * size_t(i) + 1]);
        sawBlack |= m == kBlack;
    }
    EXPECT_TRUE(sawBlack);

    EXPECT_EQ(ImageOf(FromFile("notes.txt", 7)).size(), QSize(16, 12));
    EXPECT_EQ(ImageOf(FromFile("notes.txt", 15)).size(), QSize(16, 12));
}

TEST_F(FeltrixHostTest, BundleElementsWithTheirGeometry) {
    const QImage color = ImageOf(FromFile("Sample.app", 5));
    ASSERT_EQ(color.size(), QSize(16, 16));
    EXPECT_EQ(color.pixel(15, 15), qRgb(10, 20, 30));

    const QImage mask = ImageOf(FromFile("Sample.app", 13));
    EXPECT_EQ(mask.pixel(3, 7), kBlack);
    EXPECT_EQ(mask.pixel(3, 8), kWhite);

    const QImage icnMask = ImageOf(FromFile("Sample.app", 12));
    ASSERT_EQ(icnMask.size(), QSize(32, 32));
    EXPECT_EQ(icnMask.pixel(15, 31), kBlack) << "the mask half, not the all-black image half";
    EXPECT_EQ(icnMask.pixel(16, 0), kWhite);

    const QImage mini = ImageOf(FromFile("Sample.app", 15));
    ASSERT_EQ(mini.size(), QSize(16, 12));
    EXPECT_EQ(mini.pixel(7, 11), kBlack);
    EXPECT_EQ(mini.pixel(8, 11), kWhite);
    const QImage miniColor = ImageOf(FromFile("Sample.app", 7));
    ASSERT_EQ(miniColor.size(), QSize(16, 12));
    EXPECT_EQ(miniColor.pixel(0, 0), qRgb(255, 0, 0));
}

TEST_F(FeltrixHostTest, PngOnlyIconGivesSmallElementsScaledFromTheSmallestImageThatCoversThem) {
    // Colour and alpha vary across the 128 image; the 1024 one is another picture,
    // and the 32 one has a sound header but does not decode.
    QImage source(128, 128, QImage::Format_ARGB32);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) source.setPixel(x, y, qRgba(2 * x, 2 * y, 255 - 2 * x, x < 64 ? 255 : 2 * y));
    Bytes broken = PngBytes(HalfOpaqueImage(32, 32));
    broken.resize(40);
    MakeBundle(dir_ / "Modern.app", "Modern", "Modern.icns",
               Icns()
                   .Add("ic11", broken)
                   .Add("ic10", PngBytes(HalfOpaqueImage(1024, 1024)))
                   .Add("ic07", PngBytes(source))
                   .Data());
    for (auto [colorID, maskID, side] : {std::tuple{5, 13, 16}, std::tuple{3, 11, 32}}) {
        const QImage expected = source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                    .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_ARGB32);
        const QImage color = ImageOf(FromFile("Modern.app", colorID));
        const QImage mask = ImageOf(FromFile("Modern.app", maskID));
        ASSERT_EQ(color.size(), QSize(side, side)) << colorID;
        ASSERT_EQ(mask.size(), QSize(side, side)) << maskID;
        int wrong = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb e = expected.pixel(x, y);
                wrong += color.pixel(x, y) != qRgb(qRed(e), qGreen(e), qBlue(e));
                wrong += mask.pixel(x, y) != qRgb(255 - qAlpha(e), 255 - qAlpha(e), 255 - qAlpha(e));
            }
        }
        EXPECT_EQ(wrong, 0) << side << " x " << side;
    }
}

TEST_F(FeltrixHostTest, AlphaPassGivesGreyMasksOfTheLargeElements) {
    for (int32_t iconID : {17, 19}) {
        const QImage mask = ImageOf(FromFile("Sample.app", iconID));
        const int side = iconID == 17 ? 256 : 512;
        ASSERT_EQ(mask.size(), QSize(side, side)) << iconID;
        EXPECT_EQ(mask.pixel(0, 0), kBlack) << iconID;
        EXPECT_EQ(mask.pixel(side / 2 - 1, side - 1), kBlack) << iconID;
        EXPECT_EQ(mask.pixel(side / 2, 0), kWhite) << iconID;
    }
    EXPECT_EQ(ImageOf(FromFile("Sample.app", 16)).pixel(0, 0), qRgb(255, 0, 0)) << "16 is the colour image";
}

TEST_F(FeltrixHostTest, SystemIconsTrashAndFolder) {
    const QImage trash = ImageOf(FromSystem(47, 5));
    const QImage folder = ImageOf(FromSystem(0, 5));
    ASSERT_EQ(trash.size(), QSize(16, 16));
    ASSERT_EQ(folder.size(), QSize(16, 16));
    EXPECT_NE(trash, folder);

    icons::IconRef trashRef;
    ASSERT_EQ(
        icons::GetIconRef(icons::kOnSystemDisk, icons::kSystemIconsCreator, carbon::FourCharCode("trsh"), &trashRef),
        carbon::noErr);
    const auto argb = LayerElement(trashRef, "is32");
    ASSERT_EQ(argb.size(), 1024u);
    for (int i = 0; i < 256; ++i) {
        const size_t p = 4 * size_t(i);
        EXPECT_EQ(trash.pixel(i % 16, i / 16), qRgb(argb[p + 1], argb[p + 2], argb[p + 3])) << i;
    }
    EXPECT_EQ(ImageOf(FromSystem(53, 5)), ImageOf(FromSystem(43, 5))) << "53 repeats 43";
}

}  // namespace
