#include "numerology/pet_day.h"

namespace numerology {

int PetTotalStrip(long long total)
{
    if (total < 1001 || total > 5999)
        return 1;
    const int lastTwo = static_cast<int>(total % 100);
    return lastTwo == 0 ? 1 : lastTwo;
}

int PetDayDigit(long long total)
{
    return PetTotalStrip(total) % 9 + 1;
}

Rating PetDayRating(int digit)
{
    switch (digit) {
    case 3:
    case 7:
    case 9: return Rating::Good;
    case 2:
    case 5:
    case 6: return Rating::Bad;
    default: return Rating::Normal;
    }
}

const char* PetDayText(Rating rating)
{
    switch (rating) {
    case Rating::Good: return " Good Day for ";
    case Rating::Bad: return " Bad Day for ";
    default: return " Normal Day for ";
    }
}

}  // namespace numerology
