// Classes: QvoCard; Enumerations: QvePokerHand; Functions: QvfEvalPokerHand
#pragma once

#include "toolkit/QvToolsApi.h"

#include <afx.h>

// A playing card. Aces are low in the rank order; only the poker evaluator ranks them high.
class QVTOOLS_API QvoCard : public CObject
{
public:
    enum eSuit
    {
        eClubs,
        eDiamonds,
        eHearts,
        eSpades,
        eSpecial // rank 0 is the joker, rank 2 the card back; rank 1 has no card
    };

    // The ace of clubs.
    QvoCard() : m_iRank(0), m_eSuit(eClubs) {}
    // No range check: the card back and the empty place are ordinary values of the encoding.
    QvoCard(int iRank, eSuit eSuit) : m_iRank(iRank), m_eSuit(eSuit) {}
    QvoCard(const QvoCard& card) : CObject(), m_iRank(card.m_iRank), m_eSuit(card.m_eSuit) {}
    QvoCard& operator=(const QvoCard& card)
    {
        m_iRank = card.m_iRank;
        m_eSuit = card.m_eSuit;
        return *this;
    }
    virtual ~QvoCard();

    int m_iRank; // 0 = ace, 1 to 9 = two to ten, 10 = jack, 11 = queen, 12 = king
    eSuit m_eSuit;
};

static_assert(sizeof(QvoCard::eSuit) == 4, "the suit is stored as a 32-bit value");

// Five-card poker hands, worst to best.
enum QvePokerHand
{
    eHandNothing,
    eHandPair, // twos to nines
    eHandPairTens,
    eHandPairFaces, // jacks, queens or kings
    eHandPairAces,
    eHandTwoPair,
    eHandThreeOfAKind,
    eHandStraight,
    eHandFlush,
    eHandFullHouse,
    eHandFourOfAKind,
    eHandStraightFlush,
    eHandRoyalFlush,
    eHandFiveOfAKind // only with a wild joker
};

// Scores exactly five cards (pCards[0] to pCards[4]); the cards are not changed.
// pHeld receives the positions (0 to 4) of the cards that make the hand: all five, in card
// order, for a straight or a flush; otherwise the grouped cards in ascending rank, then -1.
// The first card of the special suit is a wild joker: it stands for the card that scores best
// (the earliest of clubs, hearts, diamonds, spades, each king down to ace, on a tie), and
// iWild becomes 1; without one iWild becomes 0. Null pointers score eHandNothing.
QVTOOLS_API QvePokerHand QvfEvalPokerHand(const QvoCard* pCards, int* pHeld, int& iWild);
