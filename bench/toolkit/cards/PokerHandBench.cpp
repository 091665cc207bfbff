// Poker-hand benchmark: QvfEvalPokerHand against the plain sort-and-scan algorithm over every
// five-card hand of the 53-card deck (52 cards and one joker), hands without and with the
// joker measured apart; then both are compared on every hand and each disagreement printed.
//   PokerHandBench [runs]       best of runs (default 15) for each figure
#include "PokerHandReference.h"
#include "../../common/BenchClock.h"
#include "toolkit/cards/QvCards.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>

namespace
{
constexpr int kDeck = 53; // the joker is the last card
constexpr int kJoker = 52;

QvoCard DeckCard(int index)
{
    if (index == kJoker)
        return QvoCard(0, QvoCard::eSpecial);
    return QvoCard(index % 13, static_cast<QvoCard::eSuit>(index / 13));
}

// Calls visit(cards) for every hand of the 53-card deck with the joker in it (withJoker) or
// not; the joker, being the last card, lands in the last place.
template <class Visit> void ForEachHand(bool withJoker, Visit visit)
{
    QvoCard deck[kDeck];
    for (int i = 0; i < kDeck; ++i)
        deck[i] = DeckCard(i);
    QvoCard cards[5];
    if (withJoker)
    {
        cards[4] = deck[kJoker];
        for (int a = 0; a < 49; ++a)
        {
            cards[0] = deck[a];
            for (int b = a + 1; b < 50; ++b)
            {
                cards[1] = deck[b];
                for (int c = b + 1; c < 51; ++c)
                {
                    cards[2] = deck[c];
                    for (int d = c + 1; d < 52; ++d)
                    {
                        cards[3] = deck[d];
                        visit(cards);
                    }
                }
            }
        }
        return;
    }
    for (int a = 0; a < 48; ++a)
    {
        cards[0] = deck[a];
        for (int b = a + 1; b < 49; ++b)
        {
            cards[1] = deck[b];
            for (int c = b + 1; c < 50; ++c)
            {
                cards[2] = deck[c];
                for (int d = c + 1; d < 51; ++d)
                {
                    cards[3] = deck[d];
                    for (int e = d + 1; e < 52; ++e)
                    {
                        cards[4] = deck[e];
                        visit(cards);
                    }
                }
            }
        }
    }
}

struct Figure
{
    long hands = 0;
    double seconds = 1e300;
    long checksum = 0; // keeps the work from being optimised away, and must match between runs
};

template <class Eval> Figure Measure(int runs, bool withJoker, Eval eval)
{
    Figure figure;
    for (int run = 0; run < runs; ++run)
    {
        long hands = 0, checksum = 0;
        const double start = BenchSeconds();
        ForEachHand(withJoker, [&](const QvoCard* cards) {
            int held[5];
            int wild;
            checksum += eval(cards, held, wild) * 7 + held[0] + held[4] + wild;
            ++hands;
        });
        figure.seconds = std::min(figure.seconds, BenchSeconds() - start);
        figure.hands = hands;
        figure.checksum = checksum;
    }
    return figure;
}

void Print(const char* what, const Figure& figure)
{
    printf("  %-44s %9ld hands %9.1f ms %14.0f hands/s\n", what, figure.hands,
           figure.seconds * 1000.0, static_cast<double>(figure.hands) / figure.seconds);
}

const char* CardText(const QvoCard& card, char* buffer)
{
    static const char ranks[] = "A23456789TJQK", suits[] = "cdhs";
    if (card.m_eSuit == QvoCard::eSpecial)
        return card.m_iRank == 0 ? "JK" : "??";
    buffer[0] = ranks[card.m_iRank];
    buffer[1] = suits[card.m_eSuit];
    buffer[2] = 0;
    return buffer;
}

void PrintMismatch(const QvoCard* cards, QvePokerHand value, const int* held, int wild,
                   const PokerReference::Result& expected)
{
    char text[5][3];
    printf("  MISMATCH %s %s %s %s %s: value %d wild %d held %d %d %d %d %d;"
           " reference value %d wild %d held %d %d %d %d %d\n",
           CardText(cards[0], text[0]), CardText(cards[1], text[1]), CardText(cards[2], text[2]),
           CardText(cards[3], text[3]), CardText(cards[4], text[4]), value, wild, held[0], held[1],
           held[2], held[3], held[4], expected.value, expected.wild, expected.held[0],
           expected.held[1], expected.held[2], expected.held[3], expected.held[4]);
}

// Every hand scored by both; returns the number of disagreements.
long Verify(bool withJoker, long* pHands)
{
    long mismatches = 0;
    *pHands = 0;
    ForEachHand(withJoker, [&](const QvoCard* cards) {
        int held[5] = {99, 99, 99, 99, 99};
        int wild = 99;
        const QvePokerHand value = QvfEvalPokerHand(cards, held, wild);
        const PokerReference::Result expected = PokerReference::Eval(cards);
        ++*pHands;
        if (!PokerReference::SameResult(expected, value, held, wild))
            if (++mismatches <= 50)
                PrintMismatch(cards, value, held, wild, expected);
    });
    return mismatches;
}
} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    auto library = [](const QvoCard* cards, int* held, int& wild) {
        return QvfEvalPokerHand(cards, held, wild);
    };
    auto reference = [](const QvoCard* cards, int* held, int& wild) {
        return PokerReference::EvalPokerHand(cards, held, wild);
    };

    printf("Poker hands of the 53-card deck, best of %d runs\n", runs);
    const Figure plainLibrary = Measure(runs, false, library);
    const Figure plainReference = Measure(runs, false, reference);
    const Figure jokerLibrary = Measure(runs, true, library);
    const Figure jokerReference = Measure(runs, true, reference);
    Print("without joker: QvfEvalPokerHand", plainLibrary);
    Print("without joker: plain sort and scan", plainReference);
    Print("with joker:    QvfEvalPokerHand", jokerLibrary);
    Print("with joker:    plain, 52 trials", jokerReference);
    printf("  speed-up: %.1fx without joker, %.1fx with joker\n",
           plainReference.seconds / plainLibrary.seconds,
           jokerReference.seconds / jokerLibrary.seconds);

    long plainHands = 0, jokerHands = 0;
    const long mismatches = Verify(false, &plainHands) + Verify(true, &jokerHands);
    printf("Identity with the plain algorithm: %ld + %ld hands compared, %ld mismatches\n",
           plainHands, jokerHands, mismatches);
    return mismatches == 0 ? 0 : 1;
}
