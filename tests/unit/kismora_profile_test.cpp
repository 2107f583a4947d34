// Kismora's profile record: its file, the completeness check and the names of dates.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "kismora/date_profile.h"
#include "kismora/kismora_files.h"
#include "kismora/profile_form.h"
#include "tests/support/temp_path.h"

namespace kismora_profile_test {

namespace fs = std::filesystem;
using kismora::DateProfile;

DateProfile complete()
{
    DateProfile p;
    p.name = "Ann Lee";
    p.gender = "female";
    p.drinking = "social";
    p.education = "some college";
    p.outdoors = p.travel = p.sports = p.movies = p.music = "casual";
    p.hair = "red";
    p.eyes = "blue";
    p.race = "asian";
    p.religion = "none";
    p.marital = "single";
    p.haveChildren = "no";
    p.wantChildren = "maybe";
    p.smoking = "no";
    p.feet = 5;
    p.weight = 120;
    p.occupation = "Nurse";
    p.residence = "Ohio";
    p.inches = 4;
    return p;
}

struct TempFolder {
    fs::path root = test_support::tempPath("kismora_profile");
    TempFolder() { fs::remove_all(root), fs::create_directories(root); }
    ~TempFolder() { fs::remove_all(root); }
    std::string write(const std::string& name, const std::string& text) const
    {
        std::ofstream(root / name, std::ios::binary) << text;
        return (root / name).string();
    }
};

TEST(KismoraProfile, FileKeepsFieldsInOrderAndEndsWithInchesWithoutLineFeed)
{
    const std::string text = kismora::ProfileFileText(complete());
    EXPECT_EQ(text, "Ann Lee\nfemale\nsocial\nsome college\ncasual\ncasual\ncasual\ncasual\ncasual\nred\nblue\n"
                    "asian\nnone\nsingle\nno\nmaybe\nno\n5\n120\nNurse\nOhio\n4");
    TempFolder folder;
    DateProfile back;
    ASSERT_TRUE(kismora::LoadProfile(folder.write("a.txt", text), back));
    EXPECT_EQ(back, complete());
}

TEST(KismoraProfile, ReadingIsTolerant)
{
    TempFolder folder;
    DateProfile p;
    p.name = "Kismora";
    p.weight = 99;
    EXPECT_FALSE(kismora::LoadProfile((folder.root / "missing.txt").string(), p));
    EXPECT_EQ(p.name, "Kismora");

    // Missing lines leave their fields; junk numbers give 0; CR LF endings are read.
    ASSERT_TRUE(kismora::LoadProfile(folder.write("short.txt", "Bob\r\nmale\nnone\n\n\n\n\n\n\nbrown\nbrown\n"
                                                               "x\ny\nz\nno\nyes\nno\nfive\n"),
                                     p));
    EXPECT_EQ(p.name, "Bob");
    EXPECT_EQ(p.gender, "male");
    EXPECT_EQ(p.feet, 0);
    EXPECT_EQ(p.weight, 99);

    // A name longer than a short line buffer stays in its own field; a text longer than
    // its field's typing limit is kept whole, binary bytes end a value.
    const std::string longName(125, 'n');
    ASSERT_TRUE(kismora::LoadProfile(
        folder.write("long.txt", longName + "xyz\n" + std::string(40, 'g') + std::string("\nab\0cd\n", 7)), p));
    EXPECT_EQ(p.name, longName + "xyz");
    EXPECT_EQ(p.gender, std::string(40, 'g'));
    EXPECT_EQ(p.drinking, "ab");
}

TEST(KismoraProfile, CheckBoundaries)
{
    const auto check = [](auto change) {
        DateProfile p = complete();
        change(p);
        return kismora::ProfileCheck(p).value_or("");
    };
    EXPECT_EQ(check([](DateProfile&) {}), "");
    EXPECT_EQ(check([](DateProfile& p) { p.feet = 2, p.inches = 0; }), "");
    EXPECT_EQ(check([](DateProfile& p) { p.feet = 7, p.inches = 11; }), "");
    const std::string feet = "Please enter height between 2 and 7 feet.    ";
    EXPECT_EQ(check([](DateProfile& p) { p.feet = 1; }), feet);
    EXPECT_EQ(check([](DateProfile& p) { p.feet = 8; }), feet);
    EXPECT_EQ(check([](DateProfile& p) { p.inches = 12; }), "Please enter height between 0 and 11 inches.    ");
    EXPECT_EQ(check([](DateProfile& p) { p.weight = 0; }), "Please enter weight in pounds.    ");
    EXPECT_EQ(check([](DateProfile& p) { p.occupation = "123456789012345"; }), "");
    EXPECT_EQ(check([](DateProfile& p) { p.occupation = "1234567890123456"; }),
              "Please enter shorter description for: occupation.    ");
    // Characters count, not bytes.
    EXPECT_EQ(check([](DateProfile& p) { p.residence = "Zürich Zürich Z"; }), "");
    EXPECT_EQ(check([](DateProfile& p) { p.residence = "1234567890123456"; }),
              "Please enter shorter description for: residence.    ");
    // The first failure speaks.
    EXPECT_EQ(check([](DateProfile& p) { p.music = "", p.name = ""; }), "Please enter full name.    ");
    EXPECT_EQ(check([](DateProfile& p) { p.music = ""; }), "Please select music importance status.    ");
}

TEST(KismoraProfile, DateNamesStayInTheFolder)
{
    FakePaths paths("/root");
    EXPECT_EQ(kismora::DatePath(paths, "Ann Lee").value_or(""), "/root/data/Kismora/Ann Lee.txt");
    EXPECT_EQ(kismora::NotePath(paths, "Ann Lee").value_or(""), "/root/data/Kismora/Notes/Ann Lee.txt");
    for (const char* bad : {"", ".", "..", "../Ann", "a/b", "a\\b", "report"}) {
        EXPECT_TRUE(kismora::DateNameProblem(bad)) << bad;
        EXPECT_FALSE(kismora::DatePath(paths, bad)) << bad;
    }
    EXPECT_FALSE(kismora::DateNameProblem("Report"));
}

TEST(KismoraProfile, SavingADateRefusesUnsafeNamesAndRemembersEachSavedNameOnce)
{
    TempFolder folder;
    FakeServices fake;
    fake.paths.root = folder.root.string();
    kismora::ProfileForm form(fake.services, kismora::ProfileKind::NewDate);
    form.record = complete();
    form.record.name = "../Ann";
    EXPECT_FALSE(form.Save());
    EXPECT_FALSE(fs::exists(folder.root / "data/Ann.txt"));
    form.record.name = "Ann";
    EXPECT_TRUE(form.Save());
    EXPECT_TRUE(form.Save());
    form.record.name = "Bea";
    EXPECT_TRUE(form.Save());
    EXPECT_EQ(form.savedNames, (std::vector<std::string>{"Ann", "Bea"}));
    EXPECT_TRUE(fs::exists(folder.root / "data/Kismora/Ann.txt"));
}

}  // namespace kismora_profile_test
