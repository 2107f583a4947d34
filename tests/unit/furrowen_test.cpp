// Furrowen's age list, total, tense, texts, the READING conversation and furrowen.ini.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/fake_services.h"
#include "furrowen/furrowen.h"
#include "furrowen/saved_inputs.h"

namespace furrowen_test {

using namespace furrowen;

PetData rex()
{
    PetData d;
    d.name = "Rex";
    d.age = "3 years";
    d.dog = 1;
    d.selected = {1, 1, 2000};
    return d;
}

const Date kStart{12, 6, 2026};

TEST(FurrowenAges, TwelveMonthsThenThirtyYears)
{
    const auto& ages = AgeList();
    ASSERT_EQ(ages.size(), 42u);
    EXPECT_EQ(ages[0], "1 month");
    EXPECT_EQ(ages[1], "2 months");
    EXPECT_EQ(ages[11], "12 months");
    EXPECT_EQ(ages[12], "1 year");
    EXPECT_EQ(ages[13], "2 years");
    EXPECT_EQ(ages[41], "30 years");
}

TEST(FurrowenReading, RexOnNewYear2000WasANormalDay)
{
    const PetData d = rex();
    EXPECT_EQ(PetTotal(d), 2121);  // 1 + 0 + 1 + 2000 + 1 + 47 + 71
    EXPECT_EQ(ReadingText(d, kStart),
              "Numerological Reading for Rex, 3 years old dog:     \n\nJanuary 1 2000 was a Normal Day for Rex.    ");
}

TEST(FurrowenReading, AWholeHundredStripsToOneAndIsABadDay)
{
    PetData d;
    d.name = "Za";  // 27 + "1 month" 71 + 2002 = 2100
    d.age = "1 month";
    d.cat = 1;
    d.selected = {1, 1, 1999};  // one year less, one cat flag more
    EXPECT_EQ(PetTotal(d), 2100);
    EXPECT_EQ(ReadingText(d, {1, 1, 1999}),
              "Numerological Reading for Za, 1 month old cat:     \n\nJanuary 1 1999 is a Bad Day for Za.    ");
}

TEST(FurrowenReading, WithoutAKindThePetIsACatWithNoFlagInItsTotal)
{
    PetData d = rex();
    d.dog = 0;
    EXPECT_EQ(PetTotal(d), 2120);  // 20 % 9 + 1 = 3: good
    EXPECT_EQ(ReadingText(d, kStart),
              "Numerological Reading for Rex, 3 years old cat:     \n\nJanuary 1 2000 was a Good Day for Rex.    ");
    d.cat = 1;
    EXPECT_EQ(PetTotal(d), 2121);
}

TEST(FurrowenReading, TenseComparesYearThenMonthThenDay)
{
    EXPECT_EQ(TenseOf(kStart, kStart), Tense::Present);
    EXPECT_EQ(TenseOf({12, 5, 2026}, kStart), Tense::Past);
    EXPECT_EQ(TenseOf({12, 7, 2026}, kStart), Tense::Future);
    EXPECT_EQ(TenseOf({11, 30, 2026}, kStart), Tense::Past);
    EXPECT_EQ(TenseOf({1, 1, 2027}, kStart), Tense::Future);
    EXPECT_EQ(TenseOf({12, 31, 2025}, kStart), Tense::Past);
    PetData d = rex();
    d.selected = {1, 1, 2030};
    EXPECT_NE(ReadingText(d, kStart).find("January 1 2030 will be a "), std::string::npos);
}

TEST(FurrowenReading, ConfirmationShowsWhatWasRead)
{
    EXPECT_EQ(ConfirmationText(rex()),
              "Is this information accurate?\n\nPet's Name:\tRex\nPet's Age:\t3 years\nIt is:\t\ta dog\n\n"
              "Selected Date:\t1 1 2000     \n");
    PetData d = rex();
    d.dog = 0;
    d.selected = {12, 25, 2001};
    EXPECT_EQ(ConfirmationText(d),
              "Is this information accurate?\n\nPet's Name:\tRex\nPet's Age:\t3 years\nIt is:\t\ta cat\n\n"
              "Selected Date:\t12 25 2001     \n");
}

TEST(FurrowenReading, DogAndCatExcludeEachOther)
{
    FakeServices fake;
    Furrowen f(fake.services);
    f.pressCat();
    EXPECT_EQ(f.data.dog, 0);
    EXPECT_EQ(f.data.cat, 1);
    f.pressDog();
    EXPECT_EQ(f.data.dog, 1);
    EXPECT_EQ(f.data.cat, 0);
}

struct FurrowenConversation : ::testing::Test {
    FakeServices fake;
    std::unique_ptr<Furrowen> f;
    void SetUp() override
    {
        fake.clock.time = {2026, 12, 6};
        f = std::make_unique<Furrowen>(fake.services);
    }
    std::string lastText() const { return fake.ui.boxes.back().text; }
};

TEST_F(FurrowenConversation, StartsOnTodayWithNothingChosen)
{
    EXPECT_EQ(f->start, kStart);
    EXPECT_EQ(f->data.selected, kStart);
    EXPECT_EQ(f->data.dog + f->data.cat, 0);
}

TEST_F(FurrowenConversation, ChecksComeInTheirOrder)
{
    f->data.selected = {2, 29, 2001};
    EXPECT_FALSE(f->Reading());
    EXPECT_EQ(lastText(), "Please enter your pet's name!    ");
    f->data.name = "Rex";
    EXPECT_FALSE(f->Reading());
    EXPECT_EQ(fake.ui.boxes.back().caption, "DATE ERROR");
    EXPECT_EQ(lastText(), "There are only 28 days in February!\nPlease correct it and then try again!    ");
    f->data.selected = {2, 29, 2004};
    EXPECT_FALSE(f->Reading());
    EXPECT_EQ(lastText(), "Please select your pet's age!    ");
    for (const RecordedBox& box : fake.ui.boxes)
        EXPECT_EQ(box.icon, shell::Icon::Stop);
    EXPECT_EQ(fake.ui.captions(), (std::vector<std::string>{"FURROWEN", "DATE ERROR", "FURROWEN"}));
}

TEST_F(FurrowenConversation, NoAsksForCorrectionsAndYesShowsTheVerdictEveryTime)
{
    f->data = rex();
    fake.ui.answers = {shell::Answer::No, shell::Answer::Yes, shell::Answer::Yes};
    EXPECT_FALSE(f->Reading());
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].icon, shell::Icon::Question);
    EXPECT_EQ(fake.ui.boxes[0].text, ConfirmationText(rex()));
    EXPECT_EQ(fake.ui.boxes[1].icon, shell::Icon::Stop);
    EXPECT_EQ(fake.ui.boxes[1].text, "Please correct any mistakes and try again!    ");
    EXPECT_TRUE(f->Reading());
    EXPECT_EQ(fake.ui.boxes.back().icon, shell::Icon::Information);
    const std::string first = lastText();
    EXPECT_TRUE(f->Reading());
    EXPECT_EQ(lastText(), first);
    EXPECT_EQ(first, ReadingText(rex(), kStart));
}

TEST(FurrowenSavedInputs, LinesGiveNameAgeAndDogFlag)
{
    PetData d;
    applySavedInputs({"Rex", "3 years", "1"}, d);
    EXPECT_EQ(d.name, "Rex");
    EXPECT_EQ(d.age, "3 years");
    EXPECT_EQ(d.dog, 1);
    EXPECT_EQ(d.cat, 0);
    EXPECT_EQ(savedInputsText(d), "Rex\n3 years\n1\n");
    for (const char* flag : {"0", "x", "", " 0junk"}) {
        applySavedInputs({"Rex", "3 years", flag}, d);
        EXPECT_EQ(d.dog, 0) << flag;
    }
    applySavedInputs({"Rex", "3 years", "-7"}, d);
    EXPECT_EQ(d.dog, 1);
    // An age outside the list is not chosen; missing lines keep the start values.
    applySavedInputs({"Tom", "3 yrs"}, d);
    EXPECT_EQ(d.name, "Tom");
    EXPECT_EQ(d.age, "");
    EXPECT_EQ(d.dog, 1);
}

TEST(FurrowenSavedInputs, ALongNameComesBackWholeWithTheLinesAfterIt)
{
    QTemporaryDir root;
    FakePaths paths(root.path().toStdString());
    PetData d = rex();
    for (std::size_t length : {97u, 98u, 99u, 100u}) {
        d.name = std::string(length - 1, 'a') + "z";
        kSavedInputs.save(paths, d);
        PetData back;
        kSavedInputs.load(paths, back);
        EXPECT_EQ(back.name, d.name) << length;
        EXPECT_EQ(back.age, "3 years") << length;
        EXPECT_EQ(back.dog, 1) << length;
    }
    // Two-byte letters: 100 of them take 200 bytes.
    d.name.clear();
    for (int i = 0; i < 100; ++i)
        d.name += "\xc3\xa9";
    d.dog = 0;
    kSavedInputs.save(paths, d);
    PetData back;
    back.dog = 1;
    kSavedInputs.load(paths, back);
    EXPECT_EQ(back.name, d.name);
    EXPECT_EQ(back.age, "3 years");
    EXPECT_EQ(back.dog, 0);
}

}  // namespace furrowen_test
