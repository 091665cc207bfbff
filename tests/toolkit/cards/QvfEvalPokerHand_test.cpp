#include "CardsTestSupport.h"
#include "bench/toolkit/cards/PokerHandReference.h"
#include "toolkit/cards/QvCards.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace CardsTest;

namespace
{
std::string CardText(const QvoCard& card)
{
    static const char ranks[] = "A23456789TJQK", suits[] = "cdhs";
    if (card.m_eSuit == QvoCard::eSpecial && card.m_iRank == 0)
        return "JK";
    if (card.m_iRank >= 0 && card.m_iRank <= 12 && card.m_eSuit >= 0 && card.m_eSuit <= 3)
        return std::string(1, ranks[card.m_iRank]) + suits[card.m_eSuit];
    return "(" + std::to_string(card.m_iRank) + "," + std::to_string(card.m_eSuit) + ")";
}

std::string HandText(const QvoCard* cards)
{
    std::string text;
    for (int i = 0; i < 5; ++i)
        text += (i ? " " : "") + CardText(cards[i]);
    return text;
}

// Scores the hand with the library and with the plain reference; true when they agree.
bool AgreesWithReference(const QvoCard* cards, std::string* pReport, int preset = 99)
{
    int held[5] = {preset, preset, preset, preset, preset};
    int wild = preset;
    const QvePokerHand value = QvfEvalPokerHand(cards, held, wild);
    const PokerReference::Result expected = PokerReference::Eval(cards);
    if (PokerReference::SameResult(expected, value, held, wild))
        return true;
    *pReport = HandText(cards) + ": value " + std::to_string(value) + " wild " +
               std::to_string(wild) + " held " + HeldText(std::vector<int>(held, held + 5)) +
               "; reference value " + std::to_string(expected.value) + " wild " +
               std::to_string(expected.wild) + " held " +
               HeldText(std::vector<int>(expected.held, expected.held + 5));
    return false;
}

// Reports the first few disagreements and the total.
struct MismatchLog
{
    long count = 0;
    void Add(const std::string& report)
    {
        if (++count <= 10)
            ADD_FAILURE() << report;
    }
};

QvoCard DeckCard(int index)
{
    return QvoCard(index % 13, static_cast<QvoCard::eSuit>(index / 13));
}

struct Case
{
    const char* hand;
    QvePokerHand value;
    const char* held; // within a group of equal rank, positions in ascending order
    int wildRank;     // the rank the joker stands for in the winning trial
};

void CheckCases(const Case* cases, size_t count, int expectedWild)
{
    for (size_t i = 0; i < count; ++i)
    {
        const Case& c = cases[i];
        const Hand hand = ParseHand(c.hand);
        int held[5] = {99, 99, 99, 99, 99};
        int wild = 99;
        const QvePokerHand value = QvfEvalPokerHand(hand.cards, held, wild);
        EXPECT_EQ(c.value, value) << c.hand;
        EXPECT_EQ(expectedWild, wild) << c.hand << ": wild flag";
        int wildPos = -1;
        for (int k = 0; k < 5 && wildPos < 0; ++k)
            if (hand.cards[k].m_eSuit == QvoCard::eSpecial)
                wildPos = k;
        EXPECT_EQ(c.held, HeldText(CanonicalHeld(hand, held, wildPos, c.wildRank)))
            << c.hand << ": held positions";
        const Hand again = ParseHand(c.hand);
        for (int k = 0; k < 5; ++k)
        {
            EXPECT_EQ(again.cards[k].m_iRank, hand.cards[k].m_iRank) << c.hand << ": card " << k;
            EXPECT_EQ(again.cards[k].m_eSuit, hand.cards[k].m_eSuit) << c.hand << ": card " << k;
        }
    }
}
} // namespace

TEST(QvfEvalPokerHand, ScoresHandsWithoutAJoker)
{
    static const Case cases[] = {
        {"Ac 2d 3h 4s 5c", eHandStraight, "0 1 2 3 4", 0},
        {"5c 3d Ah 4s 2c", eHandStraight, "0 1 2 3 4", 0}, // card order, not rank order
        {"Tc Jd Qh Ks Ac", eHandStraight, "0 1 2 3 4", 0},
        {"Th Jh Qh Kh Ah", eHandRoyalFlush, "0 1 2 3 4", 0},
        {"Ah Kh Qh Jh Th", eHandRoyalFlush, "0 1 2 3 4", 0},
        {"9s Ts Js Qs Ks", eHandStraightFlush, "0 1 2 3 4", 0},
        {"Ah 2h 3h 4h 5h", eHandStraightFlush, "0 1 2 3 4", 0},
        {"Qc Kd Ah 2s 3c", eHandNothing, "-1 -1 -1 -1 -1", 0},
        {"Kc Ad 2h 3s 4c", eHandNothing, "-1 -1 -1 -1 -1", 0},
        {"Ac 9d Jh Qs Kc", eHandNothing, "-1 -1 -1 -1 -1", 0},
        {"2h 7h 9h Jh Kh", eHandFlush, "0 1 2 3 4", 0},
        {"Kh Kh 2h 7h 9h", eHandFlush, "0 1 2 3 4", 0}, // the flush is seen before the pair
        {"7c 2d 7h Js 4c", eHandPair, "0 2 -1 -1 -1", 0},
        {"2c 5d 2h 8s 4c", eHandPair, "0 2 -1 -1 -1", 0},
        {"9c 5d 2h 8s 9h", eHandPair, "0 4 -1 -1 -1", 0},
        {"Tc 3d Th Js 4c", eHandPairTens, "0 2 -1 -1 -1", 0},
        {"Jc 3d Jh 8s 4c", eHandPairFaces, "0 2 -1 -1 -1", 0},
        {"3d Kc 8s Kh 4c", eHandPairFaces, "1 3 -1 -1 -1", 0},
        {"Ac 3d Ah 8s 4c", eHandPairAces, "0 2 -1 -1 -1", 0},
        {"9c 5d 9h 7s 5c", eHandTwoPair, "1 4 0 2 -1", 0},
        {"Ac Kd Ah Ks 7c", eHandTwoPair, "0 2 1 3 -1", 0}, // aces rank low
        {"Tc Td Ts 8s 4c", eHandThreeOfAKind, "0 1 2 -1 -1", 0},
        {"4c Ad 4s Kh 4h", eHandThreeOfAKind, "0 2 4 -1 -1", 0},
        {"Kc 3d Kh 3s Ks", eHandFullHouse, "1 3 0 2 4", 0},
        {"Ac Ad 3h 3s 3c", eHandFullHouse, "0 1 2 3 4", 0},
        {"5c 5d 5h 5s Kc", eHandFourOfAKind, "0 1 2 3 -1", 0},
        {"Kc 5d 5h 5s 5c", eHandFourOfAKind, "1 2 3 4 -1", 0},
        {"Kc Kc Kc Kc Kd", eHandFiveOfAKind, "0 1 2 3 4", 0}, // five copies of a rank
    };
    CheckCases(cases, sizeof cases / sizeof cases[0], 0);
}

TEST(QvfEvalPokerHand, TheFirstSpecialCardIsWild)
{
    static const Case cases[] = {
        {"Kc Kd Kh Ks JK", eHandFiveOfAKind, "0 1 2 3 4", 12},
        {"JK Ac Ad Ah As", eHandFiveOfAKind, "0 1 2 3 4", 0},
        // Trials pass a pair of kings, a straight and a straight flush before the ace of hearts.
        {"Th Jh Qh Kh JK", eHandRoyalFlush, "0 1 2 3 4", 0},
        {"JK Ah Jh Qh Kh", eHandRoyalFlush, "0 1 2 3 4", 9},
        {"5h 6h JK 7h 8h", eHandStraightFlush, "0 1 2 3 4", 8},
        {"JK 5c 6d 7h 8s", eHandStraight, "0 1 2 3 4", 8},
        {"Tc Jd Qh Ks JK", eHandStraight, "0 1 2 3 4", 8},
        {"2h 6h 9h Jh JK", eHandFlush, "0 1 2 3 4", 12},
        {"Ac Kd 7h 2s JK", eHandPairAces, "0 4 -1 -1 -1", 0},
        {"Qc Kd 7h 2s JK", eHandPairFaces, "1 4 -1 -1 -1", 12}, // kings come before queens
        {"Tc 3d 7h 2s JK", eHandPairTens, "0 4 -1 -1 -1", 9},
        {"8c 3d 6h 2s JK", eHandPair, "0 4 -1 -1 -1", 7},
        {"9c 9d 4h 2s JK", eHandThreeOfAKind, "0 1 4 -1 -1", 8},
        // Of two pairs the joker joins the higher rank, which the trials reach first.
        {"9c 9d 4h 4s JK", eHandFullHouse, "2 3 0 1 4", 8},
        {"Ac Ad Kh Ks JK", eHandFullHouse, "0 1 2 3 4", 12},
        {"9c 9d 9h 2s JK", eHandFourOfAKind, "0 1 2 4 -1", 8},
        // A second special card keeps its own rank and suit: the other joker is an ace.
        {"JK JK Kc Kd 5s", eHandThreeOfAKind, "0 2 3 -1 -1", 12},
        {"JK JK 2c 3d 5s", eHandStraight, "0 1 2 3 4", 3},
        // The card back is rank 2, so it pairs with the three; first in the hand it is wild.
        {"JK BK 3c 7d 9h", eHandThreeOfAKind, "0 1 2 -1 -1", 2},
        {"BK 8c 3c 7d 9h", eHandPair, "0 4 -1 -1 -1", 8},
        // The same card twice with a joker of its suit: a flush, not three kings.
        {"JK Kh Kh 5h 7h", eHandFlush, "0 1 2 3 4", 12},
    };
    CheckCases(cases, sizeof cases / sizeof cases[0], 1);
}

TEST(QvfEvalPokerHand, WritesEveryHeldEntryAndTheWildFlag)
{
    const char* hands[] = {"Qc Kd Ah 2s 3c", "7c 2d 7h Js 4c", "Kc 3d Kh 3s Ks", "Th Jh Qh Kh JK",
                           "Qc Kd 7h 2s JK"};
    for (const char* text : hands)
    {
        const Hand hand = ParseHand(text);
        const bool joker = std::string(text).find("JK") != std::string::npos;
        for (int preset : {-1, 0, 1, 7})
        {
            int held[5] = {preset, preset, preset, preset, preset};
            int wild = preset;
            QvfEvalPokerHand(hand.cards, held, wild);
            EXPECT_EQ(joker ? 1 : 0, wild) << text << " with everything preset to " << preset;
            std::string report;
            EXPECT_TRUE(AgreesWithReference(hand.cards, &report, preset))
                << report << " (everything preset to " << preset << ")";
        }
    }
}

TEST(QvfEvalPokerHand, HandsNoTrialCanScore)
{
    // Ranks outside the deck never pair with a substitute: every trial scores nothing, and the
    // held array says so instead of keeping what the caller left in it.
    const QvoCard cards[5] = {QvoCard(20, QvoCard::eClubs), QvoCard(30, QvoCard::eHearts),
                              QvoCard(0, QvoCard::eSpecial), QvoCard(40, QvoCard::eClubs),
                              QvoCard(-5, QvoCard::eSpades)};
    int held[5] = {3, 3, 3, 3, 3};
    int wild = 0;
    EXPECT_EQ(eHandNothing, QvfEvalPokerHand(cards, held, wild)) << HandText(cards);
    EXPECT_EQ(1, wild) << "a joker was present";
    EXPECT_EQ("-1 -1 -1 -1 -1", HeldText(std::vector<int>(held, held + 5)));

    held[0] = 3;
    wild = 5;
    EXPECT_EQ(eHandNothing, QvfEvalPokerHand(nullptr, held, wild)) << "no cards";
    EXPECT_EQ(0, wild) << "no cards";
    EXPECT_EQ("-1 -1 -1 -1 -1", HeldText(std::vector<int>(held, held + 5))) << "no cards";
    EXPECT_EQ(eHandNothing, QvfEvalPokerHand(cards, nullptr, wild)) << "no held array";
}

TEST(QvfEvalPokerHand, CountsEveryHandOfTheDeck)
{
    // Independently of the evaluator: a hand's class from its rank histogram and suits.
    auto classify = [](const int* deckIndex) {
        int count[13] = {};
        unsigned ranks = 0;
        bool flush = true;
        for (int i = 0; i < 5; ++i)
        {
            ++count[deckIndex[i] % 13];
            ranks |= 1u << (deckIndex[i] % 13);
            flush = flush && deckIndex[i] / 13 == deckIndex[0] / 13;
        }
        int pairs = 0, threes = 0, fours = 0, pairRank = -1;
        for (int r = 0; r < 13; ++r)
        {
            pairs += count[r] == 2;
            threes += count[r] == 3;
            fours += count[r] == 4;
            if (count[r] == 2)
                pairRank = r;
        }
        bool straight = ranks == 0x1E01;
        for (int low = 0; low < 9; ++low)
            straight = straight || ranks == 0x1Fu << low;
        if (straight && flush)
            return ranks == 0x1E01 ? eHandRoyalFlush : eHandStraightFlush;
        if (fours)
            return eHandFourOfAKind;
        if (threes && pairs)
            return eHandFullHouse;
        if (flush)
            return eHandFlush;
        if (straight)
            return eHandStraight;
        if (threes)
            return eHandThreeOfAKind;
        if (pairs == 2)
            return eHandTwoPair;
        if (pairs == 1)
            return pairRank == 0   ? eHandPairAces
                   : pairRank > 9  ? eHandPairFaces
                   : pairRank == 9 ? eHandPairTens
                                   : eHandPair;
        return eHandNothing;
    };

    long counts[14] = {};
    long wildSet = 0, disagreements = 0;
    QvoCard cards[5];
    int index[5];
    for (index[0] = 0; index[0] < 48; ++index[0])
        for (index[1] = index[0] + 1; index[1] < 49; ++index[1])
            for (index[2] = index[1] + 1; index[2] < 50; ++index[2])
                for (index[3] = index[2] + 1; index[3] < 51; ++index[3])
                    for (index[4] = index[3] + 1; index[4] < 52; ++index[4])
                    {
                        for (int i = 0; i < 5; ++i)
                            cards[i] = DeckCard(index[i]);
                        int held[5];
                        int wild = 1;
                        const QvePokerHand value = QvfEvalPokerHand(cards, held, wild);
                        ++counts[value];
                        wildSet += wild != 0;
                        if (value != classify(index) && ++disagreements <= 10)
                            ADD_FAILURE() << HandText(cards) << ": scored " << value
                                          << ", by its rank histogram " << classify(index);
                    }
    EXPECT_EQ(0, disagreements) << "hands scored unlike their rank histogram";
    EXPECT_EQ(0, wildSet) << "hands of the plain deck with the wild flag set";

    // One pair of a given rank: the pair's two suits, three other ranks, any suits for them.
    const long pairsOfOneRank = 6 * 220 * 64;
    EXPECT_EQ(84480, pairsOfOneRank);
    const struct
    {
        QvePokerHand value;
        long count;
    } expected[] = {
        {eHandRoyalFlush, 4},
        {eHandStraightFlush, 36},
        {eHandFourOfAKind, 624},
        {eHandFullHouse, 3744},
        {eHandFlush, 5108},
        {eHandStraight, 10200},
        {eHandThreeOfAKind, 54912},
        {eHandTwoPair, 123552},
        {eHandPairAces, pairsOfOneRank},      // aces
        {eHandPairFaces, 3 * pairsOfOneRank}, // jacks, queens, kings
        {eHandPairTens, pairsOfOneRank},      // tens
        {eHandPair, 8 * pairsOfOneRank},      // twos to nines
        {eHandNothing, 1302540},
        {eHandFiveOfAKind, 0},
    };
    long total = 0, onePair = 0;
    for (const auto& e : expected)
    {
        EXPECT_EQ(e.count, counts[e.value]) << "hands of value " << e.value;
        total += counts[e.value];
        if (e.value >= eHandPair && e.value <= eHandPairAces)
            onePair += counts[e.value];
    }
    EXPECT_EQ(1098240, onePair) << "one pair of any rank";
    EXPECT_EQ(2598960, total) << "every five-card hand of 52 cards";
}

TEST(QvfEvalPokerHand, AgreesWithThePlainAlgorithmOnEveryHandOfTheDeck)
{
    MismatchLog log;
    QvoCard cards[5];
    std::string report;
    for (int a = 0; a < 48; ++a)
        for (int b = a + 1; b < 49; ++b)
            for (int c = b + 1; c < 50; ++c)
                for (int d = c + 1; d < 51; ++d)
                    for (int e = d + 1; e < 52; ++e)
                    {
                        cards[0] = DeckCard(a);
                        cards[1] = DeckCard(b);
                        cards[2] = DeckCard(c);
                        cards[3] = DeckCard(d);
                        cards[4] = DeckCard(e);
                        if (!AgreesWithReference(cards, &report))
                            log.Add(report);
                    }
    EXPECT_EQ(0, log.count) << "hands of 52 cards scored unlike the plain algorithm";
}

TEST(QvfEvalPokerHand, AgreesWithThePlainAlgorithmOnEveryJokerHand)
{
    MismatchLog log;
    long hands = 0;
    std::string report;
    for (int a = 0; a < 49; ++a)
        for (int b = a + 1; b < 50; ++b)
            for (int c = b + 1; c < 51; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int joker = 0; joker < 5; ++joker)
                    {
                        const int others[4] = {a, b, c, d};
                        QvoCard cards[5];
                        for (int i = 0, k = 0; i < 5; ++i)
                            cards[i] =
                                i == joker ? QvoCard(0, QvoCard::eSpecial) : DeckCard(others[k++]);
                        ++hands;
                        if (!AgreesWithReference(cards, &report))
                            log.Add(report);
                    }
    EXPECT_EQ(5 * 270725, hands) << "four cards of 52 with the joker in each place";
    EXPECT_EQ(0, log.count) << "joker hands scored unlike the plain algorithm";
}

TEST(QvfEvalPokerHand, AgreesWithThePlainAlgorithmOnUnusualHands)
{
    // Repeated cards, several special cards, and ranks and suits outside the deck.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> anyRank(-3, 20), deckRank(0, 12), anySuit(0, 6),
        deckSuit(0, 4), fewCards(0, 7), window(0, 5), twoSuits(0, 1), windowStart(0, 3);
    const int windowStarts[4] = {-4, 11, 16, 1000000}; // runs below, across and above the deck
    MismatchLog log;
    std::string report;
    for (int n = 0; n < 400000; ++n)
    {
        QvoCard cards[5];
        const int start = windowStarts[windowStart(random)];
        for (QvoCard& card : cards)
        {
            switch (n % 4)
            {
            case 0: // stray values
                card = QvoCard(anyRank(random), static_cast<QvoCard::eSuit>(anySuit(random)));
                break;
            case 1: // the deck, with the special suit as one suit in five
                card = QvoCard(deckRank(random), static_cast<QvoCard::eSuit>(deckSuit(random)));
                break;
            case 2: // eight cards only, so that hands repeat cards
            {
                const int pick = fewCards(random);
                card = pick == 7 ? QvoCard(0, QvoCard::eSpecial)
                                 : QvoCard(8 + pick % 5, static_cast<QvoCard::eSuit>(pick % 2));
                break;
            }
            default: // six neighbouring ranks in two suits: straights and flushes of any ranks
                card =
                    QvoCard(start + window(random), static_cast<QvoCard::eSuit>(twoSuits(random)));
                break;
            }
        }
        if (!AgreesWithReference(cards, &report))
            log.Add(report);
    }
    EXPECT_EQ(0, log.count) << "unusual hands scored unlike the plain algorithm";
}
