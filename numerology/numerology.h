// Number rules shared by every reading of the suite. Plain C++, no windowing code.
#pragma once
#include <string_view>

namespace numerology {

int YearDigit(int year);
int DateDigit(int n);
int TripleDigit(int a, int b, int c);
int BirthdayDigit(int month, int day, int year);
int NumberDigit(int n);
int NameValue(std::string_view text);  // letters 1-26, digits 1-9, the rest 0
int LetterSum(std::string_view text);  // letters only

struct Date {
    int month = 1;
    int day = 1;
    int year = 1900;
    bool operator==(const Date&) const = default;
};

struct StarNumbers {
    int s0 = 0, s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    bool operator==(const StarNumbers&) const = default;
};

StarNumbers ComputeStarNumbers(const Date& own, const Date& mother, const Date& father);
int DayNumber(const Date& selected);

enum class Rating { Good, Normal, Bad };
Rating DayRating(int dayNumber, const StarNumbers& stars);
// " Good Day! ", " Normal Day! " or " Bad Day! ".
const char* RatingText(Rating rating);

}  // namespace numerology
