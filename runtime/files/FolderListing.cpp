#include "runtime/files/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "runtime/files/NameOrder.h"
#include "runtime/files/PathForms.h"
#include "runtime/threads/BackgroundTask.h"

namespace runtime::files {

namespace {

int64_t Nanoseconds(const struct timespec& t) { return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

// How close to the folder's modification time a reading must be to be
// doubtful: two ticks of the clock the file system stamps times with.
int64_t RacyWindow() {
    static const int64_t window = [] {
        struct timespec resolution {};
        if (clock_getres(CLOCK_REALTIME_COARSE, &resolution) != 0) return int64_t{20'000'000};
        return std::max<int64_t>(2 * Nanoseconds(resolution) + 1'000'000, 2'000'000);
    }();
    return window;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// A long folder is read and sorted in steps with a yield after each, so that
// a thread reading it keeps the event loop waiting no longer than a short one.
constexpr size_t kEntriesPerStep = 2048;

// Sorts `order` in steps: runs of kEntriesPerStep sorted, then merged
// pairwise into a second buffer, with a yield after each step's worth.
template <class Less>
void SortInSteps(std::vector<uint32_t>& order, Less less) {
    const size_t n = order.size();
    if (n <= kEntriesPerStep) {
        std::sort(order.begin(), order.end(), less);
        return;
    }
    const auto at = [&order](size_t i) { return order.begin() + static_cast<std::ptrdiff_t>(i); };
    for (size_t from = 0; from < n; from += kEntriesPerStep) {
        std::sort(at(from), at(std::min(from + kEntriesPerStep, n)), less);
        RuntimeBackgroundTask();
    }
    std::vector<uint32_t> merged(n);
    size_t moved = 0;
    for (size_t width = kEntriesPerStep; width < n; width *= 2) {
        for (size_t from = 0; from < n; from += 2 * width) {
            const size_t middle = std::min(from + width, n), end = std::min(from + 2 * width, n);
            for (size_t i = from, j = middle, k = from; k < end; ++k) {
                merged[k] = (j == end || (i < middle && !less(order[j], order[i]))) ? order[i++] : order[j++];
                if (++moved % kEntriesPerStep == 0) RuntimeBackgroundTask();
            }
        }
        order.swap(merged);
    }
}

ItemKind KindAt(int folderFd, const char* name, int flags) {
    struct stat st;
    if (fstatat(folderFd, name, &st, flags) != 0) return ItemKind::Missing;
    return KindOfMode(st.st_mode);
}

}  // namespace

ItemKind KindOfMode(mode_t mode) {
    if (S_ISDIR(mode)) return ItemKind::Folder;
    if (S_ISREG(mode)) return ItemKind::File;
    return ItemKind::Other;
}

std::shared_ptr<const FolderListing> FolderListing::Read(const std::string& folderPath) {
    struct stat st;
    if (stat(folderPath.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return nullptr;
    return Read(folderPath, st);
}

std::shared_ptr<const FolderListing> FolderListing::Read(const std::string& folderPath, const struct stat& folderStat) {
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folderPath.c_str()));
    if (!dir) return nullptr;
    const int folderFd = dirfd(dir.get());

    // Stamped with what the caller saw before the reading: a change made
    // meanwhile makes the stamp old, and the next look reads the folder again.
    std::shared_ptr<FolderListing> listing(new FolderListing);
    listing->folderPath_ = folderPath;
    listing->device_ = folderStat.st_dev;
    listing->inode_ = folderStat.st_ino;
    listing->modified_ = folderStat.st_mtim;

    // The names and their sort keys, each kept one after another; entry i's
    // lie from at[i] to at[i + 1].
    std::vector<Entry> read;
    std::vector<size_t> nameAt, keyAt;
    std::string keys;
    while (const struct dirent* d = readdir(dir.get())) {
        const char* name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
        if (name[0] == '.' && name[1] == '_') listing->hasCompanions_ = true;
        Entry entry;
        switch (d->d_type) {
        case DT_DIR: entry.kind = ItemKind::Folder; break;
        case DT_REG: entry.kind = ItemKind::File; break;
        case DT_LNK:
            entry.symlink = true;
            entry.kind = KindAt(folderFd, name, 0);
            break;
        case DT_UNKNOWN: {
            struct stat own;
            if (fstatat(folderFd, name, &own, AT_SYMLINK_NOFOLLOW) != 0) continue;  // gone meanwhile
            entry.symlink = S_ISLNK(own.st_mode);
            entry.kind = entry.symlink ? KindAt(folderFd, name, 0) : KindOfMode(own.st_mode);
            break;
        }
        default: entry.kind = ItemKind::Other; break;
        }
        nameAt.push_back(listing->names_.size());
        listing->names_ += name;
        keyAt.push_back(keys.size());
        AppendNameOrderKey(keys, name);
        read.push_back(entry);
        if (read.size() % kEntriesPerStep == 0) RuntimeBackgroundTask();
    }
    nameAt.push_back(listing->names_.size());
    keyAt.push_back(keys.size());
    const auto span = [](const std::string& all, const std::vector<size_t>& at, size_t i) {
        return std::string_view(all).substr(at[i], at[i + 1] - at[i]);
    };
    for (size_t i = 0; i < read.size(); ++i) read[i].name = span(listing->names_, nameAt, i);

    std::vector<uint32_t> order(read.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    SortInSteps(order, [&](uint32_t a, uint32_t b) {
        const std::string_view ka = span(keys, keyAt, a), kb = span(keys, keyAt, b);
        if (ka != kb) return ka < kb;
        return read[a].name < read[b].name;
    });
    listing->entries_.reserve(read.size());
    for (const uint32_t i : order) {
        listing->entries_.push_back(std::move(read[i]));
        if (listing->entries_.size() % kEntriesPerStep == 0) RuntimeBackgroundTask();
    }

    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const int64_t age = Nanoseconds(now) - Nanoseconds(listing->modified_);
    listing->racy_ = age < RacyWindow() && age > -RacyWindow();
    return listing;
}

bool FolderListing::IsCurrent(const struct stat& folderStat) const {
    return !racy_ && folderStat.st_dev == device_ && folderStat.st_ino == inode_ &&
           folderStat.st_mtim.tv_sec == modified_.tv_sec && folderStat.st_mtim.tv_nsec == modified_.tv_nsec;
}

const FolderListing::Entry* FolderListing::Find(std::string_view name) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), name,
                                     [](const Entry& e, std::string_view n) { return CompareNames(e.name, n) < 0; });
    return (it != entries_.end() && it->name == name) ? &*it : nullptr;
}

const FolderListing::Entry* FolderListing::FindIgnoringCase(std::string_view name) const {
    for (const Entry& entry : entries_)
        if (NamesEqualIgnoringCase(entry.name, name)) return &entry;
    return nullptr;
}

std::string FolderListing::EntryPath(const Entry& entry) const { return JoinPath(folderPath_, entry.name); }

const std::string& FolderListing::ResolvedPath(const Entry& entry) const {
    if (entry.resolvedPath.empty()) {
        entry.resolvedPath = EntryPath(entry);
        if (entry.symlink) {
            // On the heap: a fiber's stack is small.
            const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(entry.resolvedPath.c_str(), nullptr),
                                                                       &std::free);
            if (resolved) entry.resolvedPath = resolved.get();
        }
    }
    return entry.resolvedPath;
}

const std::optional<FinderInfo>& FolderListing::EntryFinderInfo(const Entry& entry, const std::string& itemPath) const {
    if (!entry.finderInfoRead) {
        entry.finderInfoRead = true;
        if (entry.kind == ItemKind::Missing) {
            entry.finderInfo.reset();
        } else if (entry.symlink) {
            entry.finderInfo = ReadFinderInfo(itemPath);
        } else {
            entry.finderInfo = ReadFinderInfoAttribute(itemPath);
            // The companion is looked for in this listing, not on the disk.
            if (!entry.finderInfo && hasCompanions_) {
                const std::string companion = AppleDoubleName(entry.name);
                if (Find(companion)) entry.finderInfo = ReadAppleDoubleFile(JoinPath(folderPath_, companion));
            }
        }
    }
    return entry.finderInfo;
}

std::optional<FinderInfo> ReadFinderInfo(const std::string& path) {
    if (auto info = ReadFinderInfoAttribute(path)) return info;
    const std::string_view name = LastName(path);
    if (name.empty()) return std::nullopt;
    return ReadAppleDoubleFile(JoinPath(ParentPath(path), AppleDoubleName(name)));
}

}  // namespace runtime::files
