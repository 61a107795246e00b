// Ending, suspending and sleeping threads; exceptions that escape a run; quit.

#include <chrono>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QTimer>

#include "ThreadTestSupport.h"

namespace runtime::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A local that logs its name when destroyed.
struct Named {
    std::vector<std::string>& log;
    std::string name;
    ~Named() { log.push_back(name); }
};

[[gnu::noinline]] void KillFromDeepInside(Thread& self, std::vector<std::string>& destroyed) {
    Named inner{destroyed, "inner"};
    self.Kill();
    destroyed.push_back("after Kill");
}

using ThreadsKill = ThreadTest;

TEST_F(ThreadsKill, KillingItselfRunsTheDestructorsOfItsLocalsAndEndsAtOnce) {
    std::vector<std::string> destroyed;
    bool caughtAsStdException = false;
    std::shared_ptr<FunctionThread> thread;
    thread = MakeThread([&] {
        Named outer{destroyed, "outer"};
        try {
            KillFromDeepInside(*thread, destroyed);
        } catch (const std::exception&) {
            caughtAsStdException = true;
        }
        destroyed.push_back("after the call");
    });
    std::weak_ptr<FunctionThread> watch = thread;
    ASSERT_TRUE(RunToEnd(thread));
    EXPECT_EQ(destroyed, (std::vector<std::string>{"inner", "outer"}));
    EXPECT_FALSE(caughtAsStdException);
    thread.reset();
    EXPECT_TRUE(watch.expired());

    // The scheduler goes on with the next thread, and stops its timer after it.
    bool nextRan = false;
    ASSERT_TRUE(RunToEnd(MakeThread([&] { nextRan = true; })));
    EXPECT_TRUE(nextRan);
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
}

// From the main thread and from another thread alike.
TEST_F(ThreadsKill, KillingAnotherThreadUnwindsItWhenItIsNextResumed) {
    SetThreadTimeSlice(0us);
    for (const bool fromAThread : {false, true}) {
        bool destroyed = false;
        int iterations = 0;
        auto victim = ProbedThread(destroyed, [&] {
            for (;;) {
                RuntimeBackgroundTask();
                ++iterations;
            }
        });
        victim->Run();
        ASSERT_TRUE(PumpUntil([&] { return iterations >= 3; }));
        int before = -1;
        bool destroyedAtOnce = true;  // stays true if Kill does not return to its caller
        const auto kill = [&] {
            before = iterations;
            victim->Kill();
            destroyedAtOnce = destroyed;
        };
        if (fromAThread) {
            ASSERT_TRUE(RunToEnd(MakeThread(kill)));
        } else {
            kill();
        }
        EXPECT_FALSE(destroyedAtOnce) << fromAThread;
        ASSERT_TRUE(PumpUntil([&] { return Ended(victim); }));
        EXPECT_TRUE(destroyed) << fromAThread;
        EXPECT_EQ(iterations, before) << fromAThread;
    }
}

TEST_F(ThreadsKill, AThreadThatIsNotRunningOrNotYetStartedNeverRuns) {
    auto thread = MakeThread([] {});
    thread->Kill();
    thread->Suspend();
    thread->Resume();
    thread->Sleep(10);
    EXPECT_EQ(thread->State(), ThreadState::NotRunning);

    std::weak_ptr<FunctionThread> watch = thread;
    thread->Run();
    thread->Kill();  // scheduled, not started
    EXPECT_EQ(thread->State(), ThreadState::NotRunning);
    EXPECT_EQ(thread->runs, 0);
    thread.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
}

TEST_F(ThreadsKill, KillingASuspendedOrSleepingThreadEndsIt) {
    bool suspendedDestroyed = false;
    bool sleeperDestroyed = false;
    bool suspendedWentOn = false;
    auto suspended = ProbedThread(suspendedDestroyed, [&] {
        CurrentThread()->Suspend();
        suspendedWentOn = true;
    });
    auto sleeper = ProbedThread(sleeperDestroyed, [&] { CurrentThread()->Sleep(60'000); });
    suspended->Run();
    sleeper->Run();
    ASSERT_TRUE(PumpUntil(
        [&] { return suspended->State() == ThreadState::Suspended && sleeper->State() == ThreadState::Sleeping; }));
    suspended->Kill();
    sleeper->Kill();
    ASSERT_TRUE(PumpUntil([&] { return Ended(suspended) && Ended(sleeper); }, 5s));
    EXPECT_TRUE(suspendedDestroyed);
    EXPECT_TRUE(sleeperDestroyed);
    EXPECT_FALSE(suspendedWentOn);
}

// Installs a handler that records the messages of the exceptions it is given.
void RecordUnhandled(std::vector<std::string>& reported) {
    SetUnhandledExceptionHandler([&reported](std::exception_ptr error) {
        EXPECT_NE(CurrentThread(), nullptr);  // the handler runs on the failing thread's stack
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported.push_back(e.what());
        }
    });
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
    std::vector<std::string> reported;
    RecordUnhandled(reported);
    ASSERT_TRUE(RunToEnd(thread));
    EXPECT_TRUE(secondDestructorRan);
    EXPECT_EQ(reported, std::vector<std::string>{"escapes"});
}

using ThreadsExceptions = ThreadTest;

TEST_F(ThreadsExceptions, AnEscapingExceptionReachesTheHandlerAndTheLoopGoesOn) {
    std::vector<std::string> reported;
    RecordUnhandled(reported);
    bool destroyed = false;
    ASSERT_TRUE(RunToEnd(ProbedThread(destroyed, [&] {
        RuntimeBackgroundTask();
        throw std::runtime_error("boom");
    })));
    EXPECT_EQ(reported, std::vector<std::string>{"boom"});
    EXPECT_TRUE(destroyed);

    LoopTurnCounter loop;
    bool nextRan = false;
    MakeThread([&] { nextRan = true; })->Run();
    ASSERT_TRUE(PumpUntil([&] { return nextRan && loop.turns > 3; }));
}

// What a thread whose run throws leaves on stderr.
std::string StderrOfAFailingRun(std::function<void()> body) {
    ::testing::internal::CaptureStderr();
    const bool ended = RunToEnd(MakeThread(std::move(body)));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(ended);
    return err;
}

TEST_F(ThreadsExceptions, TheDefaultHandlerPrintsToStderr) {
    const std::string err = StderrOfAFailingRun([] { throw std::runtime_error("printed failure"); });
    EXPECT_NE(err.find("printed failure"), std::string::npos) << err;
}

TEST_F(ThreadsExceptions, AHandlerThatThrowsDoesNotEndTheProgram) {
    SetUnhandledExceptionHandler([](std::exception_ptr) { throw std::logic_error("handler failed"); });
    const std::string err = StderrOfAFailingRun([] { throw 42; });
    EXPECT_NE(err.find("handler failed"), std::string::npos) << err;
}

using ThreadsSuspendAndSleep = ThreadTest;

// Suspend and a long Sleep, called from outside, both hold a running thread back until Resume.
TEST_F(ThreadsSuspendAndSleep, SuspendOrSleepFromOutsideHoldsAThreadBackUntilResume) {
    SetThreadTimeSlice(0us);
    const std::pair<std::function<void(Thread&)>, ThreadState> holds[] = {
        {[](Thread& t) { t.Suspend(); }, ThreadState::Suspended},
        {[](Thread& t) { t.Sleep(60'000); }, ThreadState::Sleeping}};
    for (const auto& [hold, state] : holds) {
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
        hold(*thread);
        EXPECT_EQ(thread->State(), state);
        const int before = iterations;
        PumpFor(30ms);
        EXPECT_EQ(iterations, before);

        thread->Resume();
        EXPECT_EQ(thread->State(), ThreadState::Running);
        ASSERT_TRUE(PumpUntil([&] { return iterations > before + 2; }));
        release = true;
        ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    }
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
    auto thread = MakeThread([&] {
        const auto start = Clock::now();
        CurrentThread()->Sleep(40);
        slept = Clock::now() - start;
    });
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return thread->State() == ThreadState::Sleeping; }));
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
    ASSERT_TRUE(PumpUntil([&] { return Ended(thread); }));
    EXPECT_GE(slept, 40ms);
}

using ThreadsQuit = ThreadTest;

TEST_F(ThreadsQuit, ThreadsStillRunningAtQuitAreUnwound) {
    bool runningDestroyed = false;
    bool suspendedDestroyed = false;
    bool notStartedRan = false;
    auto running = ProbedThread(runningDestroyed, [&] {
        for (;;) RuntimeBackgroundTask();
    });
    auto suspended = ProbedThread(suspendedDestroyed, [&] { CurrentThread()->Suspend(); });
    auto notStarted = MakeThread([&] { notStartedRan = true; });
    running->Run();
    suspended->Run();
    notStarted->Run();
    notStarted->Suspend();  // scheduled, never started
    QTimer::singleShot(30, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();

    EXPECT_TRUE(runningDestroyed);
    EXPECT_TRUE(suspendedDestroyed);
    EXPECT_FALSE(notStartedRan);
    for (const auto& thread : {running, suspended, notStarted}) EXPECT_TRUE(Ended(thread));
    EXPECT_FALSE(detail::IsSchedulerTimerActive());
}

}  // namespace
}  // namespace runtime::testing
