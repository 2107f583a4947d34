#include <gtest/gtest.h>

#include <set>

#include "tests/support/fake_services.h"
#include "zendary/readings/past_life.h"

namespace past_life_reading_test {

using namespace zendary;
using shell::Answer;

const char* const kCaption = "PAST LIFE INTERPRETATION";

bool isResult(const std::string& text)
{
    static const std::set<std::string> percents = {
        "0",  "10", "15", "20", "21", "22", "24", "25", "30", "31", "33", "34", "35", "36", "37", "38", "39",  "40",
        "41", "42", "43", "44", "45", "46", "47", "49", "50", "51", "52", "53", "54", "55", "60", "63", "64",  "65",
        "66", "67", "68", "69", "70", "71", "72", "73", "74", "75", "76", "77", "78", "79", "80", "81", "82",  "83",
        "84", "85", "86", "87", "88", "89", "90", "91", "92", "93", "94", "95", "96", "97", "98", "99", "99.9"};
    for (const std::string& p : percents)
        if (text == "There is a " + p + "% probability that you have experienced a past life event!")
            return true;
    return false;
}

// How a reading may end: a result followed by the legend, or one of the documented stops.
enum class Ending { Result, Refused, NotConfirmed, Cancelled };

Ending endingOf(const std::vector<RecordedBox>& boxes)
{
    const RecordedBox& last = boxes.back();
    if (last.caption == kCaption && last.text.rfind("PAST LIFE INTERPRETATION TABLE\n\n", 0) == 0) {
        EXPECT_TRUE(isResult(boxes[boxes.size() - 2].text)) << boxes[boxes.size() - 2].text;
        return Ending::Result;
    }
    if (last.caption == "PAST LIVES ERROR" || last.caption == "PAST LIFE INTERPRETATION HELP")
        return Ending::Refused;
    if (last.icon == shell::Icon::Exclamation && last.text == "Please correct any mistakes and try again!")
        return Ending::NotConfirmed;
    EXPECT_EQ(last.buttons, shell::Buttons::YesNoCancel) << last.text;
    return Ending::Cancelled;
}

TEST(PastLifeReading, EveryInputEndsInAResultOrADocumentedMessage)
{
    // The n-th answer given: to the confirmation, the opening question, then the tree.
    using Pattern = Answer (*)(int n);
    const Pattern patterns[] = {
        [](int) { return Answer::Yes; },
        [](int n) { return n == 0 ? Answer::Yes : Answer::No; },
        [](int n) { return n == 0 ? Answer::Yes : Answer::Cancel; },
        [](int) { return Answer::No; },
        [](int n) { return n % 2 ? Answer::Yes : Answer::No; },
        [](int n) { return n % 3 ? Answer::Yes : Answer::No; },
    };
    int results = 0;
    for (Era era : {Era::AD, Era::BC})
        for (int age : {0, 1, 9, 10, 12, 13, 40, 41, 99})
            for (int year : {0, 1, 1699, 1850, 1899, 1969, 1970, 2000, 2001, 3000, 3001, 9000})
                for (const char* job : {"none", "soldier", "athlete", "slave", "student"})
                    for (const char* clue : {"none", "death", "god", "gun", "car", "house"})
                        for (Pattern pattern : patterns) {
                            FakeServices s;
                            Zendary z(s.services);
                            z.era = era;
                            z.data.own.year = 1970;
                            z.data.pastAge = age;
                            z.data.pastYear = year;
                            z.data.occupation = job;
                            z.data.clue = clue;
                            for (int n = 0; n < 60; ++n)
                                s.ui.answers.push_back(pattern(n));
                            const bool ended = PastLifeReading(z);
                            ASSERT_FALSE(s.ui.boxes.empty());
                            ASSERT_LT(s.ui.boxes.size(), 40u);
                            const Ending ending = endingOf(s.ui.boxes);
                            EXPECT_EQ(ended, ending == Ending::Result);
                            results += ending == Ending::Result;
                            if (age == 0 || (era == Era::AD && year >= 1970)) {
                                EXPECT_EQ(ending, Ending::Refused) << age << " " << year;
                            }
                        }
    EXPECT_GT(results, 1000);
}

TEST(PastLifeReading, ValidationMessagesComeWithTheHelpBox)
{
    FakeServices s;
    Zendary z(s.services);
    z.data.own.year = 1970;
    z.data.pastYear = 1800;
    EXPECT_FALSE(PastLifeReading(z));  // no occupation
    z.data.occupation = "occupation";
    z.data.clue = "none";
    EXPECT_FALSE(PastLifeReading(z));  // the list's old heading
    z.data.occupation = "none";
    z.data.clue = " please select a clue";
    EXPECT_FALSE(PastLifeReading(z));
    ASSERT_EQ(s.ui.boxes.size(), 6u);
    for (size_t i = 0; i < 6; i += 2) {
        EXPECT_EQ(s.ui.boxes[i].icon, shell::Icon::Stop);
        EXPECT_EQ(s.ui.boxes[i + 1].caption, "PAST LIFE INTERPRETATION HELP");
        EXPECT_EQ(s.ui.boxes[i + 1].text.rfind("HOW TO GET YOUR PAST LIFE READING\n\n", 0), 0u);
    }
    EXPECT_EQ(s.ui.boxes[0].text, s.ui.boxes[2].text);
    EXPECT_NE(s.ui.boxes[2].text, s.ui.boxes[4].text);
}

// Runs the whole reading with every question answered the same way; returns the result box.
std::string resultWhenAllAnswered(Answer answer, int age, int year, const char* job, const char* clue)
{
    FakeServices s;
    Zendary z(s.services);
    z.data.own.year = 1970;
    z.data.selected.year = 2000;
    z.data.pastAge = age;
    z.data.pastYear = year;
    z.data.occupation = job;
    z.data.clue = clue;
    s.ui.answers = {Answer::Yes, Answer::Yes};  // the confirmation and the opening question
    for (int n = 0; n < 40; ++n)
        s.ui.answers.push_back(answer);
    EXPECT_TRUE(PastLifeReading(z));
    return s.ui.boxes.size() < 2 ? std::string() : s.ui.boxes[s.ui.boxes.size() - 2].text;
}

TEST(PastLifeReading, FarFromTheYearOrAGodNothingHelps)
{
    const std::string nothing = "There is a 0% probability that you have experienced a past life event!";
    // Age 25 steps by 8: 1970 falls to 1794, six below 1800.
    EXPECT_EQ(resultWhenAllAnswered(Answer::Yes, 25, 1800, "soldier", "death"), nothing);
    EXPECT_EQ(resultWhenAllAnswered(Answer::No, 25, 1800, "soldier", "death"), nothing);
    // Age 1 always lands on the year, yet a god or a devil is never plausible.
    EXPECT_EQ(resultWhenAllAnswered(Answer::Yes, 1, 1800, "none", "god"), nothing);
    EXPECT_EQ(resultWhenAllAnswered(Answer::Yes, 1, 1800, "none", "devil"), nothing);
    // The same age and year with a plain clue: all Yes is a deja vu with everything recognised
    // and named, and the loss of a parent (Recognised, DejaVu, Named, Repeated, Loss).
    EXPECT_EQ(resultWhenAllAnswered(Answer::Yes, 1, 1800, "none", "none"),
              "There is a 89% probability that you have experienced a past life event!");
}

}  // namespace past_life_reading_test
