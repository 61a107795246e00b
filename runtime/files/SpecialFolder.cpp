#include "runtime/files/SpecialFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/files/BinaryStream.h"
#include "runtime/files/PathForms.h"
#include "runtime/files/UserDirsFile.h"

namespace runtime::SpecialFolder {

namespace {

// An absolute path from the environment, or "".
std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/') return {};
    return value;
}

std::string HomePath() {
    std::string home = AbsoluteVariable("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16 * 1024);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
        found->pw_dir[0] == '/')
        return found->pw_dir;
    return "/";
}

FolderItemRef InHome(std::string_view relative) {
    return FolderItem::FromNativePath(relative.empty() ? HomePath() : files::JoinPath(HomePath(), relative));
}

// More than user-dirs.dirs ever holds; a longer file is read that far, a
// value cut there left unclosed.
constexpr int64_t kLongestUserDirsFile = 64 * 1024;

std::string UserDirsFileText() {
    std::string config = AbsoluteVariable("XDG_CONFIG_HOME");
    if (config.empty()) config = files::JoinPath(HomePath(), ".config");
    const BinaryStreamRef in =
        FolderItem::FromNativePath(files::JoinPath(config, "user-dirs.dirs"))->OpenAsBinaryFile(false);
    return in ? in->Read(kLongestUserDirsFile).Bytes() : std::string();
}

}  // namespace

FolderItemRef Applications() { return InHome("Applications"); }
FolderItemRef Preferences() { return InHome("Library/Preferences"); }
FolderItemRef ApplicationData() { return InHome("Library/Application Support"); }
FolderItemRef Documents() { return InHome("Documents"); }
FolderItemRef Desktop() { return InHome("Desktop"); }
FolderItemRef UserHome() { return InHome(""); }

std::vector<FolderItemRef> DesktopUserFolders() {
    std::vector<FolderItemRef> folders;
    for (const char* name : {"Desktop", "Downloads", "Templates", "Public", "Documents", "Music", "Pictures", "Videos"})
        folders.push_back(InHome(name));
    for (const std::string& path : files::ParseUserDirs(UserDirsFileText(), HomePath()))
        folders.push_back(FolderItem::FromNativePath(path));
    return folders;
}

FolderItemRef Temporary() {
    const std::string tmp = AbsoluteVariable("TMPDIR");
    return FolderItem::FromNativePath(tmp.empty() ? "/tmp" : tmp);
}

FolderItemRef Trash() {
    std::string data = AbsoluteVariable("XDG_DATA_HOME");
    if (data.empty()) data = files::JoinPath(HomePath(), ".local/share");
    return FolderItem::FromNativePath(files::JoinPath(data, "Trash/files"));
}

}  // namespace runtime::SpecialFolder
