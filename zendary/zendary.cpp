#include "zendary/zendary.h"

#include "numerology/dates.h"
#include "shell/date_checks.h"

namespace zendary {

static const char* const kBirthdayError = "BIRTHDAY ERROR";
static const char* const kPastLivesError = "PAST LIVES ERROR";

PersonalData startValues(const shell::DateTime& today)
{
    PersonalData data;
    data.selected = {today.month, today.day, today.year};
    return data;
}

Zendary::Zendary(shell::Services& s) : services(s), ui(s.ui)
{
    data = startValues(s.clock.now());
    rememberDates();
}

std::array<int, 12> Zendary::currentDates() const
{
    const PersonalData& d = data;
    return {d.own.month,    d.own.day,    d.own.year,    d.mother.month,   d.mother.day,   d.mother.year,
            d.father.month, d.father.day, d.father.year, d.selected.month, d.selected.day, d.selected.year};
}

bool Zendary::DatesValid()
{
    return shell::datesValid(ui, kBirthdayError, {&data.own, &data.mother, &data.father, &data.selected});
}

bool ParentsAges(shell::Ui& ui, int ownYear, int motherYear, int fatherYear)
{
    const int y = ownYear, m = motherYear, f = fatherYear;
    const char* message = nullptr;
    if (y < m || y < f)
        message = "You indicated that you are older than at least one of your parents! "
                  "Please correct it and then try again!";
    else if (m + 10 > y)
        message = "You indicated that your mother was younger than 10 years old when you were born! "
                  "Please correct it and then try again!";
    else if (f + 10 > y)
        message = "You indicated that your father was younger than 10 years old when you were born! "
                  "Please correct it and then try again!";
    if (!message)
        return true;
    ui.stop(kBirthdayError, message);
    return false;
}

bool Zendary::ParentsAges()
{
    return zendary::ParentsAges(ui, data.own.year, data.mother.year, data.father.year);
}

bool Zendary::PastLifeFields()
{
    if (data.pastAge < 0 || data.pastAge > 99)
        return false;
    const int year = data.pastYear;
    if (era == Era::BC)
        return year >= 0 && year <= kLastBcYear;
    if (year < 0 || year > 2000) {
        ui.stop(kPastLivesError, "Valid range for AD years is: 0 - 2000!");
        return false;
    }
    if (year >= data.own.year) {
        ui.stop(kPastLivesError, "You have selected a year after or when you were born! "
                                 "To receive your past life reading please select a year before you were born!");
        return false;
    }
    return true;
}

bool Zendary::confirm(const std::string& caption, const std::string& question)
{
    if (ui.askYesNo(caption, question))
        return true;
    ui.warn(caption, "Please correct any mistakes and try again!");
    return false;
}

bool Zendary::confirmDateChanges(const std::string& caption, const std::string& question)
{
    if (!datesChanged())
        return true;
    rememberDates();
    return confirm(caption, question);
}

bool Zendary::ConfirmationBox(const std::string& caption, const std::string& leadIn, ConfirmForm form)
{
    std::string text;
    if (form == ConfirmForm::Full) {
        text = leadIn + numerology::BirthdayLines(data.own, data.mother, data.father, data.selected);
    } else {
        text = "Is this information accurate?          \n\nYour Birthday\t" + std::to_string(data.own.month) + "  " +
               std::to_string(data.own.day) + "  " + std::to_string(data.own.year);
    }
    return confirmDateChanges(caption, text);
}

bool Zendary::soulmateNamesChanged() const
{
    return data.firstName != firstSoulmate_ || data.secondName != secondSoulmate_;
}

void Zendary::rememberSoulmateNames()
{
    firstSoulmate_ = data.firstName;
    secondSoulmate_ = data.secondName;
}

void Zendary::computeNumbers()
{
    stars = numerology::ComputeStarNumbers(data.own, data.mother, data.father);
    dayNumber = numerology::DayNumber(data.selected);
}

bool Zendary::starsGate(const std::string& caption, const std::string& leadIn)
{
    if (!DatesValid() || !PastLifeFields())
        return false;
    computeNumbers();
    return ParentsAges() && ConfirmationBox(caption, leadIn, ConfirmForm::Full);
}

}  // namespace zendary
