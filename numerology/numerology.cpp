#include "numerology/numerology.h"

#include <cstdlib>

namespace numerology {

int YearDigit(int year)
{
    int offset = year;
    if (year >= 1800 && year <= 2099)
        offset = year - (year / 100) * 100;
    if (offset < 0 || offset > 99)
        return 0;
    return offset % 9 + 1;
}

int DateDigit(int n)
{
    if (n >= 10 && n <= 31)
        return (n - 1) % 9 + 1;
    return n;
}

int TripleDigit(int a, int b, int c)
{
    // Sums are taken in 64 bits so that junk inputs cannot overflow.
    const long long s = static_cast<long long>(a) + b + c;
    if (s >= 10 && s <= 27)
        return static_cast<int>((s - 1) % 9 + 1);
    return 1;
}

int BirthdayDigit(int month, int day, int year)
{
    return TripleDigit(DateDigit(month), DateDigit(day), YearDigit(year));
}

int NumberDigit(int n)
{
    if (n >= 100 && n <= 1799) {
        const int r = n % 100;
        return r <= 9 ? r : YearDigit(r);
    }
    return YearDigit(n);
}

static int letterValue(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 1;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 1;
    return 0;
}

int NameValue(std::string_view text)
{
    int sum = 0;
    for (char c : text)
        sum += (c >= '1' && c <= '9') ? c - '0' : letterValue(c);
    return sum;
}

int LetterSum(std::string_view text)
{
    int sum = 0;
    for (char c : text)
        sum += letterValue(c);
    return sum;
}

StarNumbers ComputeStarNumbers(const Date& own, const Date& mother, const Date& father)
{
    StarNumbers s;
    s.s0 = BirthdayDigit(own.month, own.day, own.year);
    s.s1 = BirthdayDigit(mother.month, mother.day, mother.year);
    s.s2 = BirthdayDigit(father.month, father.day, father.year);
    if (s.s0 == 9 && s.s1 == 9)
        s.s1 = 8;
    if (s.s0 == 9 && s.s2 == 9)
        s.s2 = 7;
    if (s.s0 == s.s1)
        s.s1 = DateDigit(s.s0 + s.s1);
    if (s.s0 == s.s2)
        s.s2 = DateDigit(s.s0 + s.s2);
    if (s.s1 == s.s2)
        s.s2 = DateDigit(s.s1 + s.s2);
    s.s3 = DateDigit(s.s0 + s.s1);
    s.s4 = std::abs(s.s0 - s.s2);
    if (s.s4 == s.s0 || s.s4 == s.s1 || s.s4 == s.s3)
        s.s4 = DateDigit(2 * s.s4);
    if (s.s2 == s.s0 || s.s2 == s.s1 || s.s2 == s.s3)
        s.s2 = DateDigit(2 * s.s2);
    return s;
}

int DayNumber(const Date& selected)
{
    return DateDigit(DateDigit(selected.month) + DateDigit(selected.day) + YearDigit(selected.year));
}

Rating DayRating(int d, const StarNumbers& s)
{
    if (d == s.s0 || d == s.s1 || d == s.s3)
        return Rating::Good;
    if (d == s.s2 || d == s.s4)
        return Rating::Bad;
    return Rating::Normal;
}

const char* RatingText(Rating rating)
{
    switch (rating) {
    case Rating::Good: return " Good Day! ";
    case Rating::Bad: return " Bad Day! ";
    case Rating::Normal: break;
    }
    return " Normal Day! ";
}

}  // namespace numerology
