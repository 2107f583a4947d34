#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

#include "zendary/lists.h"
#include "zendary/readings/past_life_questions.h"
#include "zendary/readings/past_life_rules.h"

namespace past_life_test {

using namespace zendary;

// Flags by letter: R recognised, L loss, D dream, J deja vu, V vision, N named, P repeated.
PastLifeFlags flagsOf(std::string_view letters)
{
    PastLifeFlags f;
    for (char c : letters) {
        switch (c) {
        case 'R': f.recognised = true; break;
        case 'L': f.loss = true; break;
        case 'D': f.dream = true; break;
        case 'J': f.dejaVu = true; break;
        case 'V': f.vision = true; break;
        case 'N': f.named = true; break;
        case 'P': f.repeated = true; break;
        default: ADD_FAILURE() << "unknown flag " << c;
        }
    }
    return f;
}

struct Row {
    int number;
    int lowest, highest;             // distances the row names
    std::vector<std::string> clues;  // empty: any clue
    std::string flags;
    bool dreamOrDejaVu;  // the row also takes D or J (tried with each)
    const char* percent;
};

// The rule list as the reading describes it, typed independently of the code's table.
const std::vector<Row>& rows()
{
    static const std::vector<Row> r = {
        {1, 0, 2, {"death", "war"}, "RLDNP", false, "99.9"},
        {2, 0, 2, {"death", "war", "blood"}, "RDNP", false, "99"},
        {3, 0, 2, {"funeral"}, "RDNP", false, "98"},
        {4, 0, 2, {"wedding"}, "RDNP", false, "97"},
        {5, 0, 2, {"sword"}, "RDNP", false, "96"},
        {6, 0, 2, {"house"}, "RJNP", false, "95"},
        {7, 0, 2, {"house"}, "RJNL", false, "95"},
        {8, 0, 2, {"parent"}, "RDNP", false, "94"},
        {9, 0, 2, {"relative"}, "RDNP", false, "93"},
        {10, 0, 2, {"friend"}, "RDNP", false, "92"},
        {11, 0, 2, {"enemy"}, "RDNP", false, "91"},
        {12, 0, 2, {}, "RDNPL", false, "90"},
        {13, 0, 2, {}, "RJNPL", false, "89"},
        {14, 0, 2, {}, "RVNPL", false, "88"},
        {15, 0, 2, {"horse"}, "RN", true, "87"},
        {16, 0, 2, {"crow"}, "RDN", false, "86"},
        {17, 0, 2, {"cat"}, "RDN", false, "85"},
        {18, 0, 2, {"dog"}, "RDN", false, "84"},
        {19, 0, 2, {"dog"}, "RJN", false, "83"},
        {20, 0, 2, {"cow"}, "RDN", false, "82"},
        {21, 0, 2, {"wolf"}, "RDN", false, "81"},
        {22, 0, 2, {"cow"}, "RJN", false, "80"},
        {23, 0, 2, {"wolf"}, "RJN", false, "79"},
        {24, 0, 2, {"moon"}, "RN", true, "78"},
        {25, 0, 2, {"field"}, "RN", true, "77"},
        {26, 0, 2, {}, "RDP", false, "76"},
        {27, 0, 2, {"bird"}, "R", true, "75"},
        {28, 0, 2, {"rat", "mouse"}, "RD", false, "74"},
        {29, 0, 2, {"rain"}, "R", true, "73"},
        {30, 0, 2, {}, "RVP", false, "72"},
        {31, 0, 2, {"house"}, "RJ", false, "71"},
        {32, 0, 2, {}, "RJP", false, "70"},
        {33, 0, 2, {"death", "war"}, "DP", false, "69"},
        {34, 0, 2, {"death"}, "VP", false, "69"},
        {35, 0, 2, {"blood"}, "DP", false, "68"},
        {36, 0, 2, {"funeral"}, "DP", false, "67"},
        {37, 0, 2, {"wedding"}, "DP", false, "66"},
        {38, 0, 2, {}, "NDP", false, "65"},
        {39, 0, 2, {"sword"}, "DP", false, "64"},
        {40, 0, 2, {"house"}, "JP", false, "63"},
        {41, 0, 2, {}, "NVP", false, "60"},
        {42, 0, 2, {}, "NJP", false, "55"},
        {43, 0, 2, {"death", "war"}, "RD", false, "54"},
        {44, 0, 2, {"death"}, "RV", false, "53"},
        {45, 0, 2, {"blood"}, "RD", false, "52"},
        {46, 0, 2, {"blood"}, "RV", false, "51"},
        {47, 0, 1, {}, "DP", false, "50"},
        {48, 0, 1, {"funeral"}, "RD", false, "49"},
        {49, 0, 1, {"funeral"}, "RV", false, "47"},
        {50, 0, 1, {"house"}, "RJ", false, "46"},
        {51, 0, 1, {}, "VP", false, "45"},
        {52, 0, 2, {"death", "war"}, "DN", false, "44"},
        {53, 0, 2, {"death"}, "VN", false, "43"},
        {54, 0, 2, {"blood"}, "DN", false, "42"},
        {55, 0, 2, {"funeral"}, "DN", false, "41"},
        {56, 0, 1, {}, "JP", false, "40"},
        {57, 0, 2, {"death", "war"}, "D", false, "39"},
        {58, 0, 2, {"death"}, "V", false, "38"},
        {59, 0, 2, {"blood"}, "D", false, "37"},
        {60, 0, 2, {"funeral"}, "D", false, "36"},
        {61, 0, 1, {}, "RP", false, "35"},
        {62, 0, 1, {"parent"}, "RJ", false, "34"},
        {63, 0, 1, {}, "R", false, "33"},
        {64, 0, 1, {}, "L", false, "31"},
        {65, 0, 1, {}, "P", false, "30"},
        {66, 0, 1, {}, "N", false, "25"},
        {67, 0, 2, {"death", "war"}, "", false, "24"},
        {68, 0, 2, {"blood"}, "", false, "22"},
        {69, 0, 2, {"funeral"}, "", false, "21"},
        {70, 0, 1, {}, "", false, "20"},
        {71, 2, 2, {}, "", false, "15"},
        {72, 3, 3, {}, "", false, "10"},
        {73, 4, 8, {}, "", false, "0"},
    };
    return r;
}

// Every flag set a row is tried with: its own, plus D or J where it takes either.
std::vector<std::string> flagSets(const Row& row)
{
    if (!row.dreamOrDejaVu)
        return {row.flags};
    return {row.flags + "D", row.flags + "J"};
}

std::vector<std::string> cluesOf(const Row& row)
{
    return row.clues.empty() ? std::vector<std::string>{"none", "tree"} : row.clues;
}

TEST(PastLifeRules, HaveSeventyThreeRows)
{
    EXPECT_EQ(pastLifeRules().size(), 73u);
}

TEST(PastLifeRules, EachRowGivesItsPercentageWhereItHolds)
{
    for (const Row& row : rows()) {
        if (row.number == 50)
            continue;  // see HouseWithRecognisedDejaVuNeverReachesRowFifty
        for (const std::string& clue : cluesOf(row))
            for (const std::string& letters : flagSets(row))
                for (int d : {row.lowest, row.highest}) {
                    SCOPED_TRACE("row " + std::to_string(row.number) + " clue " + clue + " flags " + letters +
                                 " distance " + std::to_string(d));
                    EXPECT_EQ(PastLifeRuleNumber(d, clue, flagsOf(letters)), row.number);
                    EXPECT_EQ(PastLifePercent(d, clue, flagsOf(letters)), row.percent);
                }
    }
}

TEST(PastLifeRules, AnInputJustOffARowFallsThroughToALaterOne)
{
    for (const Row& row : rows()) {
        if (row.number == 73 || row.number == 50)
            continue;  // 73 catches everything from 4 up; 50 is never reached
        const std::string clue = cluesOf(row).front();
        for (const std::string& letters : flagSets(row)) {
            SCOPED_TRACE("row " + std::to_string(row.number) + " flags " + letters);
            // One distance further.
            EXPECT_GT(PastLifeRuleNumber(row.highest + 1, clue, flagsOf(letters)), row.number);
            // Another clue.
            if (!row.clues.empty()) {
                EXPECT_GT(PastLifeRuleNumber(row.lowest, "none", flagsOf(letters)), row.number);
            }
            // One flag missing.
            for (size_t i = 0; i < letters.size(); ++i) {
                const std::string fewer = letters.substr(0, i) + letters.substr(i + 1);
                EXPECT_GT(PastLifeRuleNumber(row.lowest, clue, flagsOf(fewer)), row.number) << "without " << letters[i];
            }
        }
    }
}

TEST(PastLifeRules, HouseWithRecognisedDejaVuNeverReachesRowFifty)
{
    // Row 31 asks for the same clue and flags at a wider distance, so it always comes first.
    EXPECT_EQ(PastLifeRuleNumber(0, "house", flagsOf("RJ")), 31);
    EXPECT_EQ(PastLifeRuleNumber(1, "house", flagsOf("RJ")), 31);
    EXPECT_EQ(PastLifeRuleNumber(2, "house", flagsOf("RJ")), 31);
}

TEST(PastLifeRules, WarWithVisionHasNoRowsOfItsOwn)
{
    EXPECT_EQ(PastLifePercent(2, "death", flagsOf("VP")), "69");
    EXPECT_EQ(PastLifePercent(2, "war", flagsOf("VP")), "24");  // death or war with no flags
    EXPECT_EQ(PastLifePercent(1, "war", flagsOf("VP")), "45");  // any clue, Vision and Repeated
    EXPECT_EQ(PastLifePercent(2, "war", flagsOf("DP")), "69");  // with Dream, war is death's equal
    EXPECT_EQ(PastLifePercent(0, "war", flagsOf("RV")), "33");
}

TEST(PastLifeRules, LargeDistancesGiveNothing)
{
    EXPECT_EQ(PastLifePercent(4, "death", flagsOf("RLDNP")), "0");
    EXPECT_EQ(PastLifePercent(8, "none", flagsOf("")), "0");
    EXPECT_EQ(PastLifePercent(1000000, "none", flagsOf("RLDNP")), "0");
}

TEST(PastLifeRules, ResultSentence)
{
    EXPECT_EQ(PastLifeResultText("99.9"), "There is a 99.9% probability that you have experienced a past life event!");
    EXPECT_EQ(PastLifeResultText("0"), "There is a 0% probability that you have experienced a past life event!");
}

TEST(PastDistance, StepComesFromTheAge)
{
    EXPECT_EQ(PastStep(1), 1);
    EXPECT_EQ(PastStep(9), 9);
    EXPECT_EQ(PastStep(10), 2);  // the digit of 1910
    EXPECT_EQ(PastStep(18), 1);
    EXPECT_EQ(PastStep(25), 8);
    EXPECT_EQ(PastStep(99), 1);
}

TEST(PastDistance, Examples)
{
    // Age 1 steps by one and always lands on the year.
    EXPECT_EQ(PastDistance(1970, 1234, 1, Era::AD), 0);
    EXPECT_EQ(PastDistance(1970, 2999, 1, Era::BC), 0);
    // Age 10 steps by two: 1970 falls to 1800, one below 1801.
    EXPECT_EQ(PastDistance(1970, 1801, 10, Era::AD), 1);
    EXPECT_EQ(PastDistance(1970, 1800, 10, Era::AD), 0);
    // Age 18 steps by one.
    EXPECT_EQ(PastDistance(1970, 1801, 18, Era::AD), 0);
    // Step 8 from 1970 lands on 1794, six below 1800.
    EXPECT_EQ(PastDistance(1970, 1800, 25, Era::AD), 6);
    // BC starts from 9000 - 1970 = 7030; 6930 is a multiple of 9, 6929 is not.
    EXPECT_EQ(PastDistance(1970, 100, 9, Era::BC), 0);
    EXPECT_EQ(PastDistance(1970, 101, 9, Era::BC), 1);
}

TEST(PastDistance, StaysBelowTheStepForEveryAdmittedInput)
{
    for (int age = 1; age <= 99; ++age) {
        for (int year : {0, 1, 999, 1799, 1969})
            EXPECT_LT(PastDistance(1970, year, age, Era::AD), PastStep(age)) << age << " AD " << year;
        for (int year : {0, 1500, 3000})
            EXPECT_LT(PastDistance(2099, year, age, Era::BC), PastStep(age)) << age << " BC " << year;
    }
}

TEST(PastDistance, AgeZeroStillEnds)
{
    EXPECT_EQ(PastDistance(1970, 1800, 0, Era::AD), 0);
}

TEST(PastLifePlausibility, RefusesWhatCannotHaveHappened)
{
    const PastLifeInput base{Era::AD, 1800, 30, "doctor", "none", 1970, 2000};
    EXPECT_FALSE(Implausible(base));
    struct Case {
        Era era;
        int year, age;
        const char* occupation;
        const char* clue;
        bool refused;
    };
    const Case cases[] = {
        {Era::AD, 1949, 20, "athlete", "none", true},  {Era::AD, 1950, 20, "athlete", "none", false},
        {Era::AD, 1899, 30, "doctor", "car", true},    {Era::AD, 1900, 30, "doctor", "car", false},
        {Era::AD, 1899, 30, "doctor", "plane", true},  {Era::AD, 1900, 30, "doctor", "plane", false},
        {Era::AD, 1869, 30, "doctor", "train", true},  {Era::AD, 1870, 30, "doctor", "train", false},
        {Era::BC, 100, 30, "doctor", "train", true},   {Era::BC, 100, 30, "doctor", "car", true},
        {Era::BC, 100, 30, "doctor", "plane", true},   {Era::AD, 1950, 30, "doctor", "god", true},
        {Era::BC, 100, 30, "none", "devil", true},     {Era::AD, 1699, 30, "doctor", "gun", true},
        {Era::AD, 1700, 30, "doctor", "gun", false},   {Era::BC, 100, 30, "doctor", "gun", true},
        {Era::AD, 1960, 41, "athlete", "none", true},  {Era::AD, 1960, 40, "athlete", "none", false},
        {Era::BC, 100, 20, "athlete", "none", true},   {Era::AD, 1851, 30, "slave", "none", true},
        {Era::AD, 1850, 30, "slave", "none", false},   {Era::BC, 2000, 30, "slave", "none", false},
        {Era::BC, 3001, 30, "doctor", "none", true},   {Era::BC, 3000, 30, "doctor", "none", false},
        {Era::AD, 1800, 12, "doctor", "none", true},   {Era::AD, 1800, 13, "doctor", "none", false},
        {Era::AD, 1800, 12, "student", "none", false}, {Era::AD, 1800, 1, "none", "none", false},
    };
    for (const Case& c : cases) {
        PastLifeInput in = base;
        in.era = c.era;
        in.year = c.year;
        in.age = c.age;
        in.occupation = c.occupation;
        in.clue = c.clue;
        EXPECT_EQ(Implausible(in), c.refused) << c.occupation << " " << c.clue << " " << c.year << " age " << c.age;
    }
}

TEST(PastLifePlausibility, OccupationsThatNameSomeone)
{
    for (const char* job : {"soldier", "farmer", "housekeeper", "merchant"})
        EXPECT_TRUE(NamedByOccupation(job)) << job;
    for (const char* job : {"none", "slave", "nobility", ""})
        EXPECT_FALSE(NamedByOccupation(job)) << job;
}

// Answers Yes to the listed questions and No to every other; remembers what was asked.
struct Script {
    std::map<std::string, bool> yes;
    std::vector<std::string> asked;
    AskYesNo ask()
    {
        return [this](const std::string& q) {
            asked.push_back(q);
            return yes.count(q) > 0;
        };
    }
    bool wasAsked(const std::string& q) const { return std::find(asked.begin(), asked.end(), q) != asked.end(); }
    PastLifeFlags run(int birthYear = 1970, int selectedYear = 2000)
    {
        return AskPastLifeQuestions(ask(), birthYear, selectedYear);
    }
};

Script yesTo(std::initializer_list<std::string> questions)
{
    Script s;
    for (const auto& q : questions)
        s.yes[q] = true;
    return s;
}

const std::string kTrauma = "Did you suffer a traumatic life event before having your experience?";
const std::string kPassed = "Did someone close to you pass away?";
const std::string kRelative = "Was it a relative?";
const std::string kParent = "Was it your mother or father?";
const std::string kSpouse = "Was it your husband, wife or child?";
const std::string kMarried = "Are you married?";
const std::string kMetPartner = "Have you ever had a feeling that you two have met before you knew each other?";
const std::string kMetSomeone = "Have you ever had a feeling that you have met someone before you knew each other?";
const std::string kDejaVu = "Could you classify your experience as a feeling of deja vu?";
const std::string kDream = "Could you classify your experience as a dream?";
const std::string kVision = "Could you classify your experience as a vision?";
const std::string kNumbersOnly =
    "You have indicated that you couldn't classify your experience as either a feeling of deja vu, a dream or a "
    "vision. Do you want your past life reading to be based entirely on Numerology?";
const std::string kOnce = "Have you had this experience more than once?";
const std::string kSelf = "Could you see yourself?";
const std::string kWearing = "Could you see what you were wearing?";
const std::string kRecognise = "Could you recognize anything or anyone?";
const std::string kVoice = "Could you hear any voice or voices?";
const std::string kName = "Could you see anything with someone's name on it?";
const std::string kDate = "Could you see anything with a date on it?";

bool noFlags(const PastLifeFlags& f)
{
    return !f.loss && !f.dejaVu && !f.dream && !f.vision && !f.repeated && !f.recognised && !f.named;
}

TEST(PastLifeQuestions, AllNoAsksTheWholeTreeInOrder)
{
    Script s;
    EXPECT_TRUE(noFlags(s.run(1970, 2000)));
    const std::vector<std::string> expected = {
        kTrauma,
        "Do you remember if anyone has ever told you about an experience which they have had that is similar to yours?",
        "Were you younger than 7 when you first had your experience?",
        "Do you remember what the weather was like just before you first had your experience?",
        "Do you have any pets or animals?",
        kMarried,
        kMetSomeone,
        "Do you think that your experience is something you would not want to share with other people?",
        kDejaVu,
        kDream,
        kVision,
        kNumbersOnly,
        kOnce,
        "Could you classify your experience as traumatic?",
        kSelf,
        kRecognise,
        kVoice,
        kName,
        kDate,
    };
    EXPECT_EQ(s.asked, expected);
}

TEST(PastLifeQuestions, FollowUpsOfTheEverydayQuestions)
{
    Script s = yesTo({"Do you remember if anyone has ever told you about an experience which they have had that is "
                      "similar to yours?",
                      "Do you remember what the weather was like just before you first had your experience?",
                      "Do you have any pets or animals?"});
    EXPECT_TRUE(noFlags(s.run()));
    for (const char* q : {"Was your experience identical or very close to theirs?", "Was it raining?", "A cat or cats?",
                          "A dog or dogs?", "A horse or horses?"})
        EXPECT_TRUE(s.wasAsked(q)) << q;
    EXPECT_FALSE(s.wasAsked("Were you younger than 7 when you first had your experience?"));
}

TEST(PastLifeQuestions, LossOfAParentOrAPartner)
{
    Script parent = yesTo({kTrauma, kPassed, kRelative, kParent});
    EXPECT_TRUE(parent.run().loss);
    EXPECT_FALSE(parent.wasAsked(kSpouse));

    Script spouse = yesTo({kTrauma, kPassed, kRelative, kSpouse});
    EXPECT_TRUE(spouse.run().loss);

    Script neither = yesTo({kTrauma, kPassed, kRelative});
    EXPECT_FALSE(neither.run().loss);
    EXPECT_TRUE(neither.wasAsked(kSpouse));

    Script notRelative = yesTo({kTrauma, kPassed, kParent, kSpouse});
    EXPECT_FALSE(notRelative.run().loss);
    EXPECT_FALSE(notRelative.wasAsked(kParent));
}

TEST(PastLifeQuestions, MarriedSetsLossWhateverFollows)
{
    Script married = yesTo({kMarried});
    EXPECT_TRUE(married.run(1979, 2000).loss);
    EXPECT_TRUE(married.wasAsked(kMetPartner));
    EXPECT_FALSE(married.wasAsked(kMetSomeone));

    // Twenty years apart, in either direction: not asked.
    Script young = yesTo({kMarried});
    EXPECT_FALSE(young.run(1980, 2000).loss);
    EXPECT_FALSE(young.wasAsked(kMarried));
    EXPECT_TRUE(young.wasAsked(kMetSomeone));
    Script future = yesTo({kMarried});
    EXPECT_TRUE(future.run(2021, 2000).loss);
}

TEST(PastLifeQuestions, OneClassificationAtMost)
{
    Script dejaVu = yesTo({kDejaVu, kDream, kVision});
    const auto f = dejaVu.run();
    EXPECT_TRUE(f.dejaVu);
    EXPECT_FALSE(f.dream || f.vision);
    EXPECT_FALSE(dejaVu.wasAsked(kDream));

    Script vision = yesTo({kVision});
    const auto g = vision.run();
    EXPECT_TRUE(g.vision);
    EXPECT_TRUE(vision.wasAsked("Could you remember if there was a distinct smell before you had the vision?"));
    EXPECT_FALSE(vision.wasAsked(kNumbersOnly));
}

TEST(PastLifeQuestions, NumerologyOnlySkipsTheRest)
{
    Script s = yesTo({kNumbersOnly, kOnce, kRecognise, kName});
    EXPECT_TRUE(noFlags(s.run()));
    EXPECT_EQ(s.asked.back(), kNumbersOnly);
}

TEST(PastLifeQuestions, RepeatedAndWhatWasSeen)
{
    Script s = yesTo({kOnce, kSelf, kWearing, kVoice});
    const auto f = s.run();
    EXPECT_TRUE(f.repeated && f.recognised);
    EXPECT_FALSE(f.named);
    EXPECT_TRUE(s.wasAsked("Have the same images always been present?"));
    EXPECT_FALSE(s.wasAsked("Could you classify your experience as traumatic?"));

    // Seeing oneself without the clothes ends the questions.
    Script bare = yesTo({kSelf, kRecognise});
    EXPECT_FALSE(bare.run().recognised);
    EXPECT_EQ(bare.asked.back(), kWearing);
}

TEST(PastLifeQuestions, RecognisingSetsNamedExceptByVoice)
{
    for (const std::string& q : {kRecognise, kName, kDate}) {
        Script s = yesTo({q});
        const auto f = s.run();
        EXPECT_TRUE(f.recognised && f.named) << q;
        EXPECT_EQ(s.asked.back(), q);
    }
}

TEST(PastLifeLists, OccupationsSortedAndCluesInOrder)
{
    const auto jobs = occupationList();
    EXPECT_EQ(jobs.size(), 23u);
    EXPECT_TRUE(
        std::is_sorted(jobs.begin(), jobs.end(), [](const char* a, const char* b) { return std::string_view(a) < b; }));
    const auto clues = clueList();
    ASSERT_EQ(clues.size(), 51u);
    EXPECT_STREQ(clues[0], "death");
    EXPECT_STREQ(clues[17], "war");
    EXPECT_STREQ(clues[50], "none");
}

}  // namespace past_life_test
