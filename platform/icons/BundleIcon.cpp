#include "platform/icons/BundleIcon.h"

#include <sys/stat.h>

#include <string_view>

#include "platform/icons/FileBytes.h"
#include "platform/plist/PropertyList.h"

namespace platform::icons {

namespace {

bool EndsWithIgnoringCase(std::string_view name, std::string_view lowerSuffix) {
    if (name.size() < lowerSuffix.size()) return false;
    for (size_t i = 0; i < lowerSuffix.size(); ++i) {
        char c = name[name.size() - lowerSuffix.size() + i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != lowerSuffix[i]) return false;
    }
    return true;
}

// The plist's CFBundleIconFile string, "" when there is none.
std::string IconFileName(const std::vector<uint8_t>& plistBytes) {
    const auto root =
        plist::ParsePropertyList(std::string_view(reinterpret_cast<const char*>(plistBytes.data()), plistBytes.size()));
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return {};
    return plist::StringValue(plist_dict_get_item(root.get(), "CFBundleIconFile")).value_or("");
}

// A name that stays inside the Resources folder.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

bool IsApplicationPackage(const std::string& folderPath) {
    std::string_view name(folderPath);
    while (name.size() > 1 && name.back() == '/') name.remove_suffix(1);
    if (const size_t slash = name.rfind('/'); slash != std::string_view::npos) name.remove_prefix(slash + 1);
    return name.size() > 4 && EndsWithIgnoringCase(name, ".app");
}

std::string BundleIconFile(const std::string& bundlePath) {
    const std::string contents = bundlePath + "/Contents";
    auto plistBytes = ReadFileBytes(contents + "/Info.plist", plist::kMaxInfoPlistBytes);
    if (!plistBytes) return {};
    std::string name = IconFileName(*plistBytes);
    if (!IsPlainFileName(name)) return {};
    if (!EndsWithIgnoringCase(name, ".icns")) name += ".icns";
    const std::string path = contents + "/Resources/" + name;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return path;
}

}  // namespace platform::icons
