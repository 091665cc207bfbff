#include "toolkit/threads/QvTThreads.h"
#include "../../common/CriticalSectionProbe.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

TEST(QvTSingleLock, HoldsTheSectionForItsScope)
{
    QvTCriticalSection section;
    {
        QvTSingleLock lock(section);
        EXPECT_TRUE(lock.IsLocked()) << "after construction";
        EXPECT_FALSE(FreeForOtherThreads(section)) << "inside the lock's scope";
    }
    EXPECT_TRUE(FreeForOtherThreads(section)) << "after the lock's scope";
}

TEST(QvTSingleLock, ConstructorWaitsUntilTheOwnerLeaves)
{
    QvTCriticalSection section;
    std::string order;
    HANDLE hStarted = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, hStarted) << "CreateEvent";
    std::thread waiter;
    {
        QvTSingleLock lock(section);
        waiter = std::thread([&] {
            ::SetEvent(hStarted);
            QvTSingleLock waiting(section);
            order += 'W';
        });
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hStarted, INFINITE));
        // Gives the waiter the chance to run ahead if the lock would let it.
        ::Sleep(50);
        order += 'O';
    }
    waiter.join();
    ::CloseHandle(hStarted);
    EXPECT_EQ("OW", order) << "the waiter's lock returns only after the owner's scope";
}

TEST(QvTSingleLock, KeepsOtherThreadsOutOfTheGuardedSpan)
{
    QvTCriticalSection section;
    int nShared = 0;
    const int nThreads = 4, nRounds = 2000;
    std::vector<std::thread> workers;
    for (int t = 0; t < nThreads; ++t)
    {
        workers.emplace_back([&] {
            for (int i = 0; i < nRounds; ++i)
            {
                QvTSingleLock lock(section);
                // A read, a yield and a write: without exclusion other threads' updates are lost.
                int nSeen = nShared;
                ::SwitchToThread();
                nShared = nSeen + 1;
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(nThreads * nRounds, nShared) << "every increment made under the lock survives";
}

TEST(QvTSingleLock, AssignmentMovesToTheOtherSectionWithoutUnbalancingEither)
{
    QvTCriticalSection first, second;
    {
        QvTSingleLock lockFirst(first);
        {
            QvTSingleLock lockSecond(second);
            lockFirst = lockSecond;
            EXPECT_TRUE(lockFirst.IsLocked()) << "the assigned lock holds the other's section";
            EXPECT_TRUE(FreeForOtherThreads(first)) << "the assigned lock released its own";
            EXPECT_FALSE(FreeForOtherThreads(second)) << "held by both locks";
        }
        EXPECT_FALSE(FreeForOtherThreads(second)) << "still held by the assigned lock";
    }
    EXPECT_TRUE(FreeForOtherThreads(first)) << "after both scopes";
    EXPECT_TRUE(FreeForOtherThreads(second)) << "each lock released exactly its own entry";

    {
        QvTSingleLock lock(first);
        QvTSingleLock& alias = lock;
        lock = alias;
        EXPECT_TRUE(lock.IsLocked()) << "after assigning a lock to itself";
        EXPECT_FALSE(FreeForOtherThreads(first)) << "after assigning a lock to itself";
    }
    EXPECT_TRUE(FreeForOtherThreads(first)) << "after the self-assigned lock's scope";
}
