#include "platform/carbon/Handles.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <new>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace platform::carbon {
namespace {

struct Block {
    std::vector<uint8_t> bytes;
    bool locked = false;
};

// Blocks live in the map's nodes, which never move, so a locked block's
// bytes stay where HandleData found them.
struct HandleTable {
    std::mutex mutex;
    std::unordered_map<Handle, Block> blocks;
    Handle next = 1;

    // A number not in use; never 0 or negative.
    Handle Allocate() {
        while (blocks.count(next) != 0) Advance();
        const Handle h = next;
        Advance();
        return h;
    }

    void Advance() { next = next == std::numeric_limits<Handle>::max() ? 1 : next + 1; }

    Block* Find(Handle h) {
        const auto it = blocks.find(h);
        return it == blocks.end() ? nullptr : &it->second;
    }
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

}  // namespace

Handle NewHandle(int32_t size) {
    if (size < 0) return 0;
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    try {
        Block block;
        block.bytes.assign(static_cast<size_t>(size), 0);
        const Handle h = table.Allocate();
        table.blocks.emplace(h, std::move(block));
        return h;
    } catch (const std::bad_alloc&) {
        return 0;
    } catch (const std::length_error&) {
        return 0;
    }
}

void DisposeHandle(Handle h) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.blocks.erase(h);
}

int8_t HGetState(Handle h) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    const Block* block = table.Find(h);
    return block && block->locked ? kHandleLockedState : 0;
}

void HSetState(Handle h, int8_t state) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    if (Block* block = table.Find(h)) block->locked = (state & kHandleLockedState) != 0;
}

void HLock(Handle h) { HSetState(h, kHandleLockedState); }

void HUnlock(Handle h) { HSetState(h, 0); }

int32_t GetHandleSize(Handle h) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    const Block* block = table.Find(h);
    return block ? static_cast<int32_t>(block->bytes.size()) : 0;
}

OSErr SetHandleSize(Handle h, int32_t size) {
    if (size < 0) return paramErr;
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    Block* block = table.Find(h);
    if (!block) return nilHandleErr;
    if (static_cast<size_t>(size) == block->bytes.size()) return noErr;
    if (block->locked) return memLockedErr;
    try {
        block->bytes.resize(static_cast<size_t>(size), 0);
    } catch (const std::bad_alloc&) {
        return memFullErr;
    } catch (const std::length_error&) {
        return memFullErr;
    }
    return noErr;
}

OSErr SetHandleBytes(Handle h, int32_t offset, std::string_view bytes) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    Block* block = table.Find(h);
    if (!block) return nilHandleErr;
    if (offset < 0 || static_cast<size_t>(offset) > block->bytes.size() ||
        bytes.size() > block->bytes.size() - static_cast<size_t>(offset))
        return paramErr;
    std::copy(bytes.begin(), bytes.end(), block->bytes.begin() + offset);
    return noErr;
}

std::string HandleContents(Handle h) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    const Block* block = table.Find(h);
    return block ? std::string(block->bytes.begin(), block->bytes.end()) : std::string();
}

uint8_t* HandleData(Handle h) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    Block* block = table.Find(h);
    return block && block->locked && !block->bytes.empty() ? block->bytes.data() : nullptr;
}

size_t LiveHandleCount() {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.blocks.size();
}

}  // namespace platform::carbon
