#include "platform/icons/RunLength.h"

namespace platform::icons {

std::optional<std::vector<uint8_t>> UnpackRuns(const uint8_t* data, size_t size, size_t outSize) {
    if (!data && size > 0) return std::nullopt;
    std::vector<uint8_t> out;
    out.reserve(outSize);
    size_t i = 0;
    while (out.size() < outSize) {
        if (i >= size) return std::nullopt;
        const uint8_t code = data[i++];
        if (code < 0x80) {
            const size_t count = size_t(code) + 1;
            if (count > size - i || count > outSize - out.size()) return std::nullopt;
            out.insert(out.end(), data + i, data + i + count);
            i += count;
        } else {
            const size_t count = size_t(code) - 0x80 + 3;
            if (i >= size || count > outSize - out.size()) return std::nullopt;
            out.insert(out.end(), count, data[i++]);
        }
    }
    return out;
}

}  // namespace platform::icons
