// Walks a generated tree of 100,000 files in 5,000 folders twice: through
// FolderItem (Count, Item, Visible, Directory and MacType on every entry, the
// count read again before each entry as the program's loops do) and with a
// plain opendir/readdir/lstat walk. Prints both times and their ratio.

#include <dirent.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/files/FolderItem.h"

namespace {

constexpr int kTopFolders = 50;
constexpr int kSubFolders = 99;      // in each top folder: 50 + 50 * 99 = 5,000 folders
constexpr int kFilesPerFolder = 20;  // 100,000 files

struct Counts {
    long entries = 0;
    long folders = 0;
    long visible = 0;
    long typed = 0;
};

void MakeFiles(const std::string& folder, int& serial) {
    static const std::string finderInfo = [] {
        std::string info(32, '\0');
        info.replace(0, 8, "TEXTttxt");
        return info;
    }();
    for (int i = 0; i < kFilesPerFolder; ++i, ++serial) {
        // Mixed case, some hidden, some with Finder info.
        const std::string name = (serial % 50 == 0 ? "." : "") + std::string(serial % 3 ? "File " : "file ") +
                                 std::to_string(serial) + ".txt";
        const std::string path = folder + "/" + name;
        if (FILE* f = std::fopen(path.c_str(), "w")) std::fclose(f);
        if (serial % 20 == 0) setxattr(path.c_str(), "user.com.apple.FinderInfo", finderInfo.data(), 32, 0);
    }
}

std::string MakeTree() {
    const char* tmp = std::getenv("TMPDIR");
    std::string root = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/bench_folder_walk_XXXXXX";
    if (!mkdtemp(root.data())) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    int serial = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const std::string top = root + "/Top " + std::to_string(t);
        mkdir(top.c_str(), 0755);
        MakeFiles(top, serial);
        for (int s = 0; s < kSubFolders; ++s) {
            const std::string sub = top + "/sub" + std::to_string(s);
            mkdir(sub.c_str(), 0755);
            MakeFiles(sub, serial);
        }
    }
    return root;
}

void WalkFolderItems(const runtime::FolderItemRef& folder, Counts& counts) {
    for (int i = 1; i <= folder->Count(); ++i) {
        const runtime::FolderItemRef item = folder->Item(i);
        if (!item) continue;
        ++counts.entries;
        if (item->Visible()) ++counts.visible;
        const bool isFolder = item->Directory();
        if (!item->MacType().IsEmpty()) ++counts.typed;
        if (isFolder) {
            ++counts.folders;
            WalkFolderItems(item, counts);
        }
    }
}

void WalkPlain(const std::string& path, Counts& counts) {
    DIR* dir = opendir(path.c_str());
    if (!dir) return;
    std::vector<std::string> folders;
    while (const dirent* d = readdir(dir)) {
        if (d->d_name[0] == '.' && (d->d_name[1] == 0 || (d->d_name[1] == '.' && d->d_name[2] == 0))) continue;
        const std::string child = path + "/" + d->d_name;
        struct stat st;
        if (lstat(child.c_str(), &st) != 0) continue;
        ++counts.entries;
        if (S_ISDIR(st.st_mode)) {
            ++counts.folders;
            folders.push_back(child);
        }
    }
    closedir(dir);
    for (const std::string& folder : folders) WalkPlain(folder, counts);
}

template <class Walk>
double Milliseconds(Walk walk) {
    const auto start = std::chrono::steady_clock::now();
    walk();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    const std::string root = MakeTree();
    std::vector<double> itemTimes, plainTimes;
    Counts itemCounts, plainCounts;
    for (int round = 0; round < 5; ++round) {  // the first round warms the caches
        Counts items, plain;
        plainTimes.push_back(Milliseconds([&] { WalkPlain(root, plain); }));
        itemTimes.push_back(Milliseconds([&] { WalkFolderItems(runtime::FolderItem::FromNativePath(root), items); }));
        itemCounts = items;
        plainCounts = plain;
    }
    std::filesystem::remove_all(root);

    if (itemCounts.entries != plainCounts.entries || itemCounts.folders != plainCounts.folders) {
        std::printf("walks disagree: %ld/%ld entries, %ld/%ld folders\n", itemCounts.entries, plainCounts.entries,
                    itemCounts.folders, plainCounts.folders);
        return 1;
    }
    itemTimes.erase(itemTimes.begin());
    plainTimes.erase(plainTimes.begin());
    std::sort(itemTimes.begin(), itemTimes.end());
    std::sort(plainTimes.begin(), plainTimes.end());
    const double item = itemTimes[itemTimes.size() / 2];
    const double plain = plainTimes[plainTimes.size() / 2];
    std::printf("entries=%ld folders=%ld visible=%ld typed=%ld\n", itemCounts.entries, itemCounts.folders,
                itemCounts.visible, itemCounts.typed);
    std::printf("folderitem_walk_ms=%.1f plain_walk_ms=%.1f ratio=%.2f\n", item, plain, item / plain);
    return item <= 2 * plain ? 0 : 2;
}
