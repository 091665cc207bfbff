#include "toolkit/threads/QvTThreads.h"

#include <gtest/gtest.h>

namespace
{
LONGLONG RawCounter()
{
    LARGE_INTEGER count;
    EXPECT_TRUE(::QueryPerformanceCounter(&count)) << "QueryPerformanceCounter";
    return count.QuadPart;
}

double RawSeconds(LONGLONG nTicks)
{
    LARGE_INTEGER frequency;
    EXPECT_TRUE(::QueryPerformanceFrequency(&frequency)) << "QueryPerformanceFrequency";
    return static_cast<double>(nTicks) / static_cast<double>(frequency.QuadPart);
}
} // namespace

TEST(QvTHResTimeStamp, DifferenceWithItselfIsZero)
{
    QvTHResTimeStamp stamp;
    EXPECT_EQ(0.0, (stamp - stamp).GetTotalSeconds()) << "a stamp minus itself";
    QvTHResTimeStamp copy = stamp;
    EXPECT_EQ(0.0, (copy - stamp).GetTotalSeconds()) << "a copy minus its original";
}

// The counter read around each stamp bounds the span in seconds, whatever the machine's speed.
TEST(QvTHResTimeStamp, DifferenceIsSecondsBetweenTheReadings)
{
    LONGLONG nBeforeFirst = RawCounter();
    QvTHResTimeStamp first;
    LONGLONG nAfterFirst = RawCounter();
    ::Sleep(5);
    LONGLONG nBeforeSecond = RawCounter();
    QvTHResTimeStamp second;
    LONGLONG nAfterSecond = RawCounter();

    double dForward = (second - first).GetTotalSeconds();
    EXPECT_GE(dForward, RawSeconds(nBeforeSecond - nAfterFirst)) << "later minus earlier";
    EXPECT_LE(dForward, RawSeconds(nAfterSecond - nBeforeFirst)) << "later minus earlier";
    EXPECT_GT(dForward, 0.0) << "later minus earlier";
    EXPECT_EQ(-dForward, (first - second).GetTotalSeconds()) << "earlier minus later";
}

TEST(QvTHResTimeStamp, StampAndCallOperatorReadTheCounterAgain)
{
    QvTHResTimeStamp stamp; // stamped before the reference, so a stale stamp reads as negative
    for (int nWay = 0; nWay < 2; ++nWay)
    {
        const char* pszWay = nWay == 0 ? "Stamp()" : "operator()()";
        LONGLONG nBeforeReference = RawCounter();
        QvTHResTimeStamp reference;
        LONGLONG nAfterReference = RawCounter();
        ::Sleep(2);
        LONGLONG nBefore = RawCounter();
        if (nWay == 0)
            stamp.Stamp();
        else
            stamp();
        LONGLONG nAfter = RawCounter();

        double dSeconds = (stamp - reference).GetTotalSeconds();
        EXPECT_GE(dSeconds, RawSeconds(nBefore - nAfterReference)) << pszWay;
        EXPECT_LE(dSeconds, RawSeconds(nAfter - nBeforeReference)) << pszWay;
    }
}

TEST(QvTDuration, StartsAtZeroAndHoldsAnySeconds)
{
    QvTDuration duration;
    EXPECT_EQ(0.0, duration.GetTotalSeconds()) << "new duration";
    for (double dSeconds : {1.5, -0.25, 1e-9, 86400.0 * 365})
    {
        duration.SetTotalSeconds(dSeconds);
        QvTDuration copy;
        copy = duration;
        EXPECT_EQ(dSeconds, copy.GetTotalSeconds()) << "assigned after SetTotalSeconds";
    }
}
