#include <afxmt.h>
#include "../common/CriticalSectionProbe.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(CSingleLock, LocksOnlyWhenAskedAndUnlockReleases)
{
    CCriticalSection section;
    CSingleLock lock(&section);
    EXPECT_FALSE(lock.IsLocked()) << "no initial lock was asked for";
    EXPECT_TRUE(FreeForOtherThreads(section)) << "before Lock";

    EXPECT_TRUE(lock.Lock()) << "Lock with an infinite wait";
    EXPECT_TRUE(lock.IsLocked()) << "after Lock";
    EXPECT_FALSE(FreeForOtherThreads(section)) << "while the lock holds the section";

    EXPECT_TRUE(lock.Unlock()) << "Unlock of a held lock";
    EXPECT_FALSE(lock.IsLocked()) << "after Unlock";
    EXPECT_TRUE(FreeForOtherThreads(section)) << "after Unlock";
    EXPECT_TRUE(lock.Unlock()) << "Unlock of a lock that holds nothing still reports it free";
}

TEST(CSingleLock, InitialLockIsReleasedByTheDestructor)
{
    CCriticalSection section;
    {
        CSingleLock lock(&section, TRUE);
        EXPECT_TRUE(lock.IsLocked()) << "bInitialLock TRUE";
        EXPECT_FALSE(FreeForOtherThreads(section)) << "inside the lock's scope";
    }
    EXPECT_TRUE(FreeForOtherThreads(section)) << "after the lock's scope";
}

TEST(CSingleLock, LockingTwiceNeedsOnlyOneRelease)
{
    CCriticalSection section;
    {
        CSingleLock lock(&section, TRUE);
        EXPECT_TRUE(lock.Lock()) << "second Lock of a held lock";
        EXPECT_TRUE(lock.IsLocked());
    }
    EXPECT_TRUE(FreeForOtherThreads(section)) << "the destructor must release it completely";
}

TEST(CCriticalSection, IsRecursiveForItsOwnerAndExposesTheSection)
{
    CCriticalSection section;
    CRITICAL_SECTION* pSect = section;
    EXPECT_EQ(&section.m_sect, pSect) << "operator CRITICAL_SECTION*";

    EXPECT_TRUE(section.Lock());
    EXPECT_TRUE(section.Lock(0)) << "the owner enters again; the time-out is ignored";
    EXPECT_TRUE(section.Unlock());
    EXPECT_FALSE(FreeForOtherThreads(section)) << "one of two entries released";
    EXPECT_TRUE(section.Unlock());
    EXPECT_TRUE(FreeForOtherThreads(section)) << "both entries released";
}

TEST(CSingleLock, KeepsOtherThreadsOutOfTheGuardedSpan)
{
    CCriticalSection section;
    int nShared = 0;
    const int nThreads = 4, nRounds = 2000;
    std::vector<std::thread> workers;
    for (int t = 0; t < nThreads; ++t)
    {
        workers.emplace_back([&] {
            for (int i = 0; i < nRounds; ++i)
            {
                CSingleLock lock(&section, TRUE);
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
