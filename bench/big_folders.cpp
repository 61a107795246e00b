// Searches big flat folders as the program does (a Thread2 over the main
// window, bench/SearchRun.h) and prints, each from one run:
//   - the longest gap between two turns of the event loop while a folder of
//     100,000 Japanese-named files is searched (the window's answer time);
//   - the time to search a folder of 50,000 files quiet, and again while one
//     file appears in it every 50 ms (a cache or a log folder), and the ratio.
//
// Usage: bench_big_folders

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "app/Window1.h"
#include "bench/RoadRun.h"

namespace {

constexpr int kBigFolder = 100'000;
constexpr int kChangingFolder = 50'000;
constexpr auto kChangeInterval = std::chrono::milliseconds(50);

const char* const kWords[] = {"写真",   "旅行",     "東京",     "会議",     "資料",     "報告書",
                              "ノート", "メモ",     "見積もり", "議事録",   "カタログ", "スケジュール",
                              "請求書", "デザイン", "原稿",     "アルバム", "日記"};
const char* const kExtensions[] = {".jpg", ".txt", ".pdf", ".docx", ".png", ""};

void Touch(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) ::close(fd);
}

// A flat folder of `count` files with Japanese names.
std::string MakeFolder(const char* prefix, int count) {
    const std::string root = bench::MakeTemporaryFolder(prefix);
    constexpr int words = static_cast<int>(std::size(kWords));
    for (int i = 0; i < count; ++i) {
        const std::string name = std::string(kWords[i % words]) + " " + kWords[(i / words) % words] + " " +
                                 std::to_string(i) + kExtensions[i % std::size(kExtensions)];
        Touch(root + "/" + name);
    }
    return root;
}

}  // namespace

int main(int argc, char** argv) {
    const bench::Program program(argc, argv);
    if (!program.Ready()) return 1;
    const auto& win = program.Window();

    const std::string big = MakeFolder("bench_big_folder", kBigFolder);
    const bench::RoadRun bigRun = bench::RunSearch(win, big);
    std::filesystem::remove_all(big);
    std::printf("big_folder_entries=%d big_folder_search_ms=%.1f big_folder_longest_gap_ms=%.1f\n", kBigFolder,
                bigRun.milliseconds, bigRun.longestGapMs);

    const std::string changing = MakeFolder("bench_changing_folder", kChangingFolder);
    const bench::RoadRun quiet = bench::RunSearch(win, changing);
    std::atomic<bool> searching = true;
    std::thread writer([&] {
        for (int n = 0; searching; ++n) {
            Touch(changing + "/" + kWords[n % std::size(kWords)] + " 追加 " + std::to_string(n) + ".log");
            std::this_thread::sleep_for(kChangeInterval);
        }
    });
    const bench::RoadRun busy = bench::RunSearch(win, changing);
    searching = false;
    writer.join();
    std::filesystem::remove_all(changing);
    std::printf("changing_folder_entries=%d quiet_search_ms=%.1f changing_search_ms=%.1f changing_ratio=%.2f\n",
                kChangingFolder, quiet.milliseconds, busy.milliseconds, busy.milliseconds / quiet.milliseconds);

    return 0;
}
