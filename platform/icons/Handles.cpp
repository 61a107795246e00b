#include "platform/icons/Handles.h"

#include <new>
#include <vector>

namespace platform::icons {

struct HandleRecord {
    std::vector<uint8_t> bytes;
    int locks = 0;
};

Handle NewHandle(size_t size) {
    try {
        auto* h = new HandleRecord;
        h->bytes.resize(size);
        return h;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void DisposeHandle(Handle h) { delete h; }

size_t GetHandleSize(Handle h) { return h ? h->bytes.size() : 0; }

OSErr SetHandleSize(Handle h, size_t size) {
    if (!h) return paramErr;
    if (h->locks > 0 && size != h->bytes.size()) return memLockedErr;
    try {
        h->bytes.resize(size);
    } catch (const std::bad_alloc&) {
        return memFullErr;
    }
    return noErr;
}

void HLock(Handle h) {
    if (h) ++h->locks;
}

void HUnlock(Handle h) {
    if (h && h->locks > 0) --h->locks;
}

bool HIsLocked(Handle h) { return h && h->locks > 0; }

uint8_t* HandleData(Handle h) { return h && !h->bytes.empty() ? h->bytes.data() : nullptr; }

}  // namespace platform::icons
