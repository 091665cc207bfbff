// Five-card poker evaluation. The score is defined by a sort-and-scan over the cards; this
// evaluator reaches the same value and held positions from rank comparisons and small tables
// built at compile time, so that a table of millions of hands scores in a fraction of a second.
#include "toolkit/cards/QvCards.h"

#include <emmintrin.h>
#include <string.h>

namespace
{
constexpr int kCards = 5;
constexpr int kSpecialSuit = QvoCard::eSpecial;
constexpr int kHighestRank = 12;      // king
constexpr unsigned kAceHigh = 0x1E01; // ranks of ten, jack, queen, king and ace

constexpr int kAllHeld[kCards] = {0, 1, 2, 3, 4};
constexpr int kNoneHeld[kCards] = {-1, -1, -1, -1, -1};

// The ten pairs of positions in a hand; bit k of a comparison mask is set when the cards of
// pair k have equal ranks. The order is the one three vector compares give most cheaply.
constexpr int kPairFirst[10] = {0, 0, 0, 0, 1, 1, 1, 3, 2, 2};
constexpr int kPairSecond[10] = {1, 2, 3, 4, 2, 3, 4, 4, 3, 4};

// How five cards fall into groups of equal rank, for one comparison mask.
struct alignas(16) Grouping
{
    unsigned char value;  // the hand the groups make; 0 for one pair, graded by its rank
    unsigned char pair;   // 0xFF for one pair, else 0
    unsigned char first;  // a position in the group holding the lowest position
    unsigned char second; // a position in the other group, or the first again
    // The grouped positions, then -1: [0] when the first group has the lower rank, [1] when
    // the second has.
    int held[2][kCards];
};

// Equality of ranks is transitive, so only the 52 ways of splitting five positions into
// classes occur among the 1024 masks.
constexpr int kGroupings = 52;

struct GroupingTable
{
    unsigned char index[1 << 10]; // comparison mask -> entry
    Grouping entries[kGroupings];
    int count;
};

constexpr GroupingTable BuildGroupingTable()
{
    GroupingTable table{};
    int count = 0;
    for (unsigned mask = 0; mask < (1u << 10); ++mask)
    {
        // Each position is labelled with the lowest position of its class.
        int label[kCards] = {0, 1, 2, 3, 4};
        for (int k = 0; k < 10; ++k)
            if ((mask >> k & 1) && kPairFirst[k] < label[kPairSecond[k]])
                label[kPairSecond[k]] = kPairFirst[k];
        bool transitive = true;
        int equalPairs = 0;
        for (int k = 0; k < 10; ++k)
        {
            const bool equal = (mask >> k & 1) != 0;
            transitive = transitive && equal == (label[kPairFirst[k]] == label[kPairSecond[k]]);
            equalPairs += equal ? 1 : 0;
        }
        if (!transitive)
            continue; // cannot come from ranks; the index stays at the entry of no group

        int size[kCards] = {};
        for (int i = 0; i < kCards; ++i)
            ++size[label[i]];
        int groups[2] = {0, 0};
        int groupCount = 0;
        for (int i = 0; i < kCards; ++i)
            if (size[i] > 1)
                groups[groupCount++] = i;

        Grouping& entry = table.entries[count];
        table.index[mask] = static_cast<unsigned char>(count);
        ++count;
        switch (equalPairs)
        {
        case 2:
            entry.value = eHandTwoPair;
            break;
        case 3:
            entry.value = eHandThreeOfAKind;
            break;
        case 4:
            entry.value = eHandFullHouse;
            break;
        case 6:
            entry.value = eHandFourOfAKind;
            break;
        case 10:
            entry.value = eHandFiveOfAKind;
            break;
        default: // no group, or one pair
            entry.value = eHandNothing;
            break;
        }
        entry.pair = equalPairs == 1 ? 0xFF : 0;
        entry.first = static_cast<unsigned char>(groups[0]);
        entry.second = static_cast<unsigned char>(groupCount == 2 ? groups[1] : groups[0]);
        for (int order = 0; order < 2; ++order)
        {
            int n = 0;
            for (int g = 0; g < groupCount; ++g)
            {
                const int group = groups[order == 0 ? g : groupCount - 1 - g];
                for (int i = 0; i < kCards; ++i)
                    if (label[i] == group)
                        entry.held[order][n++] = i;
            }
            while (n < kCards)
                entry.held[order][n++] = -1;
        }
    }
    table.count = count;
    return table;
}

constexpr GroupingTable s_grouping = BuildGroupingTable();
static_assert(s_grouping.count == kGroupings, "every split of five positions has its entry");

// For four distinct ranks (a 13-bit mask): whether a fifth rank completes a straight, and
// whether it completes the ace-high one.
constexpr unsigned char kCompletesStraight = 1;
constexpr unsigned char kCompletesAceHigh = 2;

struct StraightTable
{
    unsigned char completes[1 << 13];
};

constexpr StraightTable BuildStraightTable()
{
    StraightTable table{};
    unsigned straights[10] = {};
    for (int low = 0; low < 9; ++low)
        straights[low] = 0x1Fu << low;
    straights[9] = kAceHigh;
    for (unsigned ranks = 0; ranks < (1u << 13); ++ranks)
        for (unsigned straight : straights)
            if ((straight & ranks) == ranks)
                table.completes[ranks] |= straight == kAceHigh
                                              ? kCompletesStraight | kCompletesAceHigh
                                              : kCompletesStraight;
    return table;
}

constexpr StraightTable s_straights = BuildStraightTable();

inline QvePokerHand Held(int* pHeld, const int (&held)[kCards], QvePokerHand value)
{
    memcpy(pHeld, held, sizeof held);
    return value;
}

// Aces pair highest, then jacks to kings, then tens, then the rest; ranks outside the deck
// above ten count as faces.
constexpr unsigned char kPairGrade[16] = {
    eHandPairAces,  eHandPair,      eHandPair,      eHandPair,     eHandPair,      eHandPair,
    eHandPair,      eHandPair,      eHandPair,      eHandPairTens, eHandPairFaces, eHandPairFaces,
    eHandPairFaces, eHandPairFaces, eHandPairFaces, eHandPairFaces};

inline QvePokerHand PairOf(int iRank)
{
    if (unsigned(iRank) < 16)
        return static_cast<QvePokerHand>(kPairGrade[iRank]);
    return iRank > 9 ? eHandPairFaces : eHandPair;
}

inline QvePokerHand StraightOrFlush(int* pHeld, bool straight, bool flush, bool aceHigh)
{
    memcpy(pHeld, kAllHeld, sizeof kAllHeld);
    if (!straight)
        return eHandFlush; // before any group: only a repeated card makes a flush with a group
    if (!flush)
        return eHandStraight;
    return aceHigh ? eHandRoyalFlush : eHandStraightFlush;
}

// Five distinct ranks not all within 0 to 15, so not ace and ten to king: a straight when
// they are consecutive.
__attribute__((noinline)) bool IsRunOfAnyRanks(const int (&r)[kCards])
{
    int low = r[0], high = r[0];
    for (int i = 1; i < kCards; ++i)
    {
        low = r[i] < low ? r[i] : low;
        high = r[i] > high ? r[i] : high;
    }
    return unsigned(high) - unsigned(low) == 4;
}

// The hand of five cards that are neither a straight nor a flush, from the comparison mask of
// their ranks; rankAt(i) is the rank of the card at position i.
template <class RankAt> inline QvePokerHand ScoreGroups(unsigned equal, RankAt rankAt, int* pHeld)
{
    const Grouping& grouping = s_grouping.entries[s_grouping.index[equal]];
    const int firstRank = rankAt(grouping.first);
    const int order = firstRank > rankAt(grouping.second) ? 1 : 0;
    memcpy(pHeld, grouping.held[order], sizeof grouping.held[order]);
    return static_cast<QvePokerHand>(grouping.value | (grouping.pair & PairOf(firstRank)));
}

// Scores five cards with no wild card. Any int is a rank here and any value a suit: a second
// special card in a wild hand and cards built without range checks score as they stand.
QvePokerHand EvalPlain(const int (&r)[kCards], const int (&s)[kCards], int* pHeld)
{
    unsigned equal = 0;
    for (int k = 0; k < 10; ++k)
        equal |= unsigned(r[kPairFirst[k]] == r[kPairSecond[k]]) << k;
    const bool flush = ((s[0] ^ s[1]) | (s[0] ^ s[2]) | (s[0] ^ s[3]) | (s[0] ^ s[4])) == 0;

    bool straight, aceHigh;
    if (unsigned(r[0] | r[1] | r[2] | r[3] | r[4]) < 16)
    {
        // Only five distinct ranks set five bits; in a straight they are consecutive.
        const unsigned ranks = 1u << r[0] | 1u << r[1] | 1u << r[2] | 1u << r[3] | 1u << r[4];
        aceHigh = ranks == kAceHigh;
        straight = ranks == (ranks & (0u - ranks)) * 0x1F || aceHigh;
    }
    else
    {
        aceHigh = false;
        straight = equal == 0 && IsRunOfAnyRanks(r);
    }
    if (straight | flush)
        return StraightOrFlush(pHeld, straight, flush, aceHigh);

    return ScoreGroups(
        equal, [&r](int i) { return r[i]; }, pHeld);
}

// The wild search done literally: every substitute in trial order, the first best one kept.
__attribute__((noinline)) QvePokerHand EvalWildByTrials(const int (&r)[kCards],
                                                        const int (&s)[kCards], int iWild,
                                                        int* pHeld)
{
    static const int kTrialSuits[4] = {QvoCard::eClubs, QvoCard::eHearts, QvoCard::eDiamonds,
                                       QvoCard::eSpades};
    int ranks[kCards], suits[kCards];
    memcpy(ranks, r, sizeof ranks);
    memcpy(suits, s, sizeof suits);
    // No trial below a pair can happen with real ranks; should every trial score nothing, the
    // held array still reports that plainly.
    QvePokerHand best = eHandNothing;
    memcpy(pHeld, kNoneHeld, sizeof kNoneHeld);
    for (int suit : kTrialSuits)
        for (int rank = kHighestRank; rank >= 0; --rank)
        {
            ranks[iWild] = rank;
            suits[iWild] = suit;
            int held[kCards];
            const QvePokerHand value = EvalPlain(ranks, suits, held);
            if (value > best)
            {
                best = value;
                memcpy(pHeld, held, sizeof held);
            }
        }
    return best;
}

// The four cards beside the joker are of the normal deck and all different: the best
// substitute and the earliest trial that reaches it follow from their ranks and suits alone.
bool IsDeckBase(const int (&r)[kCards], const int (&s)[kCards], int iWild)
{
    for (int i = 0; i < kCards; ++i)
    {
        if (i == iWild)
            continue;
        if (unsigned(r[i]) > unsigned(kHighestRank) || unsigned(s[i]) > unsigned(QvoCard::eSpades))
            return false;
        for (int k = i + 1; k < kCards; ++k)
            if (k != iWild && r[k] == r[i] && s[k] == s[i])
                return false;
    }
    return true;
}

inline int HighestBit(unsigned bits)
{
    return 31 - __builtin_clz(bits);
}

QvePokerHand EvalWildOnDeckBase(const int (&r)[kCards], const int (&s)[kCards], int iWild,
                                int* pHeld)
{
    int pos[4];
    int n = 0;
    for (int i = 0; i < kCards; ++i)
        if (i != iWild)
            pos[n++] = i;
    const int r0 = r[pos[0]], r1 = r[pos[1]], r2 = r[pos[2]], r3 = r[pos[3]];
    const int equalPairs =
        (r0 == r1) + (r0 == r2) + (r0 == r3) + (r1 == r2) + (r1 == r3) + (r2 == r3);

    // With a group among the four, the joker joins it (the highest rank of two pairs, which
    // clubs reach first); no straight or flush is possible.
    if (equalPairs != 0)
    {
        int target; // the rank the joker takes
        switch (equalPairs)
        {
        case 6:
            return Held(pHeld, kAllHeld, eHandFiveOfAKind);
        case 3:
            target = (r0 == r1 || r0 == r2) ? r0 : r1;
            break;
        case 2: {
            const int other = r1 != r0 ? r1 : (r2 != r0 ? r2 : r3);
            target = r0 > other ? r0 : other;
            break;
        }
        default:
            target = r0 == r1 || r0 == r2 || r0 == r3 ? r0 : (r1 == r2 || r1 == r3 ? r1 : r2);
            break;
        }
        int k = 0;
        if (equalPairs == 2) // the lower pair leads
            for (int i = 0; i < 4; ++i)
                if (r[pos[i]] != target)
                    pHeld[k++] = pos[i];
        for (int i = 0; i < 4; ++i)
            if (r[pos[i]] == target)
                pHeld[k++] = pos[i];
        pHeld[k++] = iWild;
        while (k < kCards)
            pHeld[k++] = -1;
        switch (equalPairs)
        {
        case 3:
            return eHandFourOfAKind;
        case 2:
            return eHandFullHouse;
        default:
            return eHandThreeOfAKind;
        }
    }

    const unsigned ranks = 1u << r0 | 1u << r1 | 1u << r2 | 1u << r3;
    const unsigned completes = s_straights.completes[ranks];
    const int s0 = s[pos[0]];
    if (s[pos[1]] == s0 && s[pos[2]] == s0 && s[pos[3]] == s0)
    {
        // Every substitute in the suit is at least a flush, which no other suit reaches.
        if (completes & kCompletesAceHigh)
            return Held(pHeld, kAllHeld, eHandRoyalFlush);
        return Held(pHeld, kAllHeld, completes ? eHandStraightFlush : eHandFlush);
    }
    if (completes)
        return Held(pHeld, kAllHeld, eHandStraight);

    // A pair with the best graded rank, the highest rank within a grade (kings come first).
    int target;
    if (ranks & 1u)
        target = 0;
    else if (ranks & 0x1C00u)
        target = HighestBit(ranks & 0x1C00u);
    else
        target = HighestBit(ranks);
    int k = 0;
    while (r[pos[k]] != target)
        ++k;
    pHeld[0] = pos[k];
    pHeld[1] = iWild;
    pHeld[2] = pHeld[3] = pHeld[4] = -1;
    return PairOf(target);
}

__attribute__((noinline)) QvePokerHand EvalWild(const int (&r)[kCards], const int (&s)[kCards],
                                                int* pHeld)
{
    int wild = 0;
    while (s[wild] != kSpecialSuit)
        ++wild;
    if (IsDeckBase(r, s, wild))
        return EvalWildOnDeckBase(r, s, wild, pHeld);
    return EvalWildByTrials(r, s, wild, pHeld);
}

// A wild card, or ranks beyond what a rank mask holds.
__attribute__((noinline)) QvePokerHand EvalUnusual(const QvoCard* pCards, int* pHeld, bool wild)
{
    int r[kCards], s[kCards];
    for (int i = 0; i < kCards; ++i)
    {
        r[i] = pCards[i].m_iRank;
        s[i] = pCards[i].m_eSuit;
    }
    return wild ? EvalWild(r, s, pHeld) : EvalPlain(r, s, pHeld);
}

__attribute__((noinline)) QvePokerHand EvalNoCards(int* pHeld, int& iWild)
{
    iWild = 0;
    if (pHeld != nullptr)
        memcpy(pHeld, kNoneHeld, sizeof kNoneHeld);
    return eHandNothing;
}

inline int Mask(__m128i lanes)
{
    return _mm_movemask_ps(_mm_castsi128_ps(lanes));
}
} // namespace

// The common case, five cards of ranks 0 to 15 and no special suit, is EvalPlain made
// branch-free for everything but straights and flushes, which are rare. The suits and the rank
// comparisons are done four cards at a time.
QvePokerHand QvfEvalPokerHand(const QvoCard* pCards, int* pHeld, int& iWild)
{
    if (pCards == nullptr || pHeld == nullptr)
        return EvalNoCards(pHeld, iWild);
    // Each field is read on its own: a caller that has just stored a card's rank and suit
    // one by one would stall a wider read until both stores are done.
    const int r0 = pCards[0].m_iRank, r1 = pCards[1].m_iRank, r2 = pCards[2].m_iRank,
              r3 = pCards[3].m_iRank, r4 = pCards[4].m_iRank;
    const __m128i suits1to4 =
        _mm_set_epi32(pCards[4].m_eSuit, pCards[3].m_eSuit, pCards[2].m_eSuit, pCards[1].m_eSuit);
    const __m128i suit0 = _mm_set1_epi32(pCards[0].m_eSuit);
    const __m128i specialSuit = _mm_set1_epi32(kSpecialSuit);
    const bool special = Mask(_mm_or_si128(_mm_cmpeq_epi32(suits1to4, specialSuit),
                                           _mm_cmpeq_epi32(suit0, specialSuit))) != 0;
    iWild = special ? 1 : 0;
    if (special | (unsigned(r0 | r1 | r2 | r3 | r4) >= 16))
        return EvalUnusual(pCards, pHeld, special);

    const __m128i ranks1to4 = _mm_set_epi32(r4, r3, r2, r1);
    const __m128i rank0 = _mm_set1_epi32(r0);
    // Pairs (0,1) (0,2) (0,3) (0,4), then (1,2) (1,3) (1,4) (3,4), then (2,3) (2,4).
    const __m128i with0 = _mm_cmpeq_epi32(ranks1to4, rank0);
    const __m128i with1and3 =
        _mm_cmpeq_epi32(_mm_shuffle_epi32(ranks1to4, _MM_SHUFFLE(2, 0, 0, 0)),
                        _mm_shuffle_epi32(ranks1to4, _MM_SHUFFLE(3, 3, 2, 1)));
    const __m128i with2 = _mm_cmpeq_epi32(_mm_shuffle_epi32(ranks1to4, _MM_SHUFFLE(1, 1, 1, 1)),
                                          _mm_shuffle_epi32(ranks1to4, _MM_SHUFFLE(3, 2, 3, 2)));
    const unsigned equal = unsigned(_mm_movemask_epi8(_mm_packs_epi16(
                               _mm_packs_epi32(with0, with1and3), _mm_packs_epi32(with2, with2)))) &
                           0x3FF;
    const bool flush = Mask(_mm_cmpeq_epi32(suits1to4, suit0)) == 0xF;
    const unsigned ranks = 1u << r0 | 1u << r1 | 1u << r2 | 1u << r3 | 1u << r4;
    const bool aceHigh = ranks == kAceHigh;
    const bool straight = (ranks == (ranks & (0u - ranks)) * 0x1F) | aceHigh;
    if (straight | flush)
        return StraightOrFlush(pHeld, straight, flush, aceHigh);

    return ScoreGroups(
        equal, [pCards](int i) { return pCards[i].m_iRank; }, pHeld);
}
