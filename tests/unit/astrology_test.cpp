#include <gtest/gtest.h>

#include <cctype>

#include "tests/support/fake_services.h"
#include "zendary/readings/astrology.h"
#include "zendary/readings/sign_couples.h"

namespace astrology_test {

using namespace zendary;
using numerology::Sign;

const Sign kAllSigns[] = {Sign::Capricorn, Sign::Aquarius, Sign::Pisces, Sign::Aries, Sign::Taurus,  Sign::Gemini,
                          Sign::Cancer,    Sign::Leo,      Sign::Virgo,  Sign::Libra, Sign::Scorpio, Sign::Sagittarius};

const AstroTable kTables[] = {AstroTable::Love,   AstroTable::Body,    AstroTable::Wealth, AstroTable::Links,
                              AstroTable::Traits, AstroTable::Couples, AstroTable::Careers};

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

int sentences(const std::string& text)
{
    int count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        count += text[i] == '.' && (text[i + 1] == ' ' || text[i + 1] == '\n');
    return count + (!text.empty() && text.back() == '.');
}

TEST(AstrologyTexts, EveryEntryStartsWithTheSignInCapitals)
{
    for (Sign sign : kAllSigns) {
        const std::string heading = upper(numerology::SignName(sign)) + "\n\n";
        EXPECT_TRUE(startsWith(signTexts(sign).profile, heading)) << heading;
        for (AstroTable table : kTables)
            EXPECT_TRUE(startsWith(astrologyEntry(table, sign), heading)) << heading << int(table);
    }
}

TEST(AstrologyTexts, ProfilesOpenWithDateRangeTitlePlanetSymbolHouseAndElement)
{
    struct Portrait {
        Sign sign;
        const char *range, *title, *planet, *symbol, *house, *element;
    };
    const Portrait portraits[] = {
        {Sign::Aquarius, "21 January -- 19 February", "Scientist", "URANUS", "WATER-BEARER", "ELEVENTH", "AIR"},
        {Sign::Pisces, "20 February -- 20 March", "Mystic", "NEPTUNE", "FISH", "TWELFTH", "WATER"},
        {Sign::Aries, "21 March -- 20 April", "Pioneer", "MARS", "RAM", "FIRST", "FIRE"},
        {Sign::Taurus, "21 April -- 21 May", "Builder", "VENUS", "BULL", "SECOND", "EARTH"},
        {Sign::Gemini, "22 May -- 21 June", "Communicator", "MERCURY", "TWINS", "THIRD", "AIR"},
        {Sign::Cancer, "22 June -- 22 July", "Home-Maker", "THE MOON", "CRAB", "FOURTH", "WATER"},
        {Sign::Leo, "23 July -- 23 August", "Entertainer", "THE SUN", "LION", "FIFTH", "FIRE"},
        {Sign::Virgo, "24 August -- 23 September", "Perfectionist", "MERCURY", "VIRGIN", "SIXTH", "EARTH"},
        {Sign::Libra, "24 September -- 23 October", "Diplomat", "VENUS", "SCALES", "SEVENTH", "AIR"},
        {Sign::Scorpio, "24 October -- 22 November", "Seducer", "PLUTO", "SCORPION", "EIGHTH", "WATER"},
        {Sign::Sagittarius, "23 November -- 21 December", "Gambler", "JUPITER", "ARCHER", "NINTH", "FIRE"},
        {Sign::Capricorn, "22 December -- 20 January", "Organizer", "SATURN", "SEA-GOAT", "TENTH", "EARTH"},
    };
    for (const Portrait& p : portraits) {
        const std::string name = numerology::SignName(p.sign);
        const std::string opening = upper(name) + "\n\n" + p.range + "\n\nThe " + p.title + " of the Zodiac, " + name +
                                    " is ruled by " + p.planet + ", and its symbol is the " + p.symbol +
                                    ". Its natural place is the " + p.house + " HOUSE,";
        const std::string profile = signTexts(p.sign).profile;
        ASSERT_TRUE(startsWith(profile, opening)) << name;
        // The element is named in capitals in the sentence after the house.
        const std::size_t houseEnd = profile.find(". ", opening.size());
        const std::size_t nextEnd = profile.find(". ", houseEnd + 2);
        const std::string next = profile.substr(houseEnd, nextEnd - houseEnd);
        const std::size_t at = next.find(std::string(" ") + p.element);
        ASSERT_NE(at, std::string::npos) << name << ": " << next;
        EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(next[at + 1 + std::string(p.element).size()]))) << next;
        EXPECT_EQ(profile.find("\n\n", opening.size()), std::string::npos) << name << " portrait is one paragraph";
    }
}

TEST(AstrologyTexts, LongTextsRunToSeveralSentences)
{
    for (Sign sign : kAllSigns) {
        const SignTexts& t = signTexts(sign);
        for (const char* text : {t.profile, t.love, t.body, t.food, t.wealth, t.links})
            EXPECT_GE(sentences(text), 3) << text;
    }
    for (const char* text : elementTexts())
        EXPECT_GE(sentences(text), 4) << text;
}

TEST(AstrologyTexts, TraitsAndCareersHaveTheirHeadingsAndLists)
{
    const std::pair<Sign, const char*> adjectives[] = {
        {Sign::Aries, "Arian"}, {Sign::Leo, "Leonian"}, {Sign::Capricorn, "Capricornian"}, {Sign::Pisces, "Piscean"}};
    for (auto [sign, adjective] : adjectives) {
        const std::string heading = upper(numerology::SignName(sign)) + "\n\n";
        EXPECT_TRUE(startsWith(signTexts(sign).traits, heading + "Negative " + adjective + " traits\n\n"));
        EXPECT_TRUE(startsWith(signTexts(sign).positive, std::string("Positive ") + adjective + " traits\n\n"));
    }
    for (Sign sign : kAllSigns) {
        const std::string careers = signTexts(sign).careers;
        EXPECT_TRUE(startsWith(careers, upper(numerology::SignName(sign)) + "\n\nCareer\n\n")) << careers;
        EXPECT_GE(std::count(careers.begin(), careers.end(), '\n'), 10) << careers;
        const std::string traits = signTexts(sign).traits, positive = signTexts(sign).positive;
        EXPECT_NE(traits.find("\n\nNegative "), std::string::npos);
        EXPECT_GE(std::count(traits.begin(), traits.end(), '\n'), 8) << traits;
        EXPECT_GE(std::count(positive.begin(), positive.end(), '\n'), 7) << positive;
    }
}

TEST(AstrologyTexts, ElementBoxesInTheirOrder)
{
    const char* headings[] = {"Zodiac Attraction\n\n", "The Fire Signs\n\n", "The Earth Signs\n\n", "The Air Signs\n\n",
                              "The Water Signs\n\n"};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(startsWith(elementTexts()[i], headings[i])) << i;
}

TEST(AstrologyCouples, EntriesListMostThenLeastCompatibleSigns)
{
    EXPECT_EQ(couplesEntry(Sign::Aries),
              "ARIES\n\nAries most compatible signs\n\nARIES\nGEMINI\nLEO\nSAGITTARIUS\nAQUARIUS\n\n"
              "Aries least compatible signs\n\nTAURUS\nCANCER\nVIRGO\nCAPRICORN\nPISCES");
    EXPECT_EQ(couplesEntry(Sign::Libra),
              "LIBRA\n\nLibra most compatible signs\n\nGEMINI\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS\n\n"
              "Libra least compatible signs\n\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN");
    EXPECT_EQ(couplesEntry(Sign::Sagittarius),
              "SAGITTARIUS\n\nSagittarius most compatible signs\n\nARIES\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS\n\n"
              "Sagittarius least compatible signs\n\nTAURUS\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN\nPISCES");
    EXPECT_EQ(couplesEntry(Sign::Capricorn),
              "CAPRICORN\n\nCapricorn most compatible signs\n\nTAURUS\nVIRGO\nSCORPIO\nCAPRICORN\nPISCES\n\n"
              "Capricorn least compatible signs\n\nARIES\nGEMINI\nLEO\nLIBRA\nSAGITTARIUS");
}

TEST(AstrologyCouples, TheOtherSignsFollowTheFixedTable)
{
    const std::pair<Sign, const char*> lists[] = {
        {Sign::Taurus, "TAURUS\nCANCER\nVIRGO\nCAPRICORN\nPISCES|ARIES\nGEMINI\nLEO\nSAGITTARIUS\nAQUARIUS"},
        {Sign::Gemini, "ARIES\nGEMINI\nLEO\nLIBRA\nAQUARIUS|TAURUS\nCANCER\nSCORPIO\nCAPRICORN\nPISCES"},
        {Sign::Cancer, "TAURUS\nCANCER\nVIRGO\nSCORPIO\nPISCES|ARIES\nGEMINI\nLIBRA\nSAGITTARIUS\nAQUARIUS"},
        {Sign::Leo, "ARIES\nGEMINI\nLEO\nLIBRA\nSAGITTARIUS|TAURUS\nVIRGO\nSCORPIO\nCAPRICORN\nPISCES"},
        {Sign::Virgo, "TAURUS\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN|ARIES\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS"},
        {Sign::Scorpio, "CANCER\nVIRGO\nSCORPIO\nCAPRICORN\nPISCES|GEMINI\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS"},
        {Sign::Aquarius, "ARIES\nGEMINI\nLIBRA\nSAGITTARIUS\nAQUARIUS|TAURUS\nCANCER\nVIRGO\nSCORPIO\nPISCES"},
    };
    for (auto [sign, both] : lists) {
        const std::string name = numerology::SignName(sign), pair = both;
        const std::size_t bar = pair.find('|');
        EXPECT_EQ(couplesEntry(sign), upper(name) + "\n\n" + name + " most compatible signs\n\n" + pair.substr(0, bar) +
                                          "\n\n" + name + " least compatible signs\n\n" + pair.substr(bar + 1));
    }
}

TEST(AstrologyCouples, PiscesHasASingleBreakBeforeItsSecondHeading)
{
    EXPECT_EQ(couplesEntry(Sign::Pisces),
              "PISCES\n\nPisces most compatible signs\n\nTAURUS\nCANCER\nSCORPIO\nCAPRICORN\nPISCES\n"
              "Pisces least compatible signs\n\nARIES\nGEMINI\nLEO\nSAGITTARIUS\nAQUARIUS");
}

struct AstrologyFixture : ::testing::Test {
    FakeServices fake;
    Zendary z{fake.services};
};

TEST_F(AstrologyFixture, SignButtonShowsItsProfileThenTheElementsWithoutConfirmation)
{
    z.data.own = {1, 5, 1970};  // a Capricorn pressing LEO, dates changed since start
    ASSERT_TRUE(SignButton<Sign::Leo>(z));
    ASSERT_EQ(fake.ui.boxes.size(), 6u);
    EXPECT_EQ(fake.ui.boxes[0].text, signTexts(Sign::Leo).profile);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(fake.ui.boxes[i].caption, "ASTROLOGICAL PROFILE");
        EXPECT_EQ(fake.ui.boxes[i].icon, shell::Icon::Information);
        if (i > 0) {
            EXPECT_EQ(fake.ui.boxes[i].text, elementTexts()[i - 1]);
        }
    }
}

TEST_F(AstrologyFixture, SignButtonStopsOnAFailedCheck)
{
    z.data.own = {1, 5, 1905};  // mother 1900: younger than ten
    EXPECT_FALSE(SignButton<Sign::Leo>(z));
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "BIRTHDAY ERROR");
}

TEST_F(AstrologyFixture, ReadingShowsTheOwnSignAfterTheShortConfirmation)
{
    z.data.own = {1, 21, 1970};
    fake.ui.answers = {shell::Answer::Yes};
    ASSERT_TRUE(AstrologicalReading(z, AstroTable::Wealth));
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "ASTROLOGICAL READING - WEALTH");
    EXPECT_EQ(fake.ui.boxes[0].text, "Is this information accurate?          \n\nYour Birthday\t1  21  1970");
    EXPECT_EQ(fake.ui.boxes[1].caption, "ASTROLOGICAL READING");
    EXPECT_EQ(fake.ui.boxes[1].text, signTexts(Sign::Aquarius).wealth);
    // Nothing changed: no second question.
    z.data.own.day = 20;
    fake.ui.boxes.clear();
    fake.ui.answers = {shell::Answer::No};
    EXPECT_FALSE(AstrologicalReading(z, AstroTable::Careers));
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[1].caption, "ASTROLOGICAL READING - CAREERS");
    EXPECT_EQ(fake.ui.boxes[1].text, "Please correct any mistakes and try again!");
    EXPECT_EQ(fake.ui.boxes[1].icon, shell::Icon::Exclamation);
    fake.ui.boxes.clear();
    ASSERT_TRUE(AstrologicalReading(z, AstroTable::Careers));
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, signTexts(Sign::Capricorn).careers);
}

}  // namespace astrology_test
