#include "foundation/Globals.h"

#include "platform/plist/Limits.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/TextInputStream.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace Globals {

std::vector<DictionaryRef> gItem;
std::vector<FolderItemRef> gDocDir;
bool gBeep = false;

namespace {

// The longest first line of a PkgInfo taken as it stands. A PkgInfo holds
// the type and the creator, four bytes each, and at most a line end.
constexpr int32_t kPkgInfoLineBytes = 256;

// contents/<name> of an item; nil when the item has no contents folder.
FolderItemRef ContentsChild(const FolderItemRef& item, const String& name) {
    FolderItemRef contents = item->Child("contents");
    if (!contents) return nullptr;
    return contents->Child(name);
}

}  // namespace

void gExtractBodyAndExtn(const String& name, String& body, String& extension) {
    const int32_t n = CountFields(name, ".");
    if (n <= 1) {
        body = name;
        return;
    }
    extension = NthField(name, ".", n);
    String joined = NthField(name, ".", 1);
    for (int32_t i = 2; i <= n - 1; ++i) {
        joined += String(".") + NthField(name, ".", i);
        RuntimeBackgroundTask();
    }
    body = joined;
}

String gExtractExtn(const String& name) {
    String body;
    String extension;
    gExtractBodyAndExtn(name, body, extension);
    return extension;
}

bool gAppPackage(const FolderItemRef& item) { return gExtractExtn(item->Name()) == "app" && item->MacType() == "fold"; }

String gGetTypeCre(const FolderItemRef& item) {
    if (!gAppPackage(item)) return item->MacType() + item->MacCreator();

    FolderItemRef pkgInfo = ContentsChild(item, "PkgInfo");
    if (!pkgInfo || !pkgInfo->Exists()) return "";
    TextInputStreamRef stream = pkgInfo->OpenAsTextFile();
    if (!stream) return "";
    String code = stream->Read(kPkgInfoLineBytes + 1);
    stream->Close();
    // The first line, ended as ReadLine ends it.
    for (const char* lineEnd : {"\r", "\n"})
        if (const int32_t at = InStrB(code, lineEnd); at > 0) code = LeftB(code, at - 1);
    // A longer line keeps a line end where it is cut: no code read as a line
    // holds one, so it equals none.
    if (LenB(code) > kPkgInfoLineBytes) code = LeftB(code, kPkgInfoLineBytes) + "\n";
    return code;
}

bool gGetTypeFileInfo(const FolderItemRef& item) {
    FolderItemRef infoPlist = ContentsChild(item, "Info.plist");
    if (!infoPlist || !infoPlist->Exists()) return false;
    TextInputStreamRef stream = infoPlist->OpenAsTextFile();
    if (!stream) return false;
    // A file larger than any Info.plist the program reads is not read at all,
    // as the icon lookup does not read it.
    const int64_t bound = int64_t(platform::plist::kMaxInfoPlistBytes);
    String text = stream->Read(bound + 1);
    stream->Close();
    return LenB(text) <= bound && InStrB(text, "KELDO Software") > 0;
}

String gAbsPath_ex(const String& data) {
    const int32_t length = LenB(data);
    for (int32_t i = 1; i <= length - 2; ++i) {
        const bool tag =
            AscB(MidB(data, i, 1)) == 0 && AscB(MidB(data, i + 1, 1)) == 2 && AscB(MidB(data, i + 2, 1)) == 0;
        RuntimeBackgroundTask();
        if (!tag) continue;
        const int32_t n = AscB(MidB(data, i + 3, 1));
        if (n > 0) return MidB(data, i + 4, n);
    }
    return data;
}

String gDateTime(const DateRef& date) {
    if (!date) return "";
    return date->AbbreviatedDate() + " " + Format(date->Hour(), "00") + ":" + Format(date->Minute(), "00") + ":" +
           Format(date->Second(), "00");
}

}  // namespace Globals
