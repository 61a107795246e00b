#include "foundation/DecrareEtc.h"

#include <limits>
#include <string_view>

#include "platform/carbon/Carbon.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;
namespace carbon = platform::carbon;

namespace DecrareEtc {

int32_t TextToHandle(const String& s) {
    const int32_t n = LenB(s);
    if (n == std::numeric_limits<int32_t>::max()) return 0;
    const carbon::Handle h = carbon::NewHandle(n + 1);
    if (h == 0) return 0;
    const int8_t state = carbon::HGetState(h);
    carbon::HLock(h);
    // The bytes and the terminating 0 written in place, the data not copied.
    carbon::OSErr written = carbon::SetHandleBytes(h, 0, s.Bytes());
    if (written == carbon::noErr) written = carbon::SetHandleBytes(h, n, std::string_view("\0", 1));
    carbon::HSetState(h, state);
    if (written != carbon::noErr || carbon::SetHandleSize(h, n) != carbon::noErr) {
        carbon::DisposeHandle(h);
        return 0;
    }
    return h;
}

String GetFullPath(int32_t vRefNum, int32_t dirID) {
    carbon::Str255 name = {};
    carbon::CInfoPBRec pb;
    pb.ioNamePtr = name;
    pb.ioVRefNum = static_cast<int16_t>(vRefNum);
    pb.ioFDirIndex = -1;
    pb.ioDrParID = dirID;
    std::string path;
    for (;;) {
        pb.ioDrDirID = pb.ioDrParID;
        const carbon::OSErr result = carbon::PBGetCatInfoSync(&pb);
        if (result == carbon::noErr) path = std::string(reinterpret_cast<const char*>(name + 1), name[0]) + ":" + path;
        RuntimeBackgroundTask();
        if (pb.ioDrDirID == carbon::kRootParentDirID || result != carbon::noErr) break;
    }
    return String::FromBytes(std::move(path), Encodings::MacJapanese());
}

}  // namespace DecrareEtc
