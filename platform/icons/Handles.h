#pragma once
// Relocatable blocks of memory, as the Memory Manager hands them out.
//
// A handle owns its bytes. A locked handle cannot change size, so a pointer to
// its data stays valid until it is unlocked. Every function takes null.

#include <cstddef>
#include <cstdint>

#include "platform/icons/MacTypes.h"

namespace platform::icons {

struct HandleRecord;
using Handle = HandleRecord*;

// A new handle of `size` zero bytes; nullptr when the memory is not there.
Handle NewHandle(size_t size);
void DisposeHandle(Handle h);

size_t GetHandleSize(Handle h);  // 0 for null
// memLockedErr for a locked handle, memFullErr when the memory is not there.
OSErr SetHandleSize(Handle h, size_t size);

// Locks nest: the handle is unlocked again after as many HUnlock.
void HLock(Handle h);
void HUnlock(Handle h);
bool HIsLocked(Handle h);

// The first byte of the handle's data; nullptr for null or an empty handle.
uint8_t* HandleData(Handle h);

}  // namespace platform::icons
