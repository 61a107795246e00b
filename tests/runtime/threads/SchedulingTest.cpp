// Running, yielding and round-robin switching of the cooperative threads.

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "ThreadTestSupport.h"
#include "runtime/files/FolderItem.h"
#include "tests/support/Sanitizers.h"
#include "tests/support/TempFolder.h"

namespace runtime::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class EventCounter : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++received;
            return true;
        }
        return QObject::event(e);
    }
    int received = 0;
};

using ThreadsScheduling = ThreadTest;

TEST_F(ThreadsScheduling, EveryYieldWithAZeroSliceRunsTheEventLoopOnce) {
    SetThreadTimeSlice(0us);
    LoopTurnCounter loop;
    EventCounter receiver;
    constexpr int kYields = 50;
    std::vector<int> turnsAtYield;
    int eventsMissed = 0;
    auto thread = MakeThread([&] {
        for (int i = 0; i < kYields; ++i) {
            const int posted = receiver.received;
            QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
            turnsAtYield.push_back(loop.turns);
            RuntimeBackgroundTask();
            if (receiver.received != posted + 1) ++eventsMissed;
        }
        turnsAtYield.push_back(loop.turns);
    });
    ASSERT_TRUE(RunToEnd(thread));

    ASSERT_EQ(turnsAtYield.size(), static_cast<size_t>(kYields + 1));
    for (int i = 0; i < kYields; ++i) EXPECT_GT(turnsAtYield[i + 1], turnsAtYield[i]) << "no loop turn at yield " << i;
    EXPECT_EQ(eventsMissed, 0) << "posted events were not delivered across a yield";
    EXPECT_EQ(thread->runs, 1);
}

TEST_F(ThreadsScheduling, ReadingALongFolderGivesTheLoopItsTurns) {
    SetThreadTimeSlice(0us);
    testsupport::TempFolder tmp;
    constexpr int kEntries = 6000;
    for (int i = 0; i < kEntries; ++i) tmp.Write("file " + std::to_string(i), "");
    LoopTurnCounter loop;
    int turnsWhileRead = -1;
    int32_t count = 0;
    auto thread = MakeThread([&] {
        const int before = loop.turns;
        count = FolderItem::FromNativePath(tmp.Path())->Entries().Count();
        turnsWhileRead = loop.turns - before;
    });
    ASSERT_TRUE(RunToEnd(thread));

    EXPECT_EQ(count, kEntries);
    EXPECT_GE(turnsWhileRead, 3);
}

TEST_F(ThreadsScheduling, TwoThreadsAlternateAtTheirYields) {
    SetThreadTimeSlice(0us);
    std::vector<std::string> trace;
    auto body = [&trace](const std::string& name) {
        return [&trace, name] {
            for (int i = 0; i < 3; ++i) {
                trace.push_back(name + std::to_string(i));
                RuntimeBackgroundTask();
            }
        };
    };
    auto a = MakeThread(body("A"));
    auto b = MakeThread(body("B"));
    a->Run();
    b->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(a) && Ended(b); }));
    EXPECT_EQ(trace, (std::vector<std::string>{"A0", "B0", "A1", "B1", "A2", "B2"}));
}

TEST_F(ThreadsScheduling, TheSchedulerKeepsAThreadAliveAfterItsCreatorLetsGo) {
    SetThreadTimeSlice(0us);
    bool finished = false;
    auto thread = MakeThread([&] {
        for (int i = 0; i < 10; ++i) RuntimeBackgroundTask();
        finished = true;
    });
    std::weak_ptr<FunctionThread> watch = thread;
    thread->Run();
    thread.reset();
    ASSERT_TRUE(PumpUntil([&] { return watch.expired(); }));
    EXPECT_TRUE(finished);
}

TEST_F(ThreadsScheduling, RunOnARunningThreadDoesNothingAndAnEndedThreadRunsAgain) {
    SetThreadTimeSlice(0us);
    auto thread = MakeThread([] {
        for (int i = 0; i < 3; ++i) RuntimeBackgroundTask();
    });
    thread->Run();
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return thread->runs == 1; }));
    ASSERT_TRUE(RunToEnd(thread));
    EXPECT_EQ(thread->runs, 1);

    thread->Run();
    EXPECT_EQ(thread->State(), ThreadState::Running);
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    EXPECT_EQ(thread->runs, 2);
}

TEST_F(ThreadsScheduling, CurrentThreadIsTheRunningThreadAndNullOnTheMainThread) {
    EXPECT_EQ(CurrentThread(), nullptr);
    std::shared_ptr<Thread> seen;
    auto thread = MakeThread([&] { seen = CurrentThread(); });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return thread->runs == 1; }));
    EXPECT_EQ(seen, thread);
    EXPECT_EQ(CurrentThread(), nullptr);
}

TEST_F(ThreadsScheduling, RunNeedsAThreadHeldByASharedPointer) {
    FunctionThread unowned([] {});
    EXPECT_THROW(unowned.Run(), std::logic_error);
    EXPECT_EQ(unowned.State(), ThreadState::NotRunning);
}

TEST_F(ThreadsScheduling, BackgroundTaskOnTheMainThreadReturnsAtOnce) {
    SetThreadTimeSlice(0us);
    int progress = 0;
    auto thread = MakeThread([&] {
        for (;;) {
            ++progress;
            RuntimeBackgroundTask();
        }
    });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return progress > 0; }));
    LoopTurnCounter loop;
    const int before = progress;
    for (int i = 0; i < 1000; ++i) RuntimeBackgroundTask();
    EXPECT_EQ(loop.turns, 0);
    EXPECT_EQ(progress, before);
    thread->Kill();
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
}

TEST_F(ThreadsScheduling, AFiveMillisecondSliceReturnsToTheLoopOnlyAfterTheSlice) {
    EXPECT_EQ(ThreadTimeSlice(), 5ms);
    LoopTurnCounter loop;
    std::vector<Clock::time_point> returns;
    long long calls = 0;
    auto thread = MakeThread([&] {
        const auto start = Clock::now();
        int lastTurns = loop.turns;
        returns.push_back(start);
        while (Clock::now() - start < 60ms) {
            RuntimeBackgroundTask();
            ++calls;
            if (loop.turns != lastTurns) {
                lastTurns = loop.turns;
                returns.push_back(Clock::now());
            }
        }
    });
    ASSERT_TRUE(RunToEnd(thread));

    ASSERT_GE(returns.size(), 3u) << "the thread never gave way to the loop";
    EXPECT_LE(returns.size(), 60u / 5u + 2u);
    for (size_t i = 1; i < returns.size(); ++i)
        EXPECT_GE(returns[i] - returns[i - 1], 4500us) << "returned to the loop before the slice was spent";
    EXPECT_GT(calls, static_cast<long long>(returns.size()) * 10);
}

TEST_F(ThreadsScheduling, TheZeroTimerStopsWhenNoThreadIsRunnable) {
    SetThreadTimeSlice(0us);
    bool release = false;
    auto thread = MakeThread([&] {
        while (!release) RuntimeBackgroundTask();
    });
    thread->Run();
    PumpFor(10ms);
    EXPECT_TRUE(detail::IsSchedulerTimerActive());
    thread->Suspend();
    PumpFor(10ms);
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
    thread->Resume();
    EXPECT_TRUE(detail::IsSchedulerTimerActive());

    release = true;
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    PumpFor(10ms);
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
}

// Recurses through depth frames of a little over 1 KB each; gives the bytes
// between the two innermost frames.
[[gnu::noinline]] std::ptrdiff_t UseStack(int depth, const volatile char* callerFrame = nullptr) {
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (depth == 0) return callerFrame != nullptr ? callerFrame - frame : 0;
    const std::ptrdiff_t frameBytes = UseStack(depth - 1, frame);
    frame[1023] = frame[0];  // the frame stays in use across the call
    return frameBytes;
}

int DepthFor(std::size_t bytes) {
    const std::ptrdiff_t frameBytes = UseStack(1);
    return static_cast<int>(bytes / static_cast<std::size_t>(frameBytes > 1024 ? frameBytes : 1024));
}

TEST_F(ThreadsScheduling, AFiberStackHoldsFourHundredKilobytes) {
    const int depth = DepthFor(400 * 1024);
    bool finished = false;
    std::ptrdiff_t frameBytes = 0;
    auto thread = MakeThread([&] {
        frameBytes = UseStack(depth);
        finished = true;
    });
    ASSERT_TRUE(RunToEnd(thread));
    EXPECT_TRUE(finished);
    EXPECT_GE(frameBytes * depth, 390 * 1024);
}

TEST_F(ThreadsScheduling, OverflowingAFiberStackFaultsOnItsGuardPage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const int depth = DepthFor(2 * detail::kFiberStackSize);
    auto overflow = [depth] {
        auto thread = MakeThread([depth] { UseStack(depth); });
        thread->Run();
        PumpUntil([&] { return Ended(thread); });
        std::exit(0);
    };
#if defined(UNDER_ADDRESS_SANITIZER)
    EXPECT_DEATH(overflow(), "stack-overflow");
#else
    EXPECT_EXIT(overflow(), ::testing::KilledBySignal(SIGSEGV), "");
#endif
}

}  // namespace
}  // namespace runtime::testing
