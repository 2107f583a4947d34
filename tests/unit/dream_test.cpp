#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/unit/keyword_groups.h"
#include "zendary/readings/dream_table.h"

namespace dream_test {

using namespace zendary;

// The heading of a meaning text, the part before the blank line.
std::string heading(std::string_view text)
{
    return std::string(text.substr(0, text.find("\n\n")));
}

std::string headingFor(std::string_view dream)
{
    const auto meaning = InterpretDream(dream);
    return meaning ? heading(*meaning) : std::string("(none)");
}

int position(std::string_view keyword)
{
    const auto table = DreamTable();
    const auto it = std::find_if(table.begin(), table.end(), [&](const DreamEntry& e) { return keyword == e.keyword; });
    return it == table.end() ? -1 : int(it - table.begin());
}

TEST(DreamTable, HasEveryEntryAndText)
{
    EXPECT_EQ(DreamTable().size(), 465u);
    ASSERT_EQ(DreamTexts().size(), 367u);
    std::set<std::string_view> distinct(DreamTexts().begin(), DreamTexts().end());
    EXPECT_EQ(distinct.size(), 367u);
    // Each text is reached, and texts are numbered in the order their first keyword comes.
    int next = 0;
    for (const DreamEntry& entry : DreamTable()) {
        ASSERT_LE(entry.text, next) << entry.keyword;
        if (entry.text == next)
            ++next;
    }
    EXPECT_EQ(next, 367);
}

TEST(DreamTable, EntriesKindsAndSynonymsAreAsDocumented)
{
    // Test order, as documented: synonyms share a text, a bracketed keyword must match whole.
    const auto documented = ReadKeywordGroups(
        "airplane / plane; ancestor; angel; ant; apple; argument / quarrel; bab / kid; baggage / luggage; "
        "balloon; ball; [bar]; bell; bird; blood; boat / [ship]; bridge; buffalo; [car] / [cars]; cave; "
        "child; cat; circus; cit; climb; coat; color / white / black / red / blue; [cloth]; [clothes]; "
        "cloud; corpse; criminal / burglar; crown; coffin; cow; crab; cry / tear; danc; death; deer; "
        "debt; devil / satan; doctor / nurse; doll; dog; door; dragon; drink; eat / food; farm; fight / "
        "struggl; firework; fish; face; fall; fence; [fire]; flood; flower / plant; fog; foliage; gate; "
        "gift / present; god; helicopter; hid; ghost; grave; [hair]; hill / mountain; horse; house / "
        "home; ill / sick; [ice]; jewelry; island; jail / prison; journey / trip; key; king; kiss; "
        "letter; [light]; lock; kill; kitchen; kni; [lights]; [lightening]; lion; machine; map; marriage; "
        "mask; maze; meadow; monster; mirrow; money; moon; mud; [music] / song / sing; viola / guitar; "
        "nudity; nun; night; number / digit; ocean; orgasm; pack; party / celebrate; passenger / "
        "companion; path; penis; people; penny; pen; pig; priest / monk / rabbi; [rain]; [rainbow]; rat / "
        "mouse / [mise]; read; rice / field; rock / stone; rope; boss / supervisor / manager; friend; "
        "spouse / boyfriend / girlfriend; strange; love; postman; queen; fly; rape; relative; restaurant; "
        "right; river / lake; road; run; university / school / college; scissor; seed; self / yourself; "
        "sex; skeleton; soap; stai; store; suicide; swim; shrimp; sky; snake; snow; soldier; star; sweat; "
        "teeth / tooth; temple; thie; thunder; tree; toilet; town; umbrel; tele / phone; tunnel; vagin; "
        "vampire; [wall] / [walls]; wallet; weapon; wheel; window; witch; wash; water; well; wife; wind; "
        "wom; zip; abroad; abuse; accus; acrobat; adulter; advertise; afraid / fear; age; air; alarm; "
        "album; alley; alligator / crocodile; altar; anchor; anger; ape; apparel; architect / build; arm "
        "/ [hand]; arrow; ashe; attic; attorney / lawyer; auction / sale / [shopping]; ax; bake / baking; "
        "balcony; bank; baptism; [barber] / hairdr; barn; barometer; baseball / football / basketball; "
        "bath; bat; bean; [bear]; beard; bed; [bee] / [bees]; beetle; behead; belt; bible; bicycle / "
        "bike; blind; book; boot; box / chest; bracelet; bride / groom; brush / hairbrush; butterfly; "
        "cake / cookie / pastry; calendar; camel; camera; cancer; candle; cand; [cards] / gambl; carrot; "
        "cavalry; cemet; chain; cheese; chess; chocolate; clay; clock / watch; coffee; coin; comet / "
        "meteo; compass; crow; dead; desert; diamond; disease; dwarf; eagle / hawk; earri; eclipse; egg; "
        "elevator; family; fireman; flea; flour; fork / spoon; fruit; garlic; gas; gold; grape; hail; "
        "gyps; handcuff; hat; heaven; hell; helmet; hiss; honey; ice cream; ivory; [labyrinth]; [lace] / "
        "lingere; lamp; lemon; locust; mad; medal / reward; measle; milk; nail; napkin; neighbor; nut; "
        "obelisk / monument; obituary; oil; onion; owl; paradi; perfume / colon; piano; [pipe] / cigar; "
        "pistol / gun / rifle; pray; pyramid; roof; rose; shampoo; shark; shipwreck / disaster; skull; "
        "talisman / symbol; tea; train / locomoti; turtle; veil; vermin / bacteria; vine / vodka / alco; "
        "voice; volcano / lava; whale; wasp; whip; wolf; drill; fountain; gym; [mother-in-law] / [mother "
        "in law] / [motherinlaw]; poppy; postcard / [card]; pregnancy; razor; stove; urn; internet / www "
        "/ online; refrig; compute / pc / mac; radio; table / desk; carpet / rug; space / cosmos; "
        "picture; sugar; salt; button; smoke; worm; [shoe] / [shoes] / [sandals]; [poster]; [sofa] / "
        "[couch]; [beach]; [celebrity] / [celebrities]; [ring]; [paper]; [sword]; [walk] / [walking]; "
        "[sun]");
    const auto table = DreamTable();
    ASSERT_EQ(documented.size(), table.size());
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].keyword, documented[i].keyword) << i;
        EXPECT_EQ(table[i].match == Match::Whole, documented[i].whole) << documented[i].keyword;
        EXPECT_EQ(table[i].text, documented[i].group) << documented[i].keyword;
    }
}

TEST(DreamTable, KeywordsAreUniqueAndWellFormed)
{
    std::set<std::string_view> seen;
    for (const DreamEntry& entry : DreamTable()) {
        const std::string_view keyword = entry.keyword;
        EXPECT_TRUE(seen.insert(keyword).second) << keyword;
        EXPECT_GE(keyword.size(), 2u);
        EXPECT_LE(keyword.size(), 13u);
        EXPECT_TRUE(std::all_of(keyword.begin(), keyword.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || c == ' ' || c == '-';
        })) << keyword;
    }
}

TEST(DreamTable, WholeEntriesAreExactlyTheBracketedOnes)
{
    const std::vector<std::string_view> expected = {
        "bar",           "ship",          "car",         "cars",    "cloth",      "clothes",     "fire",
        "hair",          "ice",           "light",       "lights",  "lightening", "music",       "rain",
        "rainbow",       "mise",          "wall",        "walls",   "hand",       "shopping",    "barber",
        "bear",          "bee",           "bees",        "cards",   "labyrinth",  "lace",        "pipe",
        "mother-in-law", "mother in law", "motherinlaw", "card",    "shoe",       "shoes",       "sandals",
        "poster",        "sofa",          "couch",       "beach",   "celebrity",  "celebrities", "ring",
        "paper",         "sword",         "walk",        "walking", "sun"};
    std::vector<std::string_view> whole;
    for (const DreamEntry& entry : DreamTable())
        if (entry.match == Match::Whole)
            whole.push_back(entry.keyword);
    EXPECT_EQ(whole, expected);
}

TEST(DreamTable, KeepsTheOrderOfItsBlocks)
{
    const auto table = DreamTable();
    EXPECT_STREQ(table.front().keyword, "airplane");
    EXPECT_STREQ(table.back().keyword, "sun");
    // Last and first keywords of neighbouring blocks, and the pairs whose order decides.
    const std::vector<std::pair<const char*, const char*>> before = {
        {"map", "marriage"}, {"zip", "abroad"},     {"fruit", "garlic"},  {"bath", "bat"},
        {"penny", "pen"},    {"machine", "mac"},    {"balloon", "ball"},  {"candle", "cand"},
        {"death", "dead"},   {"ship", "shipwreck"}, {"ice", "ice cream"}, {"arm", "hand"}};
    for (const auto& [first, second] : before) {
        ASSERT_GE(position(first), 0) << first;
        EXPECT_LT(position(first), position(second)) << first << " before " << second;
    }
}

TEST(DreamTable, SynonymsShareOneText)
{
    const auto table = DreamTable();
    auto textOf = [&](const char* keyword) { return table[position(keyword)].text; };
    EXPECT_EQ(textOf("airplane"), textOf("plane"));
    EXPECT_EQ(textOf("rice"), textOf("field"));
    EXPECT_EQ(textOf("compute"), textOf("mac"));
    EXPECT_EQ(textOf("color"), textOf("blue"));
    EXPECT_EQ(textOf("mother-in-law"), textOf("motherinlaw"));
    EXPECT_NE(textOf("cloth"), textOf("clothes"));
    EXPECT_NE(textOf("ice"), textOf("ice cream"));
}

TEST(DreamTable, EveryKeywordFindsItsOwnText)
{
    for (const DreamEntry& entry : DreamTable()) {
        const auto meaning = InterpretDream(entry.keyword);
        ASSERT_TRUE(meaning) << entry.keyword;
        EXPECT_EQ(*meaning, DreamTexts()[entry.text]) << entry.keyword;
    }
}

TEST(DreamTable, TextsAreHeadingBlankLineAndMeaning)
{
    for (std::string_view text : DreamTexts()) {
        EXPECT_GE(text.size(), 20u) << text;
        EXPECT_LE(text.size(), 700u) << text;
        const auto blank = text.find("\n\n");
        ASSERT_NE(blank, std::string_view::npos) << text;
        std::string head = heading(text);
        EXPECT_EQ(head.find('\n'), std::string::npos) << text;
        for (size_t at; (at = head.find(" or ")) != std::string::npos;)
            head.erase(at, 4);
        EXPECT_TRUE(std::none_of(head.begin(), head.end(), [](unsigned char c) { return std::islower(c); })) << text;
        EXPECT_GT(text.size(), blank + 2) << text;
    }
}

TEST(DreamLookup, FirstMatchInTableOrderWins)
{
    EXPECT_EQ(headingFor("bath"), "BATH");
    EXPECT_EQ(headingFor("battle"), "BAT or BATS");
    EXPECT_EQ(headingFor("penny"), "PENNY or PENNIES");
    EXPECT_EQ(headingFor("pencil"), "PEN or PENCIL");
    EXPECT_EQ(headingFor("machine"), "MACHINE");
    EXPECT_EQ(headingFor("macintosh"), "COMPUTER, PC or MAC");
    EXPECT_EQ(headingFor("army"), "ARM or HAND");
    EXPECT_EQ(headingFor("cowboy"), "COW");
    EXPECT_EQ(headingFor("balloon"), "BALLOON");
    EXPECT_EQ(headingFor("balls"), "BALL or BALL GAMES");
    EXPECT_EQ(headingFor("field"), "RICE or FIELD");
}

TEST(DreamLookup, WholeAndPrefixEntries)
{
    EXPECT_EQ(headingFor("car"), "CAR or CARS");
    EXPECT_EQ(headingFor("cars"), "CAR or CARS");
    EXPECT_EQ(headingFor("card"), "POSTCARD or CARD");
    EXPECT_EQ(headingFor("carpet"), "CARPET or RUG");
    EXPECT_EQ(headingFor("carrot"), "CARROT");
    EXPECT_EQ(headingFor("cart"), "(none)");
    EXPECT_EQ(headingFor("ship"), "BOAT or SHIP");
    EXPECT_EQ(headingFor("shipwreck"), "SHIPWRECK or DISASTER");
    EXPECT_EQ(headingFor("ships"), "(none)");
    EXPECT_EQ(headingFor("stain"), "STAIRS or STAIRCASE");
    EXPECT_EQ(headingFor("computers"), "COMPUTER, PC or MAC");
    EXPECT_EQ(headingFor("ice"), "ICE");
    EXPECT_EQ(headingFor("ice cream"), "ICE CREAM");
    EXPECT_EQ(headingFor("ice creams"), "ICE CREAM");
    EXPECT_EQ(headingFor("mother-in-law"), "MOTHER-IN-LAW");
    EXPECT_EQ(headingFor("mother in law"), "MOTHER-IN-LAW");
    EXPECT_EQ(headingFor("motherinlaw"), "MOTHER-IN-LAW");
    EXPECT_EQ(headingFor("mother-in-laws"), "(none)");
}

TEST(DreamLookup, CapitalsAndBlanksFindNothing)
{
    for (const char* dream : {"Car", "CAR", " car", "car ", "", " ", "xylophone"})
        EXPECT_FALSE(InterpretDream(dream)) << '"' << dream << '"';
}

TEST(DreamLookup, AnyFiftyBytesAreSafeAndLeaveTheTableAlone)
{
    const std::vector<DreamEntry> before(DreamTable().begin(), DreamTable().end());
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz -'.,!?0123456789\xc3\xa9\xc3\xb1\xe2\x82\xac\t\n";
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        std::string dream;
        const int length = round % 51;
        const std::string prefix = round % 3 ? "" : DreamTable()[round % 465].keyword;
        dream = prefix;
        while (int(dream.size()) < std::max<int>(length, prefix.size()))
            dream += alphabet[random() % alphabet.size()];
        dream.resize(std::min<size_t>(dream.size(), 50));
        if (const auto meaning = InterpretDream(dream)) {
            EXPECT_NE(std::find(DreamTexts().begin(), DreamTexts().end(), meaning->data()), DreamTexts().end());
        }
    }
    std::string bytes(50, '\0');
    for (int b = 0; b < 256; ++b) {
        std::fill(bytes.begin(), bytes.end(), char(b));
        // "www" is the only keyword made of one repeated character.
        EXPECT_EQ(bool(InterpretDream(bytes)), b == 'w') << b;
    }
    ASSERT_EQ(DreamTable().size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_STREQ(DreamTable()[i].keyword, before[i].keyword);
        EXPECT_EQ(DreamTable()[i].match, before[i].match);
        EXPECT_EQ(DreamTable()[i].text, before[i].text);
    }
}

}  // namespace dream_test
