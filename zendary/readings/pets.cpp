#include "zendary/readings/pets.h"

#include "numerology/dates.h"
#include "numerology/pet_day.h"
#include "shell/date_checks.h"

namespace zendary {

static const char* const kPetsCaption = "FURROWEN";

int PetDigit(const numerology::Date& date, std::string_view name)
{
    using namespace numerology;
    return NumberDigit(DateDigit(date.month) + DateDigit(date.day) + YearDigit(date.year) + NameValue(name));
}

bool PetsReading(Zendary& z)
{
    const std::string& name = z.data.petName;
    if (name.empty()) {
        z.ui.stop(kPetsCaption, "Please enter your pet's name!");
        z.ui.info(kPetsCaption, "Please enter your pet's name and change the current date if necessary.\n"
                                "You can select any year from your pet's past, present or future.\n"
                                "Then click on the PTS button. Your pet's reading will be clearly displayed.    ");
        return false;
    }
    const numerology::Date& date = z.data.selected;
    // A day the month does not have gets no reading.
    if (!shell::datesValid(z.ui, "DATE ERROR", {&date}))
        return false;
    const int digit = PetDigit(date, name);
    z.ui.info(kPetsCaption, "Numerological Reading for " + name + "\n\n" +
                                numerology::DateText(date.month, date.day, date.year) +
                                numerology::PetDayText(numerology::PetDayRating(digit)) + name + "!     \n");
    return true;
}

}  // namespace zendary
