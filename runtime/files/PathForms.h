#pragma once
// The textual forms of a path, on bytes (names are UTF-8 on Linux):
//  - POSIX: "/home/user/Documents"
//  - Mac: "Macintosh HD:home:user:Documents:" (a folder ends in ":"); a ":" in a
//    Linux name shows as "/" and a "/" in a Mac name is a ":" on Linux
//  - file URL: "file:///home/user/My%20Documents/"
//  - shell: the POSIX path quoted for /bin/sh

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace runtime::files {

inline constexpr std::string_view kRootVolumeName = "Macintosh HD";

// The names of a path below the root, "/" being none.
using PathNames = std::vector<std::string>;

// A name that a folder can hold: not empty, not "." or "..", no "/" and no NUL.
bool IsUsableName(std::string_view name);

// Mac name to Linux name and back: "/" and ":" trade places.
std::string LinuxNameFromMac(std::string_view macName);
std::string MacNameFromLinux(std::string_view linuxName);

// POSIX paths. Only absolute paths parse; "." and empty parts are dropped and
// ".." takes the previous name off (lexically).
std::optional<PathNames> ParsePosixPath(std::string_view path);
std::string PosixPathFromNames(const PathNames& names);
std::string JoinPath(std::string_view folder, std::string_view name);
std::string ParentPath(std::string_view path);     // "/" for "/" and for "/x"
std::string_view LastName(std::string_view path);  // "" for "/"

// Mac form. Parsing takes only paths of the root volume (its name in any case);
// a trailing ":" is allowed; empty parts in the middle ("::") and names that
// cannot be Linux names give nothing.
std::string MacPathFromPosix(std::string_view posixPath, bool isFolder);
std::optional<PathNames> ParseMacPath(std::string_view macPath);

// file URLs: "file://" with an empty or "localhost" host; unreserved characters
// and "/" stay, every other byte is percent-encoded.
std::string FileURLFromPosix(std::string_view posixPath, bool isFolder);
std::optional<PathNames> ParseFileURL(std::string_view url);

// Single-quoted for /bin/sh; a "'" inside becomes '\''.
std::string ShellQuote(std::string_view text);

}  // namespace runtime::files
