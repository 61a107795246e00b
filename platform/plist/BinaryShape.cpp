#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/plist/Limits.h"
#include "platform/plist/ListShape.h"

namespace platform::plist {

namespace {

constexpr size_t kMagicBytes = 8;     // "bplist00"
constexpr size_t kTrailerBytes = 32;  // the widths, the counts and the offset table's place

// The high four bits of an object's marker; the low four hold a count, 15
// meaning that an integer object holding it follows.
constexpr uint8_t kInteger = 0x1;
constexpr uint8_t kData = 0x4;
constexpr uint8_t kAsciiString = 0x5;
constexpr uint8_t kUtf16String = 0x6;
constexpr uint8_t kArray = 0xA;
constexpr uint8_t kSet = 0xC;  // parsed as an array
constexpr uint8_t kDictionary = 0xD;
constexpr uint64_t kCountFollows = 0xF;

// The widths in which libplist reads offsets and references as they are
// written, big-endian.
bool IsReadWidth(size_t n) { return n == 1 || n == 2 || n == 3 || n == 4 || n == 8; }

uint64_t ReadBig(const uint8_t* p, size_t n) {
    uint64_t value = 0;
    for (size_t i = 0; i < n; ++i) value = (value << 8) | p[i];
    return value;
}

class BinaryList {
public:
    explicit BinaryList(std::string_view bytes)
        : data_(reinterpret_cast<const uint8_t*>(bytes.data())), size_(bytes.size()) {}

    bool Fits() {
        if (!ReadTrailer()) return false;
        state_.assign(objects_, kNotReached);
        height_.assign(objects_, 0);
        values_.assign(objects_, 0);
        bytes_.assign(objects_, 0);
        if (!Enter(top_)) return false;
        while (!path_.empty()) {
            Visit& visit = path_.back();
            if (visit.next < visit.object.references) {
                const uint64_t child = Reference(visit.object, visit.next++);
                if (child >= objects_ || state_[child] == kOnThePath) return false;
                if (state_[child] == kNotReached) {
                    if (!Enter(child)) return false;
                } else if (!Fold(visit.index, child)) {
                    return false;
                }
                continue;
            }
            const uint64_t done = visit.index;
            state_[done] = kWalked;
            path_.pop_back();
            if (!path_.empty() && !Fold(path_.back().index, done)) return false;
        }
        return true;
    }

private:
    // Where an object's references begin, how many there are, and the bytes
    // libplist allocates for the object's own value.
    struct Object {
        uint64_t referencesAt = 0;
        uint64_t references = 0;
        uint64_t bytes = 0;
    };
    struct Visit {
        uint64_t index;
        Object object;
        uint64_t next = 0;  // the reference to follow next
    };
    enum State : uint8_t { kNotReached, kOnThePath, kWalked };

    bool ReadTrailer() {
        if (size_ < kMagicBytes + kTrailerBytes) return false;
        const uint8_t* trailer = data_ + size_ - kTrailerBytes;
        offsetWidth_ = trailer[6];
        referenceWidth_ = trailer[7];
        objects_ = ReadBig(trailer + 8, 8);
        top_ = ReadBig(trailer + 16, 8);
        table_ = ReadBig(trailer + 24, 8);
        const uint64_t end = size_ - kTrailerBytes;
        // More objects than values would be more values than kMaxValues, as
        // writers write only the objects they refer to.
        return IsReadWidth(offsetWidth_) && IsReadWidth(referenceWidth_) && objects_ > 0 && objects_ <= kMaxValues &&
               top_ < objects_ && table_ >= kMagicBytes && table_ < end && objects_ <= (end - table_) / offsetWidth_;
    }

    // The object at the index; nullopt when it runs into the offset table or
    // is a string holding U+0000.
    std::optional<Object> Read(uint64_t index) const {
        uint64_t at = ReadBig(data_ + table_ + index * offsetWidth_, offsetWidth_);
        if (at >= table_) return std::nullopt;
        const uint8_t kind = data_[at] >> 4;
        uint64_t count = data_[at] & 0x0F;
        ++at;
        const bool counted = kind == kData || kind == kAsciiString || kind == kUtf16String || kind == kArray ||
                             kind == kSet || kind == kDictionary;
        if (counted && count == kCountFollows) {
            if (at >= table_ || data_[at] >> 4 != kInteger) return std::nullopt;
            const unsigned widthLog = data_[at] & 0x0F;
            if (widthLog > 3 || (uint64_t(1) << widthLog) > table_ - at - 1) return std::nullopt;
            const size_t width = size_t(1) << widthLog;
            count = ReadBig(data_ + at + 1, width);
            at += 1 + width;
        }
        const uint64_t room = table_ - at;
        Object object{at, 0, 0};
        switch (kind) {
        case kData: object.bytes = count; break;
        case kAsciiString:
            if (count > room || std::memchr(data_ + at, 0, size_t(count))) return std::nullopt;
            object.bytes = count + 1;
            break;
        case kUtf16String:
            if (count > room / 2) return std::nullopt;
            for (uint64_t i = 0; i < count; ++i)
                if (data_[at + 2 * i] == 0 && data_[at + 2 * i + 1] == 0) return std::nullopt;
            object.bytes = 3 * count + 1;  // count is at most half the list's size: no overflow
            break;
        case kArray:
        case kSet:
            if (count > room / referenceWidth_) return std::nullopt;
            object.references = count;
            break;
        case kDictionary:  // the keys' references, then the values'
            if (count > room / referenceWidth_ / 2) return std::nullopt;
            object.references = 2 * count;
            break;
        default: break;
        }
        return object;
    }

    uint64_t Reference(const Object& object, uint64_t i) const {
        return ReadBig(data_ + object.referencesAt + i * referenceWidth_, referenceWidth_);
    }

    bool Enter(uint64_t index) {
        if (path_.size() >= kMaxNesting) return false;
        const auto object = Read(index);
        if (!object || object->bytes > kMaxValueBytes) return false;
        state_[index] = kOnThePath;
        height_[index] = 1;
        values_[index] = 1;
        bytes_[index] = object->bytes;
        path_.push_back({index, *object});
        return true;
    }

    // Adds a walked child's levels, values and bytes to its parent's. Both
    // sides are within the bounds before, so no sum overflows.
    bool Fold(uint64_t parent, uint64_t child) {
        height_[parent] = std::max(height_[parent], height_[child] + 1);
        values_[parent] += values_[child];
        bytes_[parent] += bytes_[child];
        return height_[parent] <= kMaxNesting && values_[parent] <= kMaxValues && bytes_[parent] <= kMaxValueBytes;
    }

    const uint8_t* data_;
    size_t size_;
    size_t offsetWidth_ = 0;
    size_t referenceWidth_ = 0;
    uint64_t objects_ = 0;
    uint64_t top_ = 0;
    uint64_t table_ = 0;  // the offset table's place; every object lies before it

    std::vector<uint8_t> state_;
    std::vector<uint32_t> height_;  // levels from the object down, itself included
    std::vector<uint32_t> values_;  // values its parse makes, at most kMaxValues
    std::vector<uint64_t> bytes_;   // bytes of those values, at most kMaxValueBytes
    std::vector<Visit> path_;       // from the top object down to the one being walked
};

}  // namespace

bool BinaryListFits(std::string_view bytes) { return BinaryList(bytes).Fits(); }

}  // namespace platform::plist
