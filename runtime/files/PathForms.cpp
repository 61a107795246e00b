#include "runtime/files/PathForms.h"

#include "runtime/files/NameOrder.h"

namespace runtime::files {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && NamesEqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool IsUsableName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

std::string LinuxNameFromMac(std::string_view macName) {
    std::string name(macName);
    for (char& c : name)
        if (c == '/') c = ':';
    return name;
}

std::string MacNameFromLinux(std::string_view linuxName) {
    std::string name(linuxName);
    for (char& c : name)
        if (c == ':') c = '/';
    return name;
}

std::optional<PathNames> ParsePosixPath(std::string_view path) {
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string_view::npos) return std::nullopt;
    PathNames names;
    for (std::string_view part : Split(path.substr(1), '/')) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.emplace_back(part);
    }
    return names;
}

std::string PosixPathFromNames(const PathNames& names) {
    if (names.empty()) return "/";
    std::string path;
    for (const std::string& name : names) {
        path.push_back('/');
        path += name;
    }
    return path;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path.push_back('/');
    path += name;
    return path;
}

std::string ParentPath(std::string_view path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos || slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string_view LastName(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string MacPathFromPosix(std::string_view posixPath, bool isFolder) {
    std::string mac(kRootVolumeName);
    const auto names = ParsePosixPath(posixPath);
    if (names) {
        for (const std::string& name : *names) {
            mac.push_back(':');
            mac += MacNameFromLinux(name);
        }
    }
    if (isFolder || !names || names->empty()) mac.push_back(':');
    return mac;
}

std::optional<PathNames> ParseMacPath(std::string_view macPath) {
    std::vector<std::string_view> parts = Split(macPath, ':');
    if (!NamesEqualIgnoringCase(parts.front(), kRootVolumeName)) return std::nullopt;
    if (parts.size() > 1 && parts.back().empty()) parts.pop_back();  // a folder's trailing ":"
    PathNames names;
    for (size_t i = 1; i < parts.size(); ++i) {
        std::string name = LinuxNameFromMac(parts[i]);
        if (!IsUsableName(name)) return std::nullopt;
        names.push_back(std::move(name));
    }
    return names;
}

std::string FileURLFromPosix(std::string_view posixPath, bool isFolder) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : posixPath) {
        if (IsUnreserved(c) || c == '/') {
            url.push_back(static_cast<char>(c));
        } else {
            url.push_back('%');
            url.push_back(kHex[c >> 4]);
            url.push_back(kHex[c & 15]);
        }
    }
    if (isFolder && url.back() != '/') url.push_back('/');
    return url;
}

std::optional<PathNames> ParseFileURL(std::string_view url) {
    if (!StartsWithIgnoringCase(url, "file:")) return std::nullopt;
    std::string_view rest = url.substr(5);
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        if (slash == std::string_view::npos) return std::nullopt;
        const std::string_view host = rest.substr(0, slash);
        if (!host.empty() && !NamesEqualIgnoringCase(host, "localhost")) return std::nullopt;
        rest.remove_prefix(slash);
    }
    rest = rest.substr(0, rest.find_first_of("?#"));
    const auto decoded = PercentDecode(rest);
    if (!decoded) return std::nullopt;
    return ParsePosixPath(*decoded);
}

std::string ShellQuote(std::string_view text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted.push_back(c);
    }
    quoted.push_back('\'');
    return quoted;
}

}  // namespace runtime::files
