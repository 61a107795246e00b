// Icons of items and system icons: bundles, MIME types, the cache and the
// element data handed out.

#include "platform/icons/IconServices.h"

#include <sys/stat.h>

#include <string>
#include <thread>

#include <QApplication>
#include <QStyle>
#include <gtest/gtest.h>

#include "platform/icons/ElementTypes.h"
#include "platform/icons/FamilyCache.h"
#include "platform/icons/IcnsReader.h"
#include "tests/platform/icons/ElementCodes.h"
#include "tests/support/IcnsBuilder.h"

namespace {

using namespace platform::carbon;
using namespace platform::icons;
using namespace icontest;
using namespace testsupport;
namespace fs = std::filesystem;

IconFamilyHandle FamilyOf(const fs::path& path) {
    IconRef ref;
    EXPECT_EQ(GetIconRefFromFileInfo(path.string(), &ref), noErr);
    IconFamilyHandle family;
    EXPECT_EQ(IconRefToIconFamily(ref, kSelectorAllAvailableData, &family), noErr);
    return family;
}

IconFamilyHandle SystemFamily(const char (&type)[5]) {
    IconRef ref;
    EXPECT_EQ(GetIconRef(kOnSystemDisk, kSystemIconsCreator, FourCharCode(type), &ref), noErr);
    IconFamilyHandle family;
    EXPECT_EQ(IconRefToIconFamily(ref, kSelectorAllAvailableData, &family), noErr);
    return family;
}

Bytes Element(const IconFamilyHandle& family, OSType type) {
    Handle h = NewHandle(0);
    Bytes out;
    if (GetIconFamilyData(family, type, h) == noErr) {
        const std::string bytes = HandleContents(h);
        out.assign(bytes.begin(), bytes.end());
    }
    DisposeHandle(h);
    return out;
}

class IconServicesTest : public ::testing::Test {
protected:
    void SetUp() override { FamilyCache::Shared().Clear(); }
    testsupport::TempFolder tmp_;
    const fs::path dir_ = tmp_.Path();
};

TEST_F(IconServicesTest, BundleIconIsTheIcnsFileItsInfoPlistNames) {
    const Bytes icns = Icns().Add("is32", PackedColor(256, 10, 20, 30)).Add("ics#", Bytes(64, 0x0F)).Data();
    MakeBundle(dir_ / "Sample.app", "Sample", "Sample.icns", icns);  // ".icns" added to the name
    const auto family = FamilyOf(dir_ / "Sample.app");
    ASSERT_NE(family, nullptr);
    const Bytes color = Element(family, kIs32);
    ASSERT_EQ(color.size(), 1024u);
    EXPECT_EQ((Bytes(color.begin(), color.begin() + 4)), (Bytes{255, 10, 20, 30}));
    EXPECT_EQ(Element(family, kIcsMono), Bytes(64, 0x0F));
    EXPECT_TRUE(Element(family, kS8mk).empty()) << "the file has no such element, and none is made up";

    MakeBundle(dir_ / "Named.app", "Named.icns", "Named.icns", icns);  // named with its extension
    EXPECT_EQ(Element(FamilyOf(dir_ / "Named.app"), kIcsMono), Bytes(64, 0x0F));
}

TEST_F(IconServicesTest, ApplicationWithoutAUsableIconGetsTheGenericApplicationIcon) {
    const Bytes damaged = {'i', 'c', 'n', 's', 0xFF, 0xFF};
    MakeBundle(dir_ / "Broken.bundle", "Broken", "Broken.icns", damaged);
    EXPECT_TRUE(FamilyOf(dir_ / "Broken.bundle")->ElementTypes().empty()) << "not an application";

    MakeBundle(dir_ / "Broken.app", "Broken", "Broken.icns", damaged);
    MakeBundle(dir_ / "NoIcon.APP", "", "", {});
    MakeBundle(dir_ / "Escape.app", "../../Escape", "", {});
    WriteFile(dir_ / "Escape.icns", Icns().Add("ics#", Bytes(64, 1)).Data());
    // FIFOs in place of the Info.plist and of the icon file: reading them must not block.
    fs::create_directories(dir_ / "PipedPlist.app" / "Contents");
    ASSERT_EQ(mkfifo((dir_ / "PipedPlist.app" / "Contents" / "Info.plist").c_str(), 0600), 0);
    MakeBundle(dir_ / "PipedIcon.app", "Piped", "", {});
    fs::create_directories(dir_ / "PipedIcon.app" / "Contents" / "Resources");
    ASSERT_EQ(mkfifo((dir_ / "PipedIcon.app" / "Contents" / "Resources" / "Piped.icns").c_str(), 0600), 0);

    const Bytes application = Element(SystemFamily("APPL"), kIs32);
    ASSERT_EQ(application.size(), 1024u);
    fs::create_directory(dir_ / "plain");
    const Bytes folder = Element(FamilyOf(dir_ / "plain"), kIs32);
    EXPECT_NE(folder, application);
    for (const char* bundle : {"Broken.app", "NoIcon.APP", "Escape.app", "PipedPlist.app", "PipedIcon.app"})
        EXPECT_EQ(Element(FamilyOf(dir_ / bundle), kIs32), application) << bundle;

    ASSERT_EQ(mkfifo((dir_ / "pipe.txt").c_str(), 0600), 0);
    EXPECT_EQ(Element(FamilyOf(dir_ / "pipe.txt"), kIs32).size(), 1024u) << "a FIFO item gets an icon";
}

TEST_F(IconServicesTest, FamiliesAreKeptPerIconFileUntilItChanges) {
    const fs::path icnsPath = dir_ / "A.app" / "Contents" / "Resources" / "A.icns";
    MakeBundle(dir_ / "A.app", "A", "A.icns", Icns().Add("ics#", Bytes(64, 1)).Data());
    const auto first = FamilyOf(dir_ / "A.app");
    EXPECT_EQ(FamilyOf(dir_ / "A.app"), first);

    WriteFile(icnsPath, Icns().Add("ics#", Bytes(64, 2)).Data());
    fs::last_write_time(icnsPath, fs::last_write_time(icnsPath) + std::chrono::seconds(5));
    const auto second = FamilyOf(dir_ / "A.app");
    EXPECT_NE(second, first);
    EXPECT_EQ(Element(second, kIcsMono), Bytes(64, 2));
}

TEST(FamilyCache, KeptImagesCountAgainstItsBudget) {
    const auto padded = [](Bytes png) {
        png.resize(png.size() + (1u << 20), 0);  // junk after the image
        return png;
    };
    const auto family = ReadIcnsData(Icns()
                                         .Add("ic12", padded(PngBytes(HalfOpaqueImage(64, 64))))
                                         .Add("ic09", padded(PngBytes(HalfOpaqueImage(512, 512))))
                                         .Data());
    ASSERT_TRUE(family->HasElement(kIs32) && family->HasElement(kIt32));
    const size_t bytes = family->ByteSize();
    EXPECT_GE(bytes, 512u * 512u * 4u) << "ic09 decoded is kept for it32";
    EXPECT_LT(bytes, 2u << 20) << "the PNG bytes decoded are not kept";
    for (const ElementType& element : kElementTypes) static_cast<void>(family->ElementBytes(element.type));
    EXPECT_EQ(family->ByteSize(), bytes) << "what elements made later keep is counted from the start";

    FamilyCache cache(64, 3u << 20);
    for (int i = 0; i < 8; ++i) cache.Insert(std::to_string(i), family);
    EXPECT_EQ(cache.Size(), 2u);
    EXPECT_LE(cache.Bytes(), 3u << 20);
    EXPECT_NE(cache.Find("7"), nullptr);
    EXPECT_EQ(cache.Find("0"), nullptr) << "the least recently used go first";
    FamilyCache small(64, 1u << 20);
    small.Insert("large", family);
    EXPECT_EQ(small.Size(), 0u) << "larger than the whole budget";
}

TEST_F(IconServicesTest, AnyOtherItemGetsItsMimeTypeIconInEveryElement) {
    WriteFile(dir_ / "notes.txt", "some text\n");
    const auto family = FamilyOf(dir_ / "notes.txt");
    ASSERT_NE(family, nullptr);
    for (const ElementType& element : kElementTypes)
        EXPECT_EQ(Element(family, element.type).size(), element.DataSize()) << element.width << "x" << element.height;

    const Bytes color = Element(family, kIs32);
    const Bytes mask = Element(family, kS8mk);
    const Bytes mono = Element(family, kIcsMono);
    size_t opaque = 0;
    for (size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(color[4 * i], mask[i]) << "the 8-bit mask is the alpha of the colour element";
        const bool maskBit = mono[32 + i / 8] & (0x80 >> (i % 8));
        EXPECT_EQ(maskBit, mask[i] >= 128) << "the 1-bit mask half follows the alpha";
        opaque += mask[i] == 255;
    }
    EXPECT_GT(opaque, 0u) << "the icon shows something";

    // Items of one MIME type share a family; a folder's differs.
    WriteFile(dir_ / "other.txt", "more\n");
    EXPECT_EQ(FamilyOf(dir_ / "other.txt"), family);
    EXPECT_NE(Element(FamilyOf(dir_), kIs32), color);
}

TEST_F(IconServicesTest, SystemIconsByCreatorAndType) {
    const Bytes trash = Element(SystemFamily("trsh"), kIs32);
    ASSERT_EQ(trash.size(), 1024u);
    EXPECT_NE(trash, Element(SystemFamily("fldr"), kIs32));
    if (!QIcon::hasThemeIcon("user-trash")) {
        const QImage expected = QApplication::style()
                                    ->standardIcon(QStyle::SP_TrashIcon)
                                    .pixmap(16, 16)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(trash[4 * 17 + 1], qRed(expected.pixel(1, 1)));
    }

    IconRef ref;
    EXPECT_EQ(GetIconRef(kOnSystemDisk, FourCharCode("abcd"), FourCharCode("trsh"), &ref), noSuchIconErr);
    EXPECT_EQ(GetIconRef(kOnSystemDisk, kSystemIconsCreator, FourCharCode("none"), &ref), noSuchIconErr);
    EXPECT_EQ(GetIconRef(1, kSystemIconsCreator, FourCharCode("trsh"), &ref), paramErr);
    EXPECT_EQ(ref, nullptr);
}

TEST_F(IconServicesTest, FailuresAreReportedNotCrashed) {
    IconRef ref;
    EXPECT_EQ(GetIconRefFromFileInfo((dir_ / "missing").string(), &ref), fnfErr);
    EXPECT_EQ(GetIconRefFromFileInfo("", &ref), fnfErr);
    EXPECT_EQ(GetIconRefFromFileInfo(dir_.string(), nullptr), paramErr);
    IconFamilyHandle family;
    EXPECT_EQ(IconRefToIconFamily(nullptr, kSelectorAllAvailableData, &family), invalidIconRefErr);

    const auto folder = FamilyOf(dir_);
    Handle h = NewHandle(4);
    EXPECT_EQ(GetIconFamilyData(folder, FourCharCode("zzzz"), h), noSuchIconErr);
    EXPECT_EQ(GetHandleSize(h), 0);
    HLock(h);
    EXPECT_EQ(GetIconFamilyData(folder, kIs32, h), memLockedErr);
    HUnlock(h);
    EXPECT_EQ(GetIconFamilyData(nullptr, kIs32, h), paramErr);
    EXPECT_EQ(GetIconFamilyData(folder, kIs32, 0), paramErr);
    DisposeHandle(h);
    EXPECT_EQ(GetIconFamilyData(folder, kIs32, h), nilHandleErr);
}

TEST_F(IconServicesTest, DesktopIconsAreDrawnOnlyOnTheApplicationThread) {
    WriteFile(dir_ / "page.html", "<html></html>");
    OSErr result = noErr;
    std::thread([&] {
        IconRef ref;
        IconFamilyHandle family;
        if (GetIconRefFromFileInfo((dir_ / "page.html").string(), &ref) == noErr)
            result = IconRefToIconFamily(ref, kSelectorAllAvailableData, &family);
    }).join();
    EXPECT_EQ(result, noSuchIconErr);
}

}  // namespace
