#include "ballora/saved_inputs.h"

#include "shell/files.h"

namespace ballora {

void applySavedInputs(const std::vector<std::string>& lines, BalloraData& data)
{
    shell::takeNumber(lines, 0, data.birthday.month, 1, 12);
    shell::takeNumber(lines, 1, data.birthday.day, 1, 31);
    shell::takeNumber(lines, 2, data.birthday.year, kFirstYear, kLastYear);
    shell::takeText(lines, 3, data.first);
    shell::takeText(lines, 4, data.middle);
    shell::takeText(lines, 5, data.last);
    shell::takeText(lines, 6, data.maxText);
}

std::string savedInputsText(const BalloraData& d)
{
    return std::to_string(d.birthday.month) + "\n" + std::to_string(d.birthday.day) + "\n" +
           std::to_string(d.birthday.year) + "\n" + shell::oneLine(d.first) + "\n" + shell::oneLine(d.middle) + "\n" +
           shell::oneLine(d.last) + "\n" + shell::oneLine(d.maxText) + "\n";
}

const shell::SavedInputs<BalloraData> kSavedInputs{"ballora.ini", 7, applySavedInputs, savedInputsText};

}  // namespace ballora
