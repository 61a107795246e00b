#pragma once
// Memory Manager handles. A handle is a number, as the program stores it,
// naming a block of bytes in this layer's table; 0 is no handle. Every call
// takes 0 or an unknown number and does nothing with it.
//
// Locking is one state, as HGetState reports it: HLock on a locked handle
// changes nothing and one HUnlock unlocks it. A locked block never moves or
// changes size, so HandleData's pointer stays valid until the handle is
// unlocked or disposed of.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/carbon/MacTypes.h"

namespace platform::carbon {

using Handle = int32_t;

inline constexpr int8_t kHandleLockedState = static_cast<int8_t>(0x80);

// A block of size bytes, all 0; 0 when size is negative or there is no room.
Handle NewHandle(int32_t size);
// Frees the block, locked or not.
void DisposeHandle(Handle h);

// Lock state: kHandleLockedState or 0 (0 for an unknown handle).
int8_t HGetState(Handle h);
void HSetState(Handle h, int8_t state);
void HLock(Handle h);
void HUnlock(Handle h);

// The block's size; 0 for an unknown handle.
int32_t GetHandleSize(Handle h);
// Grows (with bytes of 0) or cuts the block. paramErr for a negative size,
// nilHandleErr for an unknown handle, memLockedErr for a locked one whose
// size would change, memFullErr when there is no room.
[[nodiscard]] OSErr SetHandleSize(Handle h, int32_t size);

// Copies bytes into the block at offset; paramErr, and nothing written, when
// they would not fit inside it.
[[nodiscard]] OSErr SetHandleBytes(Handle h, int32_t offset, std::string_view bytes);
// A copy of the block's bytes; "" for an unknown handle.
std::string HandleContents(Handle h);

// The first of the block's GetHandleSize bytes, for a locked handle that has
// any; nullptr otherwise.
uint8_t* HandleData(Handle h);

// Handles made and not yet disposed of (leak checks).
size_t LiveHandleCount();

}  // namespace platform::carbon
