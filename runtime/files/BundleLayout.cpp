#include "runtime/files/BundleLayout.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "runtime/files/NameOrder.h"
#include "runtime/files/PathForms.h"

namespace runtime::files {

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && NamesEqualIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace

std::string ExecutablePath() {
    std::string path(PATH_MAX, '\0');  // on the heap: this may run on a fiber's small stack
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<size_t>(n) >= path.size()) return {};
    path.resize(static_cast<size_t>(n));
    return path;
}

std::string ApplicationFolderOf(std::string_view executable) {
    const std::string macOS = ParentPath(executable);
    const std::string contents = ParentPath(macOS);
    const std::string bundle = ParentPath(contents);
    if (NamesEqualIgnoringCase(LastName(contents), "Contents") && EndsWithIgnoringCase(LastName(bundle), ".app"))
        return ParentPath(bundle);
    return macOS;
}

std::string HelpersFolderOf(std::string_view executable) {
    const std::string helpers = JoinPath(ParentPath(ParentPath(executable)), "Helpers");
    struct stat st;
    if (stat(helpers.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
    return helpers;
}

}  // namespace runtime::files
