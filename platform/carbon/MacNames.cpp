#include "platform/carbon/MacNames.h"

#include <cstring>

#include "runtime/core/Encodings.h"
#include "runtime/core/MacJapaneseForms.h"
#include "runtime/core/TextConverter.h"
#include "runtime/files/PathForms.h"

namespace platform::carbon::detail {

std::optional<std::string> MacJapaneseName(std::string_view linuxName) {
    const std::string mac = runtime::files::MacNameFromLinux(linuxName);
    const runtime::String bytes = runtime::ConvertEncoding(runtime::String(mac), runtime::Encodings::MacJapanese());
    // Bytes that are no UTF-8 and characters without a Mac Japanese form do
    // not come back as they went; full-width forms come back in their JIS form.
    if (Utf8FromMacJapanese(bytes.Bytes()) != runtime::MacJapaneseForms(mac)) return std::nullopt;
    return bytes.Bytes();
}

std::string Utf8FromMacJapanese(std::string_view bytes) {
    return runtime::String::FromBytes(std::string(bytes), runtime::Encodings::MacJapanese()).ToUTF8();
}

bool StorePString(unsigned char* target, size_t capacity, std::string_view bytes) {
    if (bytes.size() > capacity || bytes.size() > 255) return false;
    target[0] = static_cast<unsigned char>(bytes.size());
    std::memcpy(target + 1, bytes.data(), bytes.size());
    return true;
}

}  // namespace platform::carbon::detail
