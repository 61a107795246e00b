#pragma once
// The desktop's user-dirs.dirs, which says where the user's folders lie:
//   XDG_DOCUMENTS_DIR="$HOME/ドキュメント"
// one line each for DESKTOP, DOWNLOAD, TEMPLATES, PUBLICSHARE, DOCUMENTS,
// MUSIC, PICTURES and VIDEOS. The value stands in double quotes, escaped as
// the shell has it there (a backslash before $ ` " or \ takes it as it is),
// and is "$HOME" followed by a path under the home, or an absolute path.
// Lines beginning with "#" are comments.

#include <string>
#include <string_view>
#include <vector>

namespace runtime::files {

// The path each user folder's last line in the text gives, with "$HOME"
// replaced by home. Lines of any other form (no quotes, a relative path,
// another variable, a NUL byte, an unknown name) give nothing.
std::vector<std::string> ParseUserDirs(std::string_view text, std::string_view home);

}  // namespace runtime::files
