#include "platform/carbon/Handles.h"

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

using namespace platform::carbon;

TEST(CarbonHandles, HandlesAreDistinctAndDisposalForgetsOnlyOne) {
    const size_t before = LiveHandleCount();
    const Handle a = NewHandle(1);
    const Handle b = NewHandle(1);
    ASSERT_NE(a, b);
    EXPECT_EQ(LiveHandleCount(), before + 2);
    ASSERT_EQ(SetHandleBytes(b, 0, "b"), noErr);
    HLock(a);
    DisposeHandle(a);  // locked or not
    EXPECT_EQ(LiveHandleCount(), before + 1);
    EXPECT_EQ(GetHandleSize(a), 0);
    EXPECT_EQ(HandleContents(b), "b");
    DisposeHandle(b);
    DisposeHandle(b);  // twice: no effect
    EXPECT_EQ(LiveHandleCount(), before);
}

TEST(CarbonHandles, NoHandleAndUnknownHandlesAreIgnored) {
    const Handle gone = NewHandle(2);
    DisposeHandle(gone);
    const size_t before = LiveHandleCount();
    for (const Handle h : {Handle(0), gone, Handle(-7)}) {
        HLock(h);
        EXPECT_EQ(HGetState(h), 0);
        EXPECT_EQ(GetHandleSize(h), 0);
        EXPECT_EQ(HandleContents(h), "");
        EXPECT_EQ(HandleData(h), nullptr);
        EXPECT_EQ(SetHandleSize(h, 1), nilHandleErr);
        EXPECT_EQ(SetHandleBytes(h, 0, "x"), nilHandleErr);
        HUnlock(h);
        DisposeHandle(h);
    }
    EXPECT_EQ(LiveHandleCount(), before);
}

TEST(CarbonHandles, WritesStayInsideTheBlock) {
    const Handle h = NewHandle(4);
    EXPECT_EQ(SetHandleBytes(h, 1, std::string("a\0b", 3)), noErr);
    EXPECT_EQ(HandleContents(h), std::string("\0a\0b", 4));
    EXPECT_EQ(SetHandleBytes(h, 2, "xyz"), paramErr);
    EXPECT_EQ(SetHandleBytes(h, -1, "x"), paramErr);
    EXPECT_EQ(SetHandleBytes(h, 5, ""), paramErr);
    EXPECT_EQ(HandleContents(h), std::string("\0a\0b", 4));  // refused writes change nothing
    DisposeHandle(h);
}

TEST(CarbonHandles, BlocksAreZeroedAndResizingKeepsTheLeadingBytes) {
    EXPECT_EQ(NewHandle(-1), 0);
    const Handle h = NewHandle(3);
    ASSERT_NE(h, 0);
    EXPECT_EQ(HandleContents(h), std::string(3, '\0'));
    ASSERT_EQ(SetHandleBytes(h, 0, "abc"), noErr);
    EXPECT_EQ(SetHandleSize(h, 2), noErr);
    EXPECT_EQ(HandleContents(h), "ab");
    EXPECT_EQ(SetHandleSize(h, 4), noErr);
    EXPECT_EQ(HandleContents(h), std::string("ab\0\0", 4));
    EXPECT_EQ(SetHandleSize(h, -1), paramErr);
    EXPECT_EQ(GetHandleSize(h), 4);
    EXPECT_EQ(SetHandleSize(h, 0), noErr);
    EXPECT_EQ(HandleContents(h), "");
    DisposeHandle(h);
}

// One lock state, as HGetState and HSetState save and restore it.
TEST(CarbonHandles, LockIsOneStateThatCallersSaveAndRestore) {
    const Handle h = NewHandle(1);
    HLock(h);
    HLock(h);
    EXPECT_EQ(HGetState(h), kHandleLockedState);
    HUnlock(h);
    EXPECT_EQ(HGetState(h), 0) << "locks do not nest";

    HLock(h);
    const int8_t saved = HGetState(h);
    HUnlock(h);
    HSetState(h, saved);
    EXPECT_EQ(HGetState(h), kHandleLockedState);
    DisposeHandle(h);
}

TEST(CarbonHandles, LockedBlockNeitherMovesNorChangesSize) {
    const Handle h = NewHandle(3);
    HLock(h);
    uint8_t* data = HandleData(h);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(SetHandleSize(h, 10), memLockedErr);
    EXPECT_EQ(SetHandleSize(h, 1), memLockedErr);
    EXPECT_EQ(SetHandleSize(h, 3), noErr) << "the same size changes nothing";
    EXPECT_EQ(GetHandleSize(h), 3);

    std::vector<Handle> others;  // the table grows around the locked block
    for (int i = 0; i < 1000; ++i) others.push_back(NewHandle(1));
    EXPECT_EQ(HandleData(h), data);

    std::memcpy(data, "xyz", 3);
    EXPECT_EQ(HandleContents(h), "xyz");
    EXPECT_EQ(SetHandleBytes(h, 1, "Q"), noErr) << "a locked block's bytes may change";
    EXPECT_EQ(data[1], 'Q');

    HUnlock(h);
    EXPECT_EQ(HandleData(h), nullptr) << "no pointer into an unlocked block";
    EXPECT_EQ(SetHandleSize(h, 10), noErr);
    EXPECT_EQ(HandleContents(h), std::string("xQz") + std::string(7, '\0'));
    for (const Handle other : others) DisposeHandle(other);
    DisposeHandle(h);

    const Handle empty = NewHandle(0);
    HLock(empty);
    EXPECT_EQ(HandleData(empty), nullptr) << "an empty locked block has no data";
    DisposeHandle(empty);
}

TEST(CarbonHandles, ThreadsShareTheTableSafely) {
    const size_t before = LiveHandleCount();
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (size_t t = 0; t < failures.size(); ++t) {
        threads.emplace_back([t, &failures] {
            const std::string mark(8, char('a' + t));
            for (int i = 0; i < 500; ++i) {
                const Handle h = NewHandle(8);
                if (SetHandleBytes(h, 0, mark) != noErr || HandleContents(h) != mark) ++failures[t];
                DisposeHandle(h);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
    EXPECT_EQ(LiveHandleCount(), before);
}
