#include <gtest/gtest.h>

#include <string>

#include "platform/carbon/Handles.h"

using namespace platform::carbon;

TEST(CarbonHandles, NewBlockIsZeroedAndSized) {
    const Handle h = NewHandle(5);
    ASSERT_NE(h, 0);
    EXPECT_EQ(GetHandleSize(h), 5);
    EXPECT_EQ(HandleContents(h), std::string(5, '\0'));
    DisposeHandle(h);
    EXPECT_EQ(NewHandle(-1), 0);
}

TEST(CarbonHandles, HandlesAreDistinctAndDisposalForgetsOnlyOne) {
    const size_t before = LiveHandleCount();
    const Handle a = NewHandle(1);
    const Handle b = NewHandle(1);
    ASSERT_NE(a, b);
    EXPECT_EQ(LiveHandleCount(), before + 2);
    ASSERT_EQ(SetHandleBytes(b, 0, "b"), noErr);
    DisposeHandle(a);
    EXPECT_EQ(LiveHandleCount(), before + 1);
    EXPECT_EQ(GetHandleSize(a), 0);
    EXPECT_EQ(HandleContents(b), "b");
    DisposeHandle(b);
    DisposeHandle(b);  // twice: no effect
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
    EXPECT_EQ(SetHandleBytes(h, 0, "x"), nilHandleErr);
}

TEST(CarbonHandles, ResizingKeepsTheLeadingBytes) {
    const Handle h = NewHandle(3);
    ASSERT_EQ(SetHandleBytes(h, 0, "abc"), noErr);
    EXPECT_EQ(SetHandleSize(h, 2), noErr);
    EXPECT_EQ(HandleContents(h), "ab");
    EXPECT_EQ(SetHandleSize(h, 4), noErr);
    EXPECT_EQ(HandleContents(h), std::string("ab\0\0", 4));
    EXPECT_EQ(SetHandleSize(h, -1), paramErr);
    EXPECT_EQ(GetHandleSize(h), 4);
    DisposeHandle(h);
    EXPECT_EQ(SetHandleSize(h, 1), nilHandleErr);
}
