// Nested event loops of modal calls, on the main thread and on a thread's stack.

#include "runtime/threads/Modal.h"

#include <chrono>
#include <string>
#include <vector>

#include <QTimer>

#include "ThreadTestSupport.h"

namespace runtime::testing {
namespace {

using namespace std::chrono_literals;

// A thread that counts its turns until released.
struct Bystander {
    int turns = 0;
    bool release = false;
    std::shared_ptr<FunctionThread> thread = MakeThread([this] {
        while (!release) {
            ++turns;
            RuntimeBackgroundTask();
        }
    });

    // Checks that it runs again, then lets it end.
    void GoesOnAndEnds() {
        const int before = turns;
        ASSERT_TRUE(PumpUntil([&] { return turns > before; }));
        release = true;
        ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    }
};

using ThreadsModal = ThreadTest;

TEST_F(ThreadsModal, ANestedLoopInAThreadKeepsTheLoopRunningAndResumesNoOtherThread) {
    SetThreadTimeSlice(0us);
    LoopTurnCounter loop;
    Bystander other;
    struct Seen {
        bool inModal = false;
        bool schedulerTimerActive = true;
        ThreadState state = ThreadState::NotRunning;
        int bystanderTurnsBefore = -1, bystanderTurnsAfter = -1;
        int loopTurnsBefore = 0, loopTurnsAfter = 0;
        bool continued = false;
    } seen;
    std::shared_ptr<FunctionThread> dialog;
    dialog = MakeThread([&] {
        RuntimeBackgroundTask();  // let the bystander start
        bool done = false;
        QTimer::singleShot(40, [&] {
            seen.inModal = InModalLoop();
            seen.schedulerTimerActive = detail::IsSchedulerTimerActive();
            seen.state = dialog->State();
            done = true;
        });
        seen.bystanderTurnsBefore = other.turns;
        seen.loopTurnsBefore = loop.turns;
        RunNestedLoop([&] { return done; });
        seen.bystanderTurnsAfter = other.turns;
        seen.loopTurnsAfter = loop.turns;
        seen.continued = true;
    });
    dialog->Run();
    other.thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(dialog); }));

    EXPECT_TRUE(seen.continued);
    EXPECT_TRUE(seen.inModal);
    EXPECT_FALSE(seen.schedulerTimerActive);
    EXPECT_EQ(seen.state, ThreadState::Waiting);
    EXPECT_GT(seen.bystanderTurnsBefore, 0);
    EXPECT_EQ(seen.bystanderTurnsAfter, seen.bystanderTurnsBefore);
    EXPECT_GT(seen.loopTurnsAfter, seen.loopTurnsBefore + 5);
    EXPECT_FALSE(InModalLoop());

    other.GoesOnAndEnds();
}

TEST_F(ThreadsModal, AThreadThatKillsItselfRightAfterItsNestedLoopEndsCleanly) {
    bool destroyed = false;
    bool reachedAfterKill = false;
    auto thread = ProbedThread(destroyed, [&] {
        bool done = false;
        QTimer::singleShot(10, [&] { done = true; });
        RunNestedLoop([&] { return done; });
        CurrentThread()->Kill();
        reachedAfterKill = true;
    });
    ASSERT_TRUE(RunToEnd(thread));
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(reachedAfterKill);
    EXPECT_FALSE(InModalLoop());

    bool nextRan = false;
    ASSERT_TRUE(RunToEnd(MakeThread([&] { nextRan = true; })));
    EXPECT_TRUE(nextRan);
}

TEST_F(ThreadsModal, KillFromAHandlerInsideTheThreadsNestedLoopTakesEffectAtItsNextYield) {
    bool destroyed = false;
    bool loopReturned = false;
    bool reachedAfterYield = false;
    std::shared_ptr<FunctionThread> thread;
    thread = ProbedThread(destroyed, [&] {
        bool done = false;
        QTimer::singleShot(5, [&] { thread->Kill(); });  // runs on this thread's stack
        QTimer::singleShot(15, [&] { done = true; });
        RunNestedLoop([&] { return done; });
        loopReturned = true;
        RuntimeBackgroundTask();
        reachedAfterYield = true;
    });
    ASSERT_TRUE(RunToEnd(thread));
    EXPECT_TRUE(loopReturned);
    EXPECT_FALSE(reachedAfterYield);
    EXPECT_TRUE(destroyed);
}

TEST_F(ThreadsModal, ANestedLoopOnTheMainThreadHoldsEveryThread) {
    SetThreadTimeSlice(0us);
    Bystander other;
    other.thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return other.turns > 0; }));

    bool done = false;
    bool timerActiveInside = true;
    QTimer::singleShot(30, [&] {
        timerActiveInside = detail::IsSchedulerTimerActive();
        done = true;
    });
    const int before = other.turns;
    RunNestedLoop([&] { return done; });
    EXPECT_EQ(other.turns, before);
    EXPECT_FALSE(timerActiveInside);
    EXPECT_TRUE(detail::IsSchedulerTimerActive());

    other.GoesOnAndEnds();
}

TEST_F(ThreadsModal, NestedLoopsEndInReverseOrder) {
    std::vector<std::string> returned;
    bool outerDone = false;
    bool innerDone = false;
    auto thread = MakeThread([&] {
        QTimer::singleShot(5, [&] {
            RunNestedLoop([&] { return innerDone; });
            returned.push_back(outerDone ? "inner, outer already done" : "inner");
        });
        QTimer::singleShot(15, [&] { outerDone = true; });
        QTimer::singleShot(35, [&] { innerDone = true; });
        RunNestedLoop([&] { return outerDone; });
        returned.push_back("outer");
    });
    ASSERT_TRUE(RunToEnd(thread));
    EXPECT_EQ(returned, (std::vector<std::string>{"inner, outer already done", "outer"}));
}

TEST_F(ThreadsModal, ALoopWhoseConditionAlreadyHoldsDoesNotRun) {
    LoopTurnCounter loop;
    int asked = 0;
    RunNestedLoop([&] {
        ++asked;
        return true;
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(loop.turns, 0);
}

TEST_F(ThreadsModal, AModalScopeStopsTheSchedulerUntilItEnds) {
    SetThreadTimeSlice(0us);
    Bystander other;
    other.thread->Run();
    {
        ModalScope outer;
        {
            ModalScope inner;
            EXPECT_TRUE(InModalLoop());
        }
        EXPECT_TRUE(InModalLoop());
        EXPECT_FALSE(detail::IsSchedulerTimerActive());
        PumpFor(20ms);
        EXPECT_EQ(other.turns, 0);
    }
    EXPECT_FALSE(InModalLoop());
    EXPECT_TRUE(detail::IsSchedulerTimerActive());
    other.GoesOnAndEnds();
}

}  // namespace
}  // namespace runtime::testing
