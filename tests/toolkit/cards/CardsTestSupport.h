// Hands written as text ("Ac Td 9h Ks JK"), and held arrays compared group by group.
#pragma once

#include "toolkit/cards/QvCards.h"

#include <algorithm>
#include <string>
#include <vector>

namespace CardsTest
{
// Two letters a card: rank A 2-9 T J Q K and suit c d h s; "JK" is the joker and "BK" the card
// back.
inline QvoCard ParseCard(const std::string& text)
{
    if (text == "JK")
        return QvoCard(0, QvoCard::eSpecial);
    if (text == "BK")
        return QvoCard(2, QvoCard::eSpecial);
    static const std::string ranks = "A23456789TJQK", suits = "cdhs";
    const size_t rank = ranks.find(text[0]);
    const size_t suit = suits.find(text[1]);
    if (text.size() != 2 || rank == std::string::npos || suit == std::string::npos)
        return QvoCard(-100, QvoCard::eSpecial); // shows up plainly in a failing check
    return QvoCard(static_cast<int>(rank), static_cast<QvoCard::eSuit>(suit));
}

struct Hand
{
    QvoCard cards[5];
};

inline Hand ParseHand(const std::string& text)
{
    Hand hand;
    size_t start = 0;
    for (int i = 0; i < 5; ++i)
    {
        while (start < text.size() && text[start] == ' ')
            ++start;
        const size_t end = std::min(text.find(' ', start), text.size());
        hand.cards[i] = ParseCard(text.substr(start, end - start));
        start = end;
    }
    return hand;
}

// The held array with the positions inside each group of equal rank put in ascending order, so
// that it compares with a written expectation; wildRank is the rank the joker stood for.
inline std::vector<int> CanonicalHeld(const Hand& hand, const int* pHeld, int wildPos = -1,
                                      int wildRank = 0)
{
    auto rankAt = [&](int pos) { return pos == wildPos ? wildRank : hand.cards[pos].m_iRank; };
    std::vector<int> held(pHeld, pHeld + 5);
    size_t i = 0;
    while (i < held.size() && held[i] >= 0 && held[i] <= 4)
    {
        size_t end = i + 1;
        while (end < held.size() && held[end] >= 0 && held[end] <= 4 &&
               rankAt(held[end]) == rankAt(held[i]))
            ++end;
        std::sort(held.begin() + static_cast<long>(i), held.begin() + static_cast<long>(end));
        i = end;
    }
    return held;
}

inline std::string HeldText(const std::vector<int>& held)
{
    std::string text;
    for (int pos : held)
        text += (text.empty() ? "" : " ") + std::to_string(pos);
    return text;
}
} // namespace CardsTest
