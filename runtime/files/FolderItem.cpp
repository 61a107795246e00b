#include "runtime/files/FolderItem.h"

#include <sys/stat.h>
#include <unistd.h>

#include "runtime/files/FileSystems.h"
#include "runtime/files/FolderListing.h"
#include "runtime/files/PathForms.h"

namespace runtime {

using files::FolderListing;
using files::ItemKind;

namespace {

ItemKind KindOnDisk(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return ItemKind::Missing;
    return files::KindOfMode(st.st_mode);
}

}  // namespace

FolderItem::FolderItem(Token, std::string path) : path_(std::move(path)) {}

FolderItem::FolderItem(Token, std::string path, std::shared_ptr<const FolderListing> origin, size_t entry)
    : path_(std::move(path)), origin_(std::move(origin)), entry_(entry) {}

FolderItemRef FolderItem::Make(std::string path) { return std::make_shared<FolderItem>(Token{}, std::move(path)); }

FolderItemRef FolderItem::FromNativePath(std::string_view posixPath) {
    const auto names = files::ParsePosixPath(posixPath);
    if (!names) return nullptr;
    return Make(files::PosixPathFromNames(*names));
}

ItemKind FolderItem::Kind() const {
    if (origin_) return origin_->At(entry_).kind;
    return KindOnDisk(path_);
}

String FolderItem::Name() const {
    if (path_ == "/") return String(files::kRootVolumeName);
    return String(files::LastName(path_));
}

FolderItemRef FolderItem::Parent() const {
    if (path_ == "/") return nullptr;
    return Make(files::ParentPath(path_));
}

std::shared_ptr<const FolderListing> FolderItem::CurrentListing() const {
    struct stat st;
    if (stat(path_.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        listing_.reset();
        return nullptr;
    }
    if (!listing_ || !listing_->IsCurrent(st)) listing_ = FolderListing::Read(path_, st);
    return listing_;
}

FolderItemRef FolderItem::Child(const String& name) const {
    if (!Directory()) return nullptr;
    const std::string linuxName = files::LinuxNameFromMac(name.ToUTF8());
    if (!files::IsUsableName(linuxName)) return nullptr;
    std::string path = files::JoinPath(path_, linuxName);
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (const auto listing = CurrentListing()) {
            if (const auto* entry = listing->FindIgnoringCase(linuxName)) path = listing->EntryPath(*entry);
        }
    }
    return Make(std::move(path));
}

int32_t FolderItem::Count() const {
    const auto listing = CurrentListing();
    return listing ? static_cast<int32_t>(listing->Count()) : 0;
}

FolderItemRef FolderItem::FromListing(const std::shared_ptr<const FolderListing>& listing, size_t index) {
    const FolderListing::Entry& entry = listing->At(index);
    std::string path =
        (entry.symlink && entry.kind != ItemKind::Missing) ? listing->ResolvedPath(entry) : listing->EntryPath(entry);
    return std::make_shared<FolderItem>(Token{}, std::move(path), listing, index);
}

FolderItemRef FolderItem::Item(int32_t index) const {
    if (index < 1) return nullptr;
    // The listing of the last Count serves; it is read again only when the
    // index lies beyond it.
    auto listing = listing_;
    if (!listing || static_cast<size_t>(index) > listing->Count()) listing = CurrentListing();
    if (!listing || static_cast<size_t>(index) > listing->Count()) return nullptr;
    return FromListing(listing, static_cast<size_t>(index) - 1);
}

FolderEntries FolderItem::Entries() const { return FolderEntries(CurrentListing()); }

int32_t FolderEntries::Count() const { return listing_ ? static_cast<int32_t>(listing_->Count()) : 0; }

FolderItemRef FolderEntries::Item(int32_t index) const {
    if (index < 1 || index > Count()) return nullptr;
    return FolderItem::FromListing(listing_, static_cast<size_t>(index) - 1);
}

bool FolderItem::Exists() const {
    const ItemKind now = KindOnDisk(path_);
    if (origin_ && origin_->At(entry_).kind != now) origin_.reset();
    return now != ItemKind::Missing;
}

bool FolderItem::Directory() const { return Kind() == ItemKind::Folder; }

std::optional<files::FinderInfo> FolderItem::ItemFinderInfo() const {
    if (origin_) return origin_->EntryFinderInfo(origin_->At(entry_), path_);
    if (KindOnDisk(path_) == ItemKind::Missing) return std::nullopt;
    return files::ReadFinderInfo(path_);
}

bool FolderItem::Visible() const {
    const std::string_view name = files::LastName(path_);
    if (!name.empty() && name.front() == '.') return false;
    const auto info = ItemFinderInfo();
    return !(info && info->Invisible());
}

String FolderItem::MacType() const {
    const ItemKind kind = Kind();
    if (kind == ItemKind::Folder) return String("fold");
    if (kind == ItemKind::Missing) return String();
    const auto info = ItemFinderInfo();
    return info ? String::FromBytes(info->Type()) : String();
}

String FolderItem::MacCreator() const {
    const ItemKind kind = Kind();
    if (kind == ItemKind::Folder || kind == ItemKind::Missing) return String();
    const auto info = ItemFinderInfo();
    return info ? String::FromBytes(info->Creator()) : String();
}

bool FolderItem::IsSymbolicLink() const {
    struct stat st;
    return lstat(path_.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool FolderItem::OwnedByCurrentUser() const {
    struct stat st;
    return lstat(path_.c_str(), &st) == 0 && st.st_uid == geteuid();
}

std::optional<FileIdentity> FolderItem::Identity() const {
    struct stat st;
    if (stat(path_.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

bool FolderItem::OnKernelFileSystem() const { return files::IsKernelFileSystem(path_); }

int64_t FolderItem::Length() const {
    struct stat st;
    if (stat(path_.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return 0;
    return st.st_size;
}

String FolderItem::AbsolutePath() const { return String(files::MacPathFromPosix(path_, Directory())); }

String FolderItem::ShellPath() const { return String(files::ShellQuote(path_)); }

String FolderItem::URLPath() const { return String(files::FileURLFromPosix(path_, Directory())); }

}  // namespace runtime
