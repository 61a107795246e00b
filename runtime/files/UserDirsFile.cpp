#include "runtime/files/UserDirsFile.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace runtime::files {

namespace {

constexpr std::array<std::string_view, 8> kUserDirs = {"DESKTOP",   "DOWNLOAD", "TEMPLATES", "PUBLICSHARE",
                                                       "DOCUMENTS", "MUSIC",    "PICTURES",  "VIDEOS"};

bool IsUserDirVariable(std::string_view name) {
    if (!name.starts_with("XDG_") || !name.ends_with("_DIR") || name.size() < 8) return false;
    return std::ranges::find(kUserDirs, name.substr(4, name.size() - 8)) != kUserDirs.end();
}

// The path a value gives: the text between double quotes, unescaped, a
// leading "$HOME" replaced by home. Nullopt when the quote is not closed, the
// value asks for another expansion ($ or `), or the path is not absolute.
std::optional<std::string> PathOfValue(std::string_view value, std::string_view home) {
    if (!value.starts_with('"')) return std::nullopt;
    std::string path;
    size_t i = 1;
    if (value.substr(i).starts_with("$HOME")) {
        path = home;
        i += 5;
        if (i < value.size() && value[i] != '/' && value[i] != '"') return std::nullopt;  // "$HOMEDIR"
    }
    for (; i < value.size(); ++i) {
        char c = value[i];
        if (c == '"') return path.starts_with('/') ? std::optional(path) : std::nullopt;
        if (c == '$' || c == '`') return std::nullopt;
        if (c == '\\' && i + 1 < value.size() &&
            std::string_view("$`\"\\").find(value[i + 1]) != std::string_view::npos)
            c = value[++i];
        path += c;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> ParseUserDirs(std::string_view text, std::string_view home) {
    std::map<std::string_view, std::string> byName;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || line.find('\0') != std::string_view::npos) continue;
        const std::string_view name = line.substr(0, equals);
        if (!IsUserDirVariable(name)) continue;
        if (auto path = PathOfValue(line.substr(equals + 1), home)) byName[name] = std::move(*path);
    }
    std::vector<std::string> paths;
    for (auto& [name, path] : byName) paths.push_back(std::move(path));
    return paths;
}

}  // namespace runtime::files
