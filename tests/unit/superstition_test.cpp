#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/unit/keyword_groups.h"
#include "zendary/lists.h"
#include "zendary/readings/superstition_table.h"

namespace superstition_test {

using namespace zendary;

std::string heading(std::string_view chosen)
{
    const auto belief = LookUpSuperstition(chosen);
    return belief ? std::string(belief->substr(0, belief->find("\n\n"))) : std::string("(none)");
}

TEST(SuperstitionTable, HasEveryKeywordAndText)
{
    EXPECT_EQ(SuperstitionTable().size(), 112u);
    ASSERT_EQ(SuperstitionTexts().size(), 62u);
    std::set<std::string_view> keywords, texts(SuperstitionTexts().begin(), SuperstitionTexts().end());
    EXPECT_EQ(texts.size(), 62u);
    int next = 0;
    for (const SuperstitionEntry& entry : SuperstitionTable()) {
        EXPECT_TRUE(keywords.insert(entry.keyword).second) << entry.keyword;
        ASSERT_LE(entry.text, next) << entry.keyword;
        if (entry.text == next)
            ++next;
    }
    EXPECT_EQ(next, 62);
    for (std::string_view text : SuperstitionTexts()) {
        const auto blank = text.find("\n\n");
        ASSERT_NE(blank, std::string_view::npos) << text;
        EXPECT_EQ(text.substr(0, blank).find('\n'), std::string_view::npos) << text;
        EXPECT_GT(text.size(), blank + 20) << text;
    }
}

TEST(SuperstitionTable, KeywordsAndSynonymsAreAsDocumented)
{
    const auto documented = ReadKeywordGroups(
        "cat / cats; bed / beds; beggar / beggars; broom / brooms; chimney / chimneys; clothes; garment / "
        "garments; clover / clovers; eyelash / eyelashes; garter / garters; hay-cart / hay cart; "
        "horseshoe / horseshoes; ivy; knock on wood; ladder / ladders; ladybug / ladybugs; mirror / "
        "mirrors; number 13 / 13; owl / owls; rabbit's foot / rabbit; hare / hares; salt; shoe / shoes; "
        "sock / socks; swan / swans; sneeze; bird / birds; crow / crows; bee / bees; cricket / crickets; "
        "spider / web; dog / dogs; squirrel / squirrels; hair / woman; eyebrow / eyebrows; nail / nails; "
        "stumbling / trip; marriage / wedding; knife / knives; bread; wine; hat / hats; fish; singing / "
        "song; whistling / whistle; friday; pin / pins; birthmark / mole; cheek / cheeks; itch / itching; "
        "hand / hands; name / names; milk; kiss; friend / friends; umbrella / umbrellas; bad luck / bad "
        "spirits; shadow / shadows; wedding ring / ring; separation; apple / apples; seven / 7");
    const auto table = SuperstitionTable();
    ASSERT_EQ(documented.size(), table.size());
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].keyword, documented[i].keyword) << i;
        EXPECT_EQ(table[i].text, documented[i].group) << documented[i].keyword;
    }
}

TEST(SuperstitionTable, SynonymsShareOneText)
{
    EXPECT_EQ(LookUpSuperstition("mole"), LookUpSuperstition("birthmark"));
    EXPECT_EQ(heading("mole"), "MOLE OR BIRTHMARK");
    EXPECT_EQ(LookUpSuperstition("cat"), LookUpSuperstition("cats"));
    EXPECT_EQ(LookUpSuperstition("hay-cart"), LookUpSuperstition("hay cart"));
    EXPECT_EQ(LookUpSuperstition("number 13"), LookUpSuperstition("13"));
    EXPECT_EQ(LookUpSuperstition("seven"), LookUpSuperstition("7"));
    EXPECT_EQ(LookUpSuperstition("hair"), LookUpSuperstition("woman"));
    EXPECT_EQ(LookUpSuperstition("wedding ring"), LookUpSuperstition("ring"));
    EXPECT_EQ(LookUpSuperstition("marriage"), LookUpSuperstition("wedding"));
    EXPECT_NE(LookUpSuperstition("wedding"), LookUpSuperstition("wedding ring"));
}

TEST(SuperstitionTable, ClothesStandApartFromGarments)
{
    ASSERT_TRUE(LookUpSuperstition("clothes"));
    ASSERT_TRUE(LookUpSuperstition("garment"));
    EXPECT_EQ(LookUpSuperstition("garment"), LookUpSuperstition("garments"));
    EXPECT_NE(LookUpSuperstition("clothes"), LookUpSuperstition("garment"));
}

TEST(SuperstitionTable, OnlyTheWholeTextMatches)
{
    for (const char* chosen : {"", "Cat", "cat ", " cat", "catalogue", "ca", "13 ", "knock"})
        EXPECT_FALSE(LookUpSuperstition(chosen)) << '"' << chosen << '"';
}

TEST(SuperstitionList, SixtyTwoItemsInOrderEachWithABelief)
{
    const auto list = superstitionList();
    ASSERT_EQ(list.size(), 62u);
    EXPECT_STREQ(list.front(), "bed");
    EXPECT_STREQ(list[16], "number 13");
    EXPECT_STREQ(list[18], "rabbit's foot");
    EXPECT_STREQ(list[46], "mole");
    EXPECT_STREQ(list[47], "birthmark");
    EXPECT_STREQ(list.back(), "seven");
    std::set<std::string_view> reached;
    for (const char* item : list) {
        const auto belief = LookUpSuperstition(item);
        ASSERT_TRUE(belief) << item;
        reached.insert(*belief);
    }
    // mole and birthmark share a text; the garment text is reached only by its synonyms.
    EXPECT_EQ(reached.size(), 61u);
}

TEST(SuperstitionTable, RhymesAndTablesAreThere)
{
    const std::string sneeze(*LookUpSuperstition("sneeze"));
    for (const char* day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"})
        EXPECT_NE(sneeze.find(day), std::string::npos) << day;
    const std::string nails(*LookUpSuperstition("nails"));
    EXPECT_NE(nails.find("Cut them on Monday"), std::string::npos);
    const std::string marriage(*LookUpSuperstition("marriage"));
    for (const char* month : {"January\t", "June\t", "December\t"})
        EXPECT_NE(marriage.find(month), std::string::npos) << month;
    EXPECT_NE(LookUpSuperstition("mole")->find("Forehead\t"), std::string_view::npos);
    EXPECT_NE(LookUpSuperstition("singing")->find("dressed"), std::string_view::npos);
}

}  // namespace superstition_test
