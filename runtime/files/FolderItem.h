#pragma once
// The framework's files over POSIX.
//
// A FolderItem names one place on the disk, whether or not something is there.
// Its Mac form (AbsolutePath) is "Macintosh HD:folder:file", a folder's path
// ending in ":"; a ":" in a Linux name shows there as "/" and back.
//
// Folders list their entries (Count, Item) sorted by name, letter case
// ignored, then bytewise; "." and ".." are left out and symbolic links (the
// Linux aliases) resolved. The listing is kept in the folder's object and read
// again when the folder changes. A walk takes one fixed reading (Entries), so
// that a folder changing under it costs nothing and shifts no entry. An item
// got from Item answers Directory, Visible, MacType and MacCreator from that
// reading; Exists, Length, Identity and the dates always ask the disk. Inside
// a thread, reading a long folder yields between its steps.
//
// Also here: FolderEntries, FileIdentity, GetFolderItem,
// ApplicationExecutableFile. Elsewhere in this folder: SpecialFolder.h,
// TextInputStream.h, BinaryStream.h, Shell.h.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/core/Date.h"
#include "runtime/core/Object.h"
#include "runtime/core/String.h"
#include "runtime/files/BinaryStream.h"
#include "runtime/files/TextInputStream.h"

namespace runtime {

class Picture;

namespace files {
class FolderListing;
enum class ItemKind : uint8_t;
struct FinderInfo;
}  // namespace files

class FolderItem;
using FolderItemRef = std::shared_ptr<FolderItem>;

// What a path leads to: one file or folder, however many paths (links, mount
// points) lead there.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct FileIdentityHash {
    size_t operator()(const FileIdentity& id) const noexcept { return id.inode * 0x9E3779B97F4A7C15ULL ^ id.device; }
};

// One reading of a folder, fixed once made: a walk over it ends and meets
// every entry that stays exactly once, however the folder changes meanwhile.
// An entry removed since no longer Exists; one added since is not in it.
class FolderEntries {
public:
    FolderEntries() = default;  // no entries
    int32_t Count() const;
    FolderItemRef Item(int32_t index) const;  // 1 to Count; nil outside

private:
    friend class FolderItem;
    explicit FolderEntries(std::shared_ptr<const files::FolderListing> listing) : listing_(std::move(listing)) {}
    std::shared_ptr<const files::FolderListing> listing_;
};

class FolderItem : public Object {
    struct Token {};

public:
    // The item at an absolute POSIX path (normalised); nil for any other text.
    static FolderItemRef FromNativePath(std::string_view posixPath);

    // Names and places.
    String Name() const;           // the Linux name; "Macintosh HD" for the root
    FolderItemRef Parent() const;  // nil for the root
    // The entry of that name: an exact match, else the first entry whose name
    // matches without regard to case, else an item that does not exist. Nil
    // when this is no folder or the name cannot be a file name. A "/" in the
    // name (the Mac form) stands for ":".
    FolderItemRef Child(const String& name) const;
    int32_t Count() const;
    FolderItemRef Item(int32_t index) const;  // 1 to Count; nil outside
    FolderEntries Entries() const;            // the folder as it is now; none for a file

    // Facts.
    bool Exists() const;
    bool Directory() const;            // a folder, after resolving links
    bool Visible() const;              // no leading "." and no invisible flag
    String MacType() const;            // "fold" for a folder; else from the Finder info, or ""
    String MacCreator() const;         // from the Finder info, or ""; "" for a folder
    bool IsSymbolicLink() const;       // the name itself is a link (not followed)
    bool OwnedByCurrentUser() const;   // the item itself (not followed) is the user's
    int64_t Length() const;            // bytes of a file; 0 for a folder or nothing
    DateRef ModificationDate() const;  // nil when nothing is there
    DateRef CreationDate() const;      // the birth time where the file system keeps one
    // What the item leads to, links followed; nullopt when nothing is there.
    std::optional<FileIdentity> Identity() const;
    // On one of the kernel's own file systems (proc, sysfs, devtmpfs, devpts,
    // cgroup, ...), told by its type: nobody's files, and links without end.
    bool OnKernelFileSystem() const;

    // Paths.
    String AbsolutePath() const;  // the Mac form
    String ShellPath() const;     // the POSIX path quoted for /bin/sh
    String URLPath() const;       // file:// URL, percent-encoded; a folder's ends in "/"
    const std::string& NativePath() const { return path_; }

    // Changes; each sets LastErrorCode (0, or the errno of the failure).
    void CreateAsFolder();  // mode 0700
    void Delete();          // a file, or an empty folder; never recursive
    // Copies a regular file's data, permissions and Finder info into the
    // destination folder (under this name) or to the destination's path.
    // An existing item there is never replaced.
    void CopyFileTo(const FolderItemRef& destination);
    // Renames into the destination folder or to the destination's path on the
    // same file system; never replaces. This item keeps naming the old place.
    void MoveFileTo(const FolderItemRef& destination);
    int32_t LastErrorCode() const { return lastError_; }

    // Contents; nil when the item is no regular file or cannot be opened.
    TextInputStreamRef OpenAsTextFile() const;
    BinaryStreamRef OpenAsBinaryFile(bool write = false) const;

    // Provided by the windows layer (runtime/app/Desktop.h); False when
    // nothing could be started to open the item.
    [[nodiscard]] bool Launch(bool activate = true) const;
    std::shared_ptr<Picture> OpenAsPicture() const;

    FolderItem(Token, std::string path);
    FolderItem(Token, std::string path, std::shared_ptr<const files::FolderListing> origin, size_t entry);

private:
    friend class FolderEntries;
    static FolderItemRef Make(std::string path);
    static FolderItemRef FromListing(const std::shared_ptr<const files::FolderListing>& listing, size_t index);
    std::shared_ptr<const files::FolderListing> CurrentListing() const;
    files::ItemKind Kind() const;
    std::optional<files::FinderInfo> ItemFinderInfo() const;

    std::string path_;
    // The listing this item came from and its entry there; dropped once the
    // disk is seen to disagree with it.
    mutable std::shared_ptr<const files::FolderListing> origin_;
    size_t entry_ = 0;
    // This folder's own listing.
    mutable std::shared_ptr<const files::FolderListing> listing_;
    int32_t lastError_ = 0;
};

// pathType 0: the Mac form; 1: a POSIX path; 2: a file:// URL. Nil when the
// text names no place (text of more than 16 x PATH_MAX bytes never does) or
// the folder that would hold the item does not exist;
// an item that does not exist when only the last name is missing. Each name
// is matched as Child matches it. The empty text gives the folder that holds
// the application bundle.
FolderItemRef GetFolderItem(const String& path, int32_t pathType = 0);

// The running program (App.ExecutableFile).
FolderItemRef ApplicationExecutableFile();

}  // namespace runtime
