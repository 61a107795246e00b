#include "runtime/core/MacJapaneseForms.h"

#include <unicode/utf8.h>

namespace runtime {

std::string MacJapaneseForms(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto n = static_cast<int32_t>(utf8.size());
    for (int32_t i = 0; i < n;) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(utf8.data(), i, n, c);
        const MacJapaneseVariant* variant = nullptr;
        for (const MacJapaneseVariant& v : kMacJapaneseVariants)
            if (c == static_cast<UChar32>(v.windows)) variant = &v;
        if (!variant) {
            out.append(utf8.substr(static_cast<size_t>(start), static_cast<size_t>(i - start)));
            continue;
        }
        c = static_cast<UChar32>(variant->jis);
        char buffer[U8_MAX_LENGTH];
        int32_t length = 0;
        U8_APPEND_UNSAFE(buffer, length, c);
        out.append(buffer, static_cast<size_t>(length));
    }
    return out;
}

}  // namespace runtime
