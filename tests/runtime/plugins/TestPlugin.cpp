// A plug-in for the host's tests. It sees the runtime only through the C
// interface, as a real plug-in does.
//
// "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture" answers by
// iconID with a known picture (see the cases below); "TestPathPicture(f As
// FolderItem, n As Integer) As Picture" records what REALFSRefFromFolderItem
// gave. What REALPluginMain saw is exported for the tests to read.

#include <cstdint>
#include <cstring>
#include <string>

#include "runtime/plugins/PluginInterface.h"

namespace {

PluginResolver gResolver = nullptr;
PluginRegisterMethodProc gRegister = nullptr;
REALFSRefFromFolderItemProc gFSRef = nullptr;
REALBuildPictureFromGWorldProc gBuild = nullptr;
std::string gLastPath;
int32_t gLastFSRefResult = -1;

REALpicture Build(int32_t width, int32_t height, int32_t rowBytes, int32_t format, const void* pixels, size_t byteCount,
                  const uint32_t* table = nullptr, int32_t colorCount = 0) {
    REALpixelBuffer buffer{width, height, rowBytes, format, pixels, byteCount, table, colorCount};
    return gBuild(&buffer);
}

REALpicture GetIconFromFile(REALfolderItem, int32_t iconID) {
    switch (iconID) {
    case 1: {  // 3 x 2 ARGB, rows padded with junk, alpha bytes 0
        uint8_t px[32];
        std::memset(px, 0xEE, sizeof px);
        const uint8_t rows[2][12] = {
            {0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255},
            {0, 10, 20, 30, 0x7F, 40, 50, 60, 0, 255, 255, 255},
        };
        std::memcpy(px, rows[0], 12);
        std::memcpy(px + 16, rows[1], 12);
        REALpicture p = Build(3, 2, 16, REALPixelFormatARGB32, px, sizeof px);
        std::memset(px, 0, sizeof px);  // the runtime has its own copy
        return p;
    }
    case 2: {  // 2 x 2 grey, standard table
        const uint8_t px[4] = {0, 255, 128, 64};
        return Build(2, 2, 2, REALPixelFormatGray8, px, sizeof px);
    }
    case 3: {  // 10 x 1 one-bit, standard table: 1010 0000 11xx xxxx
        const uint8_t px[2] = {0xA0, 0xC0};
        return Build(10, 1, 2, REALPixelFormatMono1, px, sizeof px);
    }
    case 4: {  // 3 x 1 indexed with a two-entry table; index 5 lies beyond it
        const uint8_t px[3] = {0, 1, 5};
        const uint32_t table[2] = {0x00123456, 0x00ABCDEF};
        return Build(3, 1, 3, REALPixelFormatIndexed8, px, sizeof px, table, 2);
    }
    case 5: {  // 4 x 1 indexed, standard palette
        const uint8_t px[4] = {0, 215, 254, 255};
        return Build(4, 1, 4, REALPixelFormatIndexed8, px, sizeof px);
    }
    case 6: {  // two pictures built, the second returned
        const uint8_t white[1] = {0}, black[1] = {255};
        Build(1, 1, 1, REALPixelFormatGray8, white, 1);
        return Build(1, 1, 1, REALPixelFormatGray8, black, 1);
    }
    case 7:  // a handle the runtime never gave
        return reinterpret_cast<REALpicture>(static_cast<uintptr_t>(0x1000));
    case 8: {  // one byte short of the rows: 4 + 2 needed
        const uint8_t px[5] = {};
        return Build(2, 2, 4, REALPixelFormatGray8, px, sizeof px);
    }
    case 9: {  // rows narrower than a row of pixels
        const uint8_t px[16] = {};
        return Build(2, 2, 7, REALPixelFormatARGB32, px, sizeof px);
    }
    case 10: {  // an unknown format
        const uint8_t px[16] = {};
        return Build(2, 2, 8, 16, px, sizeof px);
    }
    default:  // no icon
        return nullptr;
    }
}

REALpicture TestPathPicture(REALfolderItem f, int32_t) {
    REALfsRef ref{nullptr, 0};
    gLastFSRefResult = gFSRef(f, &ref);
    gLastPath = gLastFSRefResult ? std::string(ref.posixPath, ref.pathLength) : std::string();
    const uint8_t px[1] = {255};
    return gLastFSRefResult ? Build(1, 1, 1, REALPixelFormatGray8, px, 1) : nullptr;
}

}  // namespace

extern "C" {

struct TestPluginReport {
    int32_t registered[4];  // GetIconFromFile, TestPathPicture, a respelt duplicate, a null function
    int32_t unknownNameResolved;
    int32_t pictureOutsideCall;
};

TestPluginReport gTestPluginReport;

TestPluginReport* TestPluginGetReport() { return &gTestPluginReport; }
const char* TestPluginLastPath() { return gLastPath.c_str(); }
int32_t TestPluginLastFSRefResult() { return gLastFSRefResult; }

// Registration after REALPluginMain has returned.
int32_t TestPluginRegisterLate() {
    REALmethodDefinition late{reinterpret_cast<void*>(&TestPathPicture), nullptr,
                              "Late(f As FolderItem, n As Integer) As Picture", 0};
    return gRegister(&late);
}

void REALPluginMain(PluginResolver resolver) {
    gResolver = resolver;
    auto registerVersion = reinterpret_cast<RegisterPluginVersionProc>(resolver("RegisterPluginVersion"));
    registerVersion(REAL_PLUGIN_INTERFACE_VERSION);

    gRegister = reinterpret_cast<PluginRegisterMethodProc>(resolver("PluginRegisterMethod"));
    gFSRef = reinterpret_cast<REALFSRefFromFolderItemProc>(resolver("REALFSRefFromFolderItem"));
    gBuild = reinterpret_cast<REALBuildPictureFromGWorldProc>(resolver("REALBuildPictureFromGWorld"));

    const REALmethodDefinition icon{reinterpret_cast<void*>(&GetIconFromFile), nullptr,
                                    "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture", 0};
    const REALmethodDefinition path{reinterpret_cast<void*>(&TestPathPicture), nullptr,
                                    "TestPathPicture(f As FolderItem, n As Integer) As Picture", 0};
    const REALmethodDefinition respelt{reinterpret_cast<void*>(&TestPathPicture), nullptr,
                                       "  getIconFromFile ( f as FolderItem,iconID as integer )  as PICTURE", 0};
    const REALmethodDefinition noFunction{nullptr, nullptr, "Nothing(f As FolderItem) As Picture", 0};
    gTestPluginReport.registered[0] = gRegister(&icon);
    gTestPluginReport.registered[1] = gRegister(&path);
    gTestPluginReport.registered[2] = gRegister(&respelt);
    gTestPluginReport.registered[3] = gRegister(&noFunction);

    gTestPluginReport.unknownNameResolved = resolver("REALGetPictureOfTheDay") != nullptr;
    const uint8_t px[1] = {0};
    gTestPluginReport.pictureOutsideCall = Build(1, 1, 1, REALPixelFormatGray8, px, 1) != nullptr;
}

}  // extern "C"
