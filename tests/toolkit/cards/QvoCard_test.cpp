#include "toolkit/cards/QvCards.h"

#include <gtest/gtest.h>

TEST(QvoCard, DefaultIsTheAceOfClubsAndCopiesKeepRankAndSuit)
{
    const QvoCard ace;
    EXPECT_EQ(0, ace.m_iRank) << "default rank";
    EXPECT_EQ(QvoCard::eClubs, ace.m_eSuit) << "default suit";

    // The encoding is not range-checked: the empty place and stray values are stored as given.
    const QvoCard cases[] = {QvoCard(12, QvoCard::eSpades), QvoCard(0, QvoCard::eSpecial),
                             QvoCard(1, QvoCard::eSpecial), QvoCard(2, QvoCard::eSpecial),
                             QvoCard(-7, static_cast<QvoCard::eSuit>(9))};
    const int ranks[] = {12, 0, 1, 2, -7};
    const int suits[] = {3, 4, 4, 4, 9};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(ranks[i], cases[i].m_iRank) << "case " << i << " as constructed";
        EXPECT_EQ(suits[i], cases[i].m_eSuit) << "case " << i << " as constructed";
        const QvoCard copy(cases[i]);
        EXPECT_EQ(ranks[i], copy.m_iRank) << "case " << i << " copied";
        EXPECT_EQ(suits[i], copy.m_eSuit) << "case " << i << " copied";
        QvoCard assigned(5, QvoCard::eHearts);
        assigned = cases[i];
        EXPECT_EQ(ranks[i], assigned.m_iRank) << "case " << i << " assigned";
        EXPECT_EQ(suits[i], assigned.m_eSuit) << "case " << i << " assigned";
    }
}

TEST(QvoCard, IsDestroyedThroughTheBaseClass)
{
    struct Counted : QvoCard
    {
        explicit Counted(int& count) : m_count(count) {}
        ~Counted() override { ++m_count; }
        int& m_count;
    };
    int destroyed = 0;
    QvoCard* card = new Counted(destroyed);
    delete card;
    EXPECT_EQ(1, destroyed) << "the destructor is virtual";
}
