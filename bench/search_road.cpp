// Times the search road against a plain walk of the same generated tree, in
// the same process: 5,000 folders and 100,000 files, among them 10
// application packages and 50 typed documents of the shipped catalogue (60
// hits). The search runs as the program runs it (bench/RoadRun.h): the tool
// item pressed, the folder chosen through the responder, 5 ms time slices. The plain walk is opendir/readdir/lstat with
// one read of the Finder info per entry. Prints both times, their ratio, the row count and the longest gap between two
// turns of the event loop during the search; fails when the search lists other than the 60 hits.
//
// Usage: bench_search_road [rounds]   (default 3, after one warming round)

#include <dirent.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/Window1.h"
#include "bench/RoadRun.h"
#include "foundation/Globals.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTopFolders = 50;
constexpr int kSubFolders = 99;      // in each top folder: 50 + 50 * 99 = 5,000 folders
constexpr int kFilesPerFolder = 20;  // 100,000 entries besides the folders
constexpr int kPackages = 10;
constexpr int kTypedDocuments = 50;
constexpr int kExpectedRows = kPackages + kTypedDocuments;

// The same numbers on every machine and library (unlike std distributions).
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(state_ >> 33);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

private:
    uint64_t state_;
};

const char* const kApplications[][2] = {
    {"Tolvenade", "APPLwTq1"}, {"Marlocane", "APPLwTq2"}, {"Zoruba", "APPLwTq4"},    {"Pelmora", "APPLwTq5"},
    {"Gablune", "APPLwTqk"},   {"Wistrel", "APPLwTqm"},   {"brevindal", "APPLwTqr"},
};
const char* const kDocumentTypes[] = {"Brd3wTq1", "Crd3wTq1", "PanlwTq4", "PelmwTq5"};
const char* const kOtherTypes[] = {"TEXTttxt", "JPEGprvw", "PDF CARO", "MooVTVOD"};
const char* const kExtensions[] = {".txt", ".jpg", ".pdf", ".docx", ".tar.gz", "", ".JPG", ".mp3", ".html", ".c"};

std::string FinderInfo(const std::string& code, uint16_t flags = 0) {
    std::string info(32, '\0');
    info.replace(0, 8, code.substr(0, 8));
    info[8] = static_cast<char>(flags >> 8);
    info[9] = static_cast<char>(flags & 0xFF);
    return info;
}

std::string BigEndian32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string AppleDouble(const std::string& finderInfo) {
    std::string data = BigEndian32(0x00051607) + BigEndian32(0x00020000) + std::string(16, '\0');
    data += std::string("\x00\x01", 2);
    data += BigEndian32(9) + BigEndian32(38) + BigEndian32(32);
    data += finderInfo;
    return data;
}

void WriteFile(const std::string& path, const std::string& bytes = {}) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void SetFinderInfo(const std::string& path, const std::string& info) {
    if (setxattr(path.c_str(), "user.com.apple.FinderInfo", info.data(), info.size(), 0) != 0) {
        std::perror("setxattr (the tree needs user extended attributes)");
        std::exit(1);
    }
}

// What one slot of a folder holds. A typed document whose Finder info is in
// a companion takes the next slot for the companion.
enum class Slot : uint8_t { Plain, Package, TypedByAttribute, TypedByCompanion, Companion };

std::vector<Slot> PlanSlots(Random& random) {
    std::vector<Slot> plan(static_cast<size_t>(kTopFolders) * (1 + kSubFolders) * kFilesPerFolder, Slot::Plain);
    // Special items go to even slots, so the odd slot after each is free.
    const auto pick = [&](Slot kind) {
        for (;;) {
            const size_t s = 2 * static_cast<size_t>(random.Below(static_cast<int>(plan.size() / 2)));
            if (plan[s] == Slot::Plain && plan[s + 1] == Slot::Plain) {
                plan[s] = kind;
                if (kind == Slot::TypedByCompanion) plan[s + 1] = Slot::Companion;
                return;
            }
        }
    };
    for (int i = 0; i < kPackages; ++i) pick(Slot::Package);
    for (int i = 0; i < kTypedDocuments; ++i) pick(i % 2 ? Slot::TypedByCompanion : Slot::TypedByAttribute);
    return plan;
}

void FillFolder(const std::string& folder, const std::vector<Slot>& plan, size_t& slot, Random& random, int& serial) {
    for (int i = 0; i < kFilesPerFolder; ++i, ++slot, ++serial) {
        const std::string number = std::to_string(serial);
        switch (plan[slot]) {
        case Slot::Package: {
            const auto& app = kApplications[serial % std::size(kApplications)];
            const std::string package = folder + "/" + app[0] + " " + number + ".app";
            std::filesystem::create_directories(package + "/Contents/MacOS");
            WriteFile(package + "/Contents/PkgInfo", app[1]);
            WriteFile(package + "/Contents/Info.plist", "<plist><dict></dict></plist>\n");
            break;
        }
        case Slot::TypedByAttribute:
        case Slot::TypedByCompanion: {
            const std::string name = "Board " + number + ".brd";
            const std::string info = FinderInfo(kDocumentTypes[serial % std::size(kDocumentTypes)]);
            WriteFile(folder + "/" + name, "board");
            if (plan[slot] == Slot::TypedByAttribute)
                SetFinderInfo(folder + "/" + name, info);
            else
                WriteFile(folder + "/._" + name, AppleDouble(info));
            break;
        }
        case Slot::Companion: break;  // written with its document
        case Slot::Plain: {
            const int kind = random.Below(100);
            const std::string name = (kind < 3 ? "." : "") + std::string(kind % 2 ? "Report " : "photo_") + number +
                                     (kind % 7 == 0 ? " draft.v2" : "") + kExtensions[random.Below(10)];
            const std::string path = folder + "/" + name;
            WriteFile(path);
            if (kind >= 90) SetFinderInfo(path, FinderInfo(kOtherTypes[kind % 4], kind == 99 ? 0x4000 : 0));
            break;
        }
        }
    }
}

std::string MakeTree() {
    const std::string root = bench::MakeTemporaryFolder("bench_search_road");
    Random random(20240611);
    const std::vector<Slot> plan = PlanSlots(random);
    size_t slot = 0;
    int serial = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const std::string top = root + "/Projects " + std::to_string(t);
        mkdir(top.c_str(), 0755);
        FillFolder(top, plan, slot, random, serial);
        for (int s = 0; s < kSubFolders; ++s) {
            const std::string sub = top + "/folder " + std::to_string(s);
            mkdir(sub.c_str(), 0755);
            FillFolder(sub, plan, slot, random, serial);
        }
    }
    return root;
}

long WalkPlain(std::string& path) {
    DIR* dir = opendir(path.c_str());
    if (!dir) return 0;
    long entries = 0;
    std::vector<std::string> folders;
    const size_t length = path.size();
    char info[32];
    while (const dirent* d = readdir(dir)) {
        if (d->d_name[0] == '.' && (d->d_name[1] == 0 || (d->d_name[1] == '.' && d->d_name[2] == 0))) continue;
        path.resize(length);
        path += '/';
        path += d->d_name;
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) continue;
        ++entries;
        getxattr(path.c_str(), "user.com.apple.FinderInfo", info, sizeof info);
        if (S_ISDIR(st.st_mode)) folders.push_back(d->d_name);
    }
    closedir(dir);
    for (const std::string& folder : folders) {
        path.resize(length);
        path += '/';
        path += folder;
        entries += WalkPlain(path);
    }
    path.resize(length);
    return entries;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const bench::Program program(argc, argv);
    if (!program.Ready()) return 1;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    const std::string root = MakeTree();
    const auto& win = program.Window();

    std::vector<double> ratios;
    std::vector<double> gaps;
    int failures = 0;
    std::printf("cores=%u products=%zu\n", std::thread::hardware_concurrency(), Globals::gItem.size());
    for (int round = 0; round <= rounds; ++round) {  // round 0 warms the caches
        std::string path = root;
        const Clock::time_point start = Clock::now();
        const long entries = WalkPlain(path);
        const double plain = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const bench::RoadRun search = bench::RunSearch(win, root);
        if (search.rows != kExpectedRows) ++failures;
        if (round == 0) continue;
        ratios.push_back(search.milliseconds / plain);
        gaps.push_back(search.longestGapMs);
        std::printf("round %d: entries=%ld plain_walk_ms=%.1f search_ms=%.1f ratio=%.2f rows=%d longest_gap_ms=%.1f\n",
                    round, entries, plain, search.milliseconds, ratios.back(), search.rows, search.longestGapMs);
    }
    std::filesystem::remove_all(root);

    std::printf("median_ratio=%.2f longest_gap_ms=%.1f\n", Median(ratios), *std::max_element(gaps.begin(), gaps.end()));
    if (failures) {
        std::printf("FAIL: %d search(es) did not list the %d expected rows\n", failures, kExpectedRows);
        return 1;
    }
    return 0;
}
