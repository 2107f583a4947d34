#include <gtest/gtest.h>

#include <cctype>

#include "numerology/hidden_message.h"

namespace hidden_message_test {

using namespace numerology;

const DecodingRule kMessageBoxRule{1, {7, 8, 3, 7}, 18, 1, {1, 2, 2, 1}};

DecodingRule lexivarRule(unsigned clue, unsigned names, unsigned birth, unsigned date)
{
    return {3, {clue, names, birth, date}, clue + names + birth + date, 1, {2, 2, 2, 2}};
}

TEST(HiddenMessageSkipExtract, CountsPositionsFromZeroAndUsesTheStepsInTurn)
{
    EXPECT_EQ(SkipExtract("ABCDEFGH", 0, {1, 1, 1, 1}), "ABCDEFGH");
    EXPECT_EQ(SkipExtract("ABCDEFGH", 2, {2, 2, 2, 2}), "CEG");
    // 1, 8, 16, 19, then 26 is past the end.
    EXPECT_EQ(SkipExtract("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1, {7, 8, 3, 7}), "BIQT");
}

TEST(HiddenMessageSkipExtract, TakesCapitalRButNeverSmallR)
{
    EXPECT_EQ(SkipExtract("rRrRxr", 0, {1, 1, 1, 1}), "RRx");
    EXPECT_EQ(SkipExtract("rrrr", 0, {1, 1, 1, 1}), "");
}

TEST(HiddenMessageSkipExtract, AdvancesWhetherOrNotACharacterWasTaken)
{
    // Positions 0, 2, 4 hold digits and blanks; 1, 3, 5 letters.
    EXPECT_EQ(SkipExtract("1a b3c", 0, {2, 2, 2, 2}), "");
    EXPECT_EQ(SkipExtract("1a b3c", 1, {2, 2, 2, 2}), "abc");
    EXPECT_EQ(SkipExtract("a\nb\nc", 0, {1, 1, 1, 1}), "abc");
}

TEST(HiddenMessageSkipExtract, StartBeyondTheEndGivesNothing)
{
    EXPECT_EQ(SkipExtract("ABC", 3, {1, 1, 1, 1}), "");
    EXPECT_EQ(SkipExtract("ABC", 40, {1, 1, 1, 1}), "");
    EXPECT_EQ(SkipExtract("", 0, {1, 1, 1, 1}), "");
}

TEST(HiddenMessageSkipExtract, AZeroStepLandsOnTheSameCharacterAgain)
{
    // 0, 0, 1, 2, 3, 3, 4, 5.
    EXPECT_EQ(SkipExtract("ABCDEF", 0, {0, 1, 1, 1}), "AABCDDEF");
    // Steps that never move end after their start.
    EXPECT_EQ(SkipExtract("ABCDEF", 2, {0, 0, 0, 0}), "C");
}

TEST(HiddenMessageSkipExtract, CountsCharactersNotBytes)
{
    EXPECT_EQ(CharacterCount("\xC3\xA9t\xC3\xA9"), 3u);  // "été"
    EXPECT_EQ(SkipExtract("\xC3\xA9"
                          "AB\xE2\x82\xAC"
                          "C",
                          1, {1, 1, 1, 1}),
              "ABC");
}

TEST(HiddenMessageDecoding, FiftyCapitalAsInTheMessageBox)
{
    const std::string message(50, 'A');
    // Positions 1, 8, 16, 19, 26, 33, 41, 44: eight letters, not more than 18.
    EXPECT_EQ(SkipExtract(message, 1, {7, 8, 3, 7}), "AAAAAAAA");
    EXPECT_EQ(HiddenMessage(message, kMessageBoxRule), "aaaaaaaa");
    // 8 -> positions 1, 2, 4, 6, 7 -> 5 -> 1, 2, 4 -> 3 -> 1, 2 -> 2 -> 1.
    EXPECT_EQ(FinalLetters("aaaaaaaa", kMessageBoxRule), "a");
    const Decoding decoding = DecodeMessage(message, kMessageBoxRule);
    EXPECT_EQ(decoding.hiddenMessage, "aaaaaaaa");
    EXPECT_EQ(decoding.key, "accident or misfortune");
}

TEST(HiddenMessageDecoding, FirstPhaseRepeatsUntilShortEnough)
{
    // 200 letters at steps 1: each pass drops the first one, down to 18.
    const std::string message(200, 'B');
    EXPECT_EQ(HiddenMessage(message, {1, {1, 1, 1, 1}, 18, 1, {1, 1, 1, 1}}), std::string(18, 'b'));
}

TEST(HiddenMessageDecoding, FirstPhaseEndsWhenAPassStopsShortening)
{
    // Steps 0, 1, 1, 1 from position 3 take four letters for every three positions, so
    // every pass would grow the text. 30 letters: positions 3-29 give 36 letters; the
    // next pass would give 44, so the phase stops at 36.
    const std::string message(30, 'A');
    EXPECT_EQ(HiddenMessage(message, lexivarRule(0, 1, 1, 1)), std::string(36, 'a'));
    // The largest message stays bounded by its first pass.
    const std::string longest(49900, 'A');
    EXPECT_LE(HiddenMessage(longest, lexivarRule(0, 1, 1, 1)).size(), 49900u * 4 / 3 + 4);
}

TEST(HiddenMessageDecoding, LettersFromTheSecondPhaseOn)
{
    // 10 letters, steps 2 from position 1: 5, 2, 1.
    EXPECT_EQ(FinalLetters("djstwclmpv", lexivarRule(6, 9, 1, 3)), "m");
    // The second phase works on lower case and so drops every "r".
    EXPECT_EQ(FinalLetters("arararar", lexivarRule(1, 1, 1, 1)), "");
    EXPECT_EQ(FinalLetters("r", lexivarRule(1, 1, 1, 1)), "r");
}

TEST(HiddenMessageDecoding, MessagesWithoutLettersHaveNoKey)
{
    const Decoding decoding = DecodeMessage(std::string(60, '7') + "rrrr r", lexivarRule(1, 2, 3, 4));
    EXPECT_EQ(decoding.hiddenMessage, "");
    EXPECT_EQ(decoding.key, "no decoding key available");
}

TEST(HiddenMessageDecoding, ACapitalZIsLowerCasedAndGivesItsKey)
{
    // Position 3 is the Z; 12, 21, 30, 39, 48 are digits.
    const Decoding decoding = DecodeMessage("abcZ" + std::string(46, '1'), lexivarRule(9, 9, 9, 9));
    EXPECT_EQ(decoding.hiddenMessage, "z");
    EXPECT_EQ(decoding.key, "animal");
    EXPECT_EQ(DecodeMessage("abcR" + std::string(46, '1'), lexivarRule(9, 9, 9, 9)).key, "relative");
}

TEST(HiddenMessageKeyTable, EveryLetterInEitherCase)
{
    const char* const expected[26] = {
        "accident or misfortune",
        "boyfriend or girlfriend",
        "child or children",
        "death",
        "enemy",
        "friend",
        "boyfriend or girlfriend",
        "home",
        "coworker",
        "holiday or celebration",
        "means of transportation",
        "love",
        "money or finance",
        "night",
        "jewelry",
        "picture",
        "meeting or appointment",
        "relative",
        "secret",
        "trip or travel",
        "personal item",
        "victory or success",
        "work",
        "feelings",
        "relationship",
        "animal",
    };
    for (int i = 0; i < 26; ++i) {
        EXPECT_STREQ(DecodingKey(std::string(1, char('a' + i)) + "xyz"), expected[i]) << char('a' + i);
        EXPECT_STREQ(DecodingKey(std::string(1, char('A' + i))), expected[i]) << char('A' + i);
    }
    EXPECT_STREQ(DecodingKey(""), "no decoding key available");
}

// The first phase exactly as the rule reads: pass after pass over the text itself.
std::string firstPhaseByPasses(const std::string& message, const DecodingRule& rule)
{
    std::string text = SkipExtract(message, rule.firstStart, rule.firstSteps);
    while (text.size() > rule.shortEnough) {
        std::string next = SkipExtract(text, rule.firstStart, rule.firstSteps);
        if (next.size() >= text.size())
            break;
        text = next;
    }
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST(HiddenMessageDecoding, ShortcutOfTheFirstPhaseMatchesPassAfterPass)
{
    const std::string alphabet = "AbCdeRrrZ xy.\n1QqwT";
    unsigned seed = 7;
    auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string message(next(700), ' ');
        for (char& c : message)
            c = alphabet[next(unsigned(alphabet.size()))];
        const SkipSteps steps{next(5), next(10), next(10), next(10)};
        const std::size_t start = next(5);
        const DecodingRule rule{start, steps, std::size_t(steps[0]) + steps[1] + steps[2] + steps[3], 1, {2, 2, 2, 2}};
        ASSERT_EQ(HiddenMessage(message, rule), firstPhaseByPasses(message, rule))
            << "start " << start << " steps " << steps[0] << steps[1] << steps[2] << steps[3] << " length "
            << message.size();
    }
}

TEST(HiddenMessageDecoding, SmallestStepsOnTheLongestMessage)
{
    // Steps of 1 from position 3 drop three letters a pass, down to four: the last four
    // letters of the first pass, which are the last four of the message.
    const std::string message = std::string(49896, 'B') + "WXYZ";
    EXPECT_EQ(HiddenMessage(message, {3, {1, 1, 1, 1}, 4, 1, {2, 2, 2, 2}}), "wxyz");
}

}  // namespace hidden_message_test
