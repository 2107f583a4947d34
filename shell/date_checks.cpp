#include "shell/date_checks.h"

#include "numerology/dates.h"

namespace shell {

bool datesValid(Ui& ui, const std::string& caption, std::initializer_list<const numerology::Date*> dates)
{
    for (const numerology::Date* date : dates) {
        const numerology::DateCheck check = numerology::DateRule(date->month, date->day, date->year);
        if (!check.ok) {
            if (check.message)
                ui.stop(caption, check.message);
            return false;
        }
    }
    return true;
}

}  // namespace shell
