// The poker-hand score written the plain way, step by step: sort the five cards by rank, scan
// them for a straight, a flush and groups, and try all 52 substitutes for a joker. The library's
// evaluator must agree with it on every hand; the benchmark measures both.
#pragma once

#include "toolkit/cards/QvCards.h"

namespace PokerReference
{
// A scored hand, with the ranks as they were scored (the joker's replaced by the rank of the
// winning substitute), so that held positions can be compared group by group.
struct Result
{
    QvePokerHand value = eHandNothing;
    int held[5] = {-1, -1, -1, -1, -1};
    int wild = 0;
    QvoCard scored[5];
};

inline QvePokerHand EvalCore(const QvoCard* pCards, int* pHeld)
{
    struct Entry
    {
        int rank;
        int suit;
        int pos;
    } sorted[5];
    for (int i = 0; i < 5; ++i)
        sorted[i] = {pCards[i].m_iRank, pCards[i].m_eSuit, i};
    for (int i = 1; i < 5; ++i)
        for (int k = i; k > 0 && sorted[k - 1].rank > sorted[k].rank; --k)
        {
            const Entry swap = sorted[k];
            sorted[k] = sorted[k - 1];
            sorted[k - 1] = swap;
        }

    bool flush = true;
    for (int i = 0; i < 4; ++i)
        if (sorted[i].suit != sorted[i + 1].suit)
            flush = false;

    const bool aceTen = sorted[0].rank == 0 && sorted[1].rank == 9;
    bool straight = true;
    for (int i = aceTen ? 2 : 1; i < 5; ++i)
        if (sorted[i].rank != sorted[i - 1].rank + 1)
            straight = false;

    for (int i = 0; i < 5; ++i)
        pHeld[i] = i;
    if (straight)
    {
        if (flush)
            return aceTen ? eHandRoyalFlush : eHandStraightFlush;
        return eHandStraight;
    }
    if (flush)
        return eHandFlush;

    for (int i = 0; i < 5; ++i)
        pHeld[i] = -1;
    int run = 0, groups = 0, longest = 0;
    bool aces = false, faces = false, tens = false;
    for (int p = 0; p < 4; ++p)
    {
        if (sorted[p].rank == sorted[p + 1].rank)
        {
            ++run;
            pHeld[p] = sorted[p].pos;
            pHeld[p + 1] = sorted[p + 1].pos;
            if (sorted[p].rank == 0)
                aces = true;
            else if (sorted[p].rank > 9)
                faces = true;
            else if (sorted[p].rank == 9)
                tens = true;
        }
        else if (run != 0)
        {
            ++groups;
            if (run > longest)
                longest = run;
            run = 0;
        }
    }
    if (run != 0)
    {
        ++groups;
        if (run > longest)
            longest = run;
    }

    int n = 0;
    for (int i = 0; i < 5; ++i)
        if (pHeld[i] != -1)
            pHeld[n++] = pHeld[i];
    while (n < 5)
        pHeld[n++] = -1;

    if (groups == 0)
        return eHandNothing;
    if (groups == 2)
        return longest == 1 ? eHandTwoPair : eHandFullHouse;
    switch (longest)
    {
    case 1:
        return aces ? eHandPairAces : faces ? eHandPairFaces : tens ? eHandPairTens : eHandPair;
    case 2:
        return eHandThreeOfAKind;
    case 3:
        return eHandFourOfAKind;
    default:
        return eHandFiveOfAKind;
    }
}

// The whole evaluation: the core for a hand without a special card, else the 52 trials for the
// first special card. pWildRank, when given, receives the rank of the winning substitute.
inline QvePokerHand EvalPokerHand(const QvoCard* pCards, int* pHeld, int& iWild,
                                  int* pWildRank = nullptr)
{
    int found = -1;
    for (int i = 0; i < 5 && found < 0; ++i)
        if (pCards[i].m_eSuit == QvoCard::eSpecial)
            found = i;
    if (found < 0)
    {
        iWild = 0;
        return EvalCore(pCards, pHeld);
    }

    iWild = 1;
    QvoCard work[5];
    for (int i = 0; i < 5; ++i)
        work[i] = pCards[i];
    QvePokerHand best = eHandNothing;
    for (int i = 0; i < 5; ++i)
        pHeld[i] = -1; // kept should no trial score at all
    const QvoCard::eSuit order[4] = {QvoCard::eClubs, QvoCard::eHearts, QvoCard::eDiamonds,
                                     QvoCard::eSpades};
    for (QvoCard::eSuit suit : order)
        for (int rank = 12; rank >= 0; --rank)
        {
            work[found] = QvoCard(rank, suit);
            int held[5];
            const QvePokerHand value = EvalCore(work, held);
            if (value > best)
            {
                best = value;
                for (int i = 0; i < 5; ++i)
                    pHeld[i] = held[i];
                if (pWildRank != nullptr)
                    *pWildRank = rank;
            }
        }
    return best;
}

inline Result Eval(const QvoCard* pCards)
{
    Result result;
    int wildRank = -1;
    result.value = EvalPokerHand(pCards, result.held, result.wild, &wildRank);
    for (int i = 0; i < 5; ++i)
    {
        result.scored[i] = pCards[i];
        if (result.wild && pCards[i].m_eSuit == QvoCard::eSpecial && wildRank >= 0)
        {
            result.scored[i].m_iRank = wildRank; // only the first special card is wild
            wildRank = -1;
        }
    }
    return result;
}

// True when the evaluator's answer is the reference's: the same value and wild flag, and the
// same held positions in the same order except within one group of equal rank.
inline bool SameResult(const Result& expected, QvePokerHand value, const int* pHeld, int iWild)
{
    if (value != expected.value || iWild != expected.wild)
        return false;
    for (int i = 0; i < 5; ++i)
    {
        const int want = expected.held[i], got = pHeld[i];
        if ((want < 0 || got < 0 || got > 4) && want != got)
            return false;
        if (want >= 0 && expected.scored[want].m_iRank != expected.scored[got].m_iRank)
            return false;
    }
    // Same ranks place by place; now the same positions within each rank.
    for (int i = 0; i < 5; ++i)
    {
        if (expected.held[i] < 0)
            break;
        int wanted = 0, given = 0;
        for (int k = 0; k < 5; ++k)
        {
            wanted += expected.held[k] == expected.held[i];
            given += pHeld[k] == expected.held[i];
        }
        if (wanted != given)
            return false;
    }
    return true;
}
} // namespace PokerReference
