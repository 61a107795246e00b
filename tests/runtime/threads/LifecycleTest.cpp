// Ending, suspending and sleeping threads; exceptions that escape a run; quit.

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "ThreadTestSupport.h"

namespace runtime::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

bool Ended(const std::shared_ptr<FunctionThread>& thread) {
    return thread->State() == ThreadState::NotRunning;
}

using ThreadsKill = ThreadTest;

[[gnu::noinline]] void KillFromDeepInside(Thread& self, std::vector<std::string>& destroyed) {
    struct Named {
        std::vector<std::string>& log;
        std::string name;
        ~Named() { log.push_back(name); }
    };
    Named inner{destroyed, "inner"};
    self.Kill();
    destroyed.push_back("after Kill");
}

TEST_F(ThreadsKill, KillingItselfRunsTheDestructorsOfItsLocalsAndEndsAtOnce) {
    std::vector<std::string> destroyed;
    bool caughtAsStdException = false;
    std::shared_ptr<FunctionThread> thread;
    thread = MakeThread([&] {
        struct Named {
            std::vector<std::string>& log;
            std::string name;
            ~Named() { log.push_back(name); }
        };
        Named outer{destroyed, "outer"};
        try {
            KillFromDeepInside(*thread, destroyed);
        } catch (const std::exception&) {
            caughtAsStdException = true;
        }
        destroyed.push_back("after the call");
    });
    std::weak_ptr<FunctionThread> watch = thread;
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));

    EXPECT_EQ(destroyed, (std::vector<std::string>{"inner", "outer"}));
    EXPECT_FALSE(caughtAsStdException);
    thread.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(ThreadsKill, AThreadStartedAfterAKilledOneRuns) {
    bool destroyed = false;
    auto first = MakeThread([&] {
        DestructorProbe probe(destroyed);
        RuntimeBackgroundTask();
        CurrentThread()->Kill();
    });
    bool secondRan = false;
    first->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(first); }));
    EXPECT_TRUE(destroyed);

    auto second = MakeThread([&] { secondRan = true; });
    second->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(second); }));
    EXPECT_TRUE(secondRan);
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
}

TEST_F(ThreadsKill, KillingAnotherThreadUnwindsItWhenItIsNextResumed) {
    SetThreadTimeSlice(0us);
    bool destroyed = false;
    int iterations = 0;
    auto victim = MakeThread([&] {
        DestructorProbe probe(destroyed);
        for (;;) {
            RuntimeBackgroundTask();
            ++iterations;
        }
    });
    victim->Run();
    ASSERT_TRUE(PumpUntil([&] { return iterations >= 3; }));

    const int before = iterations;
    victim->Kill();
    EXPECT_FALSE(destroyed);
    ASSERT_TRUE(PumpUntil([&] { return Ended(victim); }));
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(iterations, before);
}

TEST_F(ThreadsKill, OneThreadKillsAnother) {
    SetThreadTimeSlice(0us);
    bool destroyed = false;
    auto victim = MakeThread([&] {
        DestructorProbe probe(destroyed);
        for (;;)
            RuntimeBackgroundTask();
    });
    bool killerGoesOn = false;
    auto killer = MakeThread([&] {
        RuntimeBackgroundTask();
        victim->Kill();
        killerGoesOn = true;
    });
    victim->Run();
    killer->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(victim) && Ended(killer); }));
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(killerGoesOn);
}

TEST_F(ThreadsKill, AThreadKilledBeforeItStartsNeverRuns) {
    auto thread = MakeThread([] {});
    std::weak_ptr<FunctionThread> watch = thread;
    thread->Run();
    thread->Kill();
    EXPECT_EQ(thread->State(), ThreadState::NotRunning);
    thread.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
}

TEST_F(ThreadsKill, KillingASuspendedOrSleepingThreadEndsIt) {
    bool suspendedDestroyed = false;
    bool sleeperDestroyed = false;
    bool suspendedWentOn = false;
    auto suspended = MakeThread([&] {
        DestructorProbe probe(suspendedDestroyed);
        CurrentThread()->Suspend();
        suspendedWentOn = true;
    });
    auto sleeper = MakeThread([&] {
        DestructorProbe probe(sleeperDestroyed);
        CurrentThread()->Sleep(60'000);
    });
    suspended->Run();
    sleeper->Run();
    ASSERT_TRUE(PumpUntil([&] {
        return suspended->State() == ThreadState::Suspended && sleeper->State() == ThreadState::Sleeping;
    }));
    suspended->Kill();
    sleeper->Kill();
    ASSERT_TRUE(PumpUntil([&] { return Ended(suspended) && Ended(sleeper); }, 5s));
    EXPECT_TRUE(suspendedDestroyed);
    EXPECT_TRUE(sleeperDestroyed);
    EXPECT_FALSE(suspendedWentOn);
}

TEST_F(ThreadsKill, KillingANotRunningThreadDoesNothing) {
    auto thread = MakeThread([] {});
    thread->Kill();
    thread->Suspend();
    thread->Resume();
    thread->Sleep(10);
    EXPECT_EQ(thread->State(), ThreadState::NotRunning);
    EXPECT_EQ(thread->runs, 0);
}

TEST_F(ThreadsKill, KillDuringUnwindingOnlyMarksTheThread) {
    bool secondDestructorRan = false;
    auto thread = MakeThread([&] {
        DestructorProbe last(secondDestructorRan);
        struct KillsInDestructor {
            ~KillsInDestructor() { CurrentThread()->Kill(); }
        } killer;
        throw std::runtime_error("escapes");
    });
    std::string reported;
    SetUnhandledExceptionHandler([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported = e.what();
        }
    });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    EXPECT_TRUE(secondDestructorRan);
    EXPECT_EQ(reported, "escapes");
}

using ThreadsExceptions = ThreadTest;

TEST_F(ThreadsExceptions, AnEscapingExceptionReachesTheHandlerAndTheLoopGoesOn) {
    std::vector<std::string> reported;
    SetUnhandledExceptionHandler([&](std::exception_ptr error) {
        EXPECT_NE(CurrentThread(), nullptr);  // the handler runs on the failing thread's stack
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported.push_back(e.what());
        }
    });
    bool destroyed = false;
    auto failing = MakeThread([&] {
        DestructorProbe probe(destroyed);
        RuntimeBackgroundTask();
        throw std::runtime_error("boom");
    });
    failing->Run();
    ASSERT_TRUE(PumpUntil([&] { return Ended(failing); }));
    EXPECT_EQ(reported, std::vector<std::string>{"boom"});
    EXPECT_TRUE(destroyed);

    LoopTurnCounter loop;
    bool nextRan = false;
    auto next = MakeThread([&] { nextRan = true; });
    next->Run();
    ASSERT_TRUE(PumpUntil([&] { return nextRan && loop.turns > 3; }));
}

TEST_F(ThreadsExceptions, TheDefaultHandlerPrintsToStderr) {
    ::testing::internal::CaptureStderr();
    auto failing = MakeThread([] { throw std::runtime_error("printed failure"); });
    failing->Run();
    const bool ended = PumpUntil([&] { return Ended(failing); });
    const std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(ended);
    EXPECT_NE(err.find("printed failure"), std::string::npos) << err;
}

TEST_F(ThreadsExceptions, AHandlerThatThrowsDoesNotEndTheProgram) {
    SetUnhandledExceptionHandler([](std::exception_ptr) { throw std::logic_error("handler failed"); });
    ::testing::internal::CaptureStderr();
    auto failing = MakeThread([] { throw 42; });
    failing->Run();
    const bool ended = PumpUntil([&] { return Ended(failing); });
    const std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(ended);
    EXPECT_NE(err.find("handler failed"), std::string::npos) << err;
}

using ThreadsSuspendAndSleep = ThreadTest;

TEST_F(ThreadsSuspendAndSleep, ASuspendedThreadIsNotResumedUntilResume) {
    SetThreadTimeSlice(0us);
    int iterations = 0;
    bool release = false;
    auto thread = MakeThread([&] {
        while (!release) {
            ++iterations;
            RuntimeBackgroundTask();
        }
    });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return iterations >= 2; }));
    thread->Suspend();
    EXPECT_EQ(thread->State(), ThreadState::Suspended);
    const int before = iterations;
    PumpFor(30ms);
    EXPECT_EQ(iterations, before);

    thread->Resume();
    EXPECT_EQ(thread->State(), ThreadState::Running);
    ASSERT_TRUE(PumpUntil([&] { return iterations > before + 2; }));
    release = true;
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
}

TEST_F(ThreadsSuspendAndSleep, AThreadThatSuspendsItselfWaitsForResume) {
    bool resumed = false;
    auto thread = MakeThread([&] {
        CurrentThread()->Suspend();
        resumed = true;
    });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return thread->State() == ThreadState::Suspended; }));
    PumpFor(20ms);
    EXPECT_FALSE(resumed);
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
    thread->Resume();
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    EXPECT_TRUE(resumed);
}

TEST_F(ThreadsSuspendAndSleep, SleepKeepsTheThreadFromRunningForTheTimeGiven) {
    Clock::duration slept{};
    bool idleWhileAsleep = false;
    auto thread = MakeThread([&] {
        const auto start = Clock::now();
        CurrentThread()->Sleep(40);
        slept = Clock::now() - start;
    });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return thread->State() == ThreadState::Sleeping; }));
    idleWhileAsleep = !detail::IsSchedulerTimerActive();
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    EXPECT_GE(slept, 40ms);
    EXPECT_TRUE(idleWhileAsleep);
}

TEST_F(ThreadsSuspendAndSleep, SleepOnAnotherThreadHoldsItBackAndResumeWakesIt) {
    SetThreadTimeSlice(0us);
    int iterations = 0;
    auto thread = MakeThread([&] {
        for (;;) {
            ++iterations;
            RuntimeBackgroundTask();
        }
    });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return iterations >= 1; }));
    thread->Sleep(60'000);
    EXPECT_EQ(thread->State(), ThreadState::Sleeping);
    const int before = iterations;
    PumpFor(30ms);
    EXPECT_EQ(iterations, before);

    thread->Resume();
    ASSERT_TRUE(PumpUntil([&] { return iterations > before; }));
    thread->Kill();
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
}

using ThreadsQuit = ThreadTest;

TEST_F(ThreadsQuit, ThreadsStillRunningAtQuitAreUnwound) {
    bool runningDestroyed = false;
    bool suspendedDestroyed = false;
    bool notStartedRan = false;
    auto running = MakeThread([&] {
        DestructorProbe probe(runningDestroyed);
        for (;;)
            RuntimeBackgroundTask();
    });
    auto suspended = MakeThread([&] {
        DestructorProbe probe(suspendedDestroyed);
        CurrentThread()->Suspend();
    });
    std::shared_ptr<FunctionThread> notStarted = MakeThread([&] { notStartedRan = true; });
    running->Run();
    suspended->Run();
    notStarted->Run();
    notStarted->Suspend();  // scheduled, never started
    QTimer::singleShot(30, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();

    EXPECT_TRUE(runningDestroyed);
    EXPECT_TRUE(suspendedDestroyed);
    EXPECT_FALSE(notStartedRan);
    EXPECT_TRUE(Ended(running));
    EXPECT_TRUE(Ended(suspended));
    EXPECT_TRUE(Ended(notStarted));
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
}

}  // namespace
}  // namespace runtime::testing
