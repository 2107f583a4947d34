#include "zendary/window/zendary_window.h"

#include "numerology/dates.h"
#include "pair/pair_report.h"
#include "shell/file_log.h"
#include "shell/profile.h"
#include "zendary/window/stars_calendar_dialog.h"

namespace zendary {

using shell::Field;

const shell::HelpSpec kZendaryHelp = {
    "Zdr.hlp", "ZENDARY HELP",
    std::string("Enter all birthdays and change the current date if necessary. If you don't know any of the "
                "required items, make your best guess. For detailed instructions on how to use Zendary please run "
                "Help.\n\nHome page: https://mystorin.example/zendary\n") +
        pairing::kCopyrightLine};

ZendaryWindow::ZendaryWindow(shell::Services& services) :
    RecordWindow(services, {"&About Zendary 2000", "COPYRIGHT", QString("Zendary 2000\n") + pairing::kCopyrightLine},
                 "Zendary")
{
    loadBirthdays();
    core_.rememberDates();

    setWindowTitle("Zendary 2000");
    buildLayout();
    addPrintReportEntry();
    addMenuEntry("Stars &Calendar...", [this] { openStarsCalendar(*this); });
    // The order in which a button reads the controls.
    PersonalData& d = core_.data;
    setFields({
        Field::number(kOwnMonthId, d.own.month, 1, 12),
        Field::number(kOwnDayId, d.own.day, 1, 31),
        Field::number(kOwnYearId, d.own.year, kFirstYear, kLastYear),
        Field::number(kMotherMonthId, d.mother.month, 1, 12),
        Field::number(kMotherDayId, d.mother.day, 1, 31),
        Field::number(kMotherYearId, d.mother.year, kFirstYear, kLastYear),
        Field::number(kFatherMonthId, d.father.month, 1, 12),
        Field::number(kFatherDayId, d.father.day, 1, 31),
        Field::number(kFatherYearId, d.father.year, kFirstYear, kLastYear),
        Field::number(kSelectedMonthId, d.selected.month, 1, 12),
        Field::number(kSelectedDayId, d.selected.day, 1, 31),
        Field::number(kSelectedYearId, d.selected.year, kFirstYear, kLastYear),
        Field::text(kDreamId, d.dream, 50),
        Field::text(kOccupationId, d.occupation, 55),
        Field::number(kPastYearId, d.pastYear, 0, kLastBcYear),
        Field::number(kPastAgeId, d.pastAge, 0, 99),
        Field::text(kSuperstitionId, d.superstition, 100),
        Field::text(kClueId, d.clue, 55),
        Field::text(kMessageId, d.message, 50000),
        Field::text(kFirstNameId, d.firstName, 75),
        Field::text(kSecondNameId, d.secondName, 75),
        Field::number(kFirstMonthId, d.first.month, 1, 12),
        Field::number(kFirstDayId, d.first.day, 1, 31),
        Field::number(kFirstYearId, d.first.year, kFirstYear, kLastYear),
        Field::number(kSecondMonthId, d.second.month, 1, 12),
        Field::number(kSecondDayId, d.second.day, 1, 31),
        Field::number(kSecondYearId, d.second.year, kFirstYear, kLastYear),
        Field::text(kNumberId, d.number, 25),
        Field::text(kColorId, d.color, 25),
        Field::text(kShapeId, d.shape, 25),
        Field::text(kNameYearNameId, d.nameYearName, 50),
        Field::text(kPetNameId, d.petName, 50),
        Field::text(kSpellNameId, d.spellName, 80),
        Field::text(kTeam1Id, d.team1, 80),
        Field::text(kTeam2Id, d.team2, 80),
    });
    writeFields();
}

void ZendaryWindow::chooseEra(Era era)
{
    readFields();
    core_.era = era;
    writeFields();
}

void ZendaryWindow::helpRequested()
{
    shell::showHelp(services(), kZendaryHelp);
}

// The three birthdays are kept in the profile as "month day year".
static const char* const kBirthdayKeys[] = {"Birthdays/Own", "Birthdays/Mother", "Birthdays/Father"};

void ZendaryWindow::loadBirthdays()
{
    const auto profile = shell::openProfile(services().paths, "zendary");
    Date* dates[] = {&core_.data.own, &core_.data.mother, &core_.data.father};
    for (int i = 0; i < 3; ++i) {
        const QStringList parts = profile->value(kBirthdayKeys[i]).toString().split(' ', Qt::SkipEmptyParts);
        if (parts.size() != 3)
            continue;
        bool ok[3] = {};
        const Date date{parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
        // Only a date the exit path could have accepted replaces the start value.
        if (ok[0] && ok[1] && ok[2] && numerology::DateRule(date.month, date.day, date.year).ok)
            *dates[i] = date;
    }
}

void ZendaryWindow::saveInputs()
{
    const auto profile = shell::openProfile(services().paths, "zendary");
    const Date* dates[] = {&core_.data.own, &core_.data.mother, &core_.data.father};
    for (int i = 0; i < 3; ++i)
        profile->setValue(kBirthdayKeys[i],
                          QString("%1 %2 %3").arg(dates[i]->month).arg(dates[i]->day).arg(dates[i]->year));
    // The window closes whatever happens: the next start then asks for the birthdays again.
    if (!profile->sync())
        qCInfo(mystorinFiles, "the birthdays were not kept for the next start");
}

}  // namespace zendary
