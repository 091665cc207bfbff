// The playing card: everything but the destructor is inline in the family header.
#include "toolkit/cards/QvCards.h"

QvoCard::~QvoCard()
{
}
