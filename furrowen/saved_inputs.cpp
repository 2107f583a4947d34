#include "furrowen/saved_inputs.h"

#include <algorithm>

#include "shell/files.h"

namespace furrowen {

void applySavedInputs(const std::vector<std::string>& lines, PetData& data)
{
    if (!lines.empty())
        data.name = lines[0];
    // Only an age of the list can be chosen; anything else leaves none chosen.
    if (lines.size() > 1) {
        const auto& ages = AgeList();
        data.age = std::find(ages.begin(), ages.end(), lines[1]) != ages.end() ? lines[1] : std::string();
    }
    if (lines.size() > 2)
        data.dog = shell::settingsInt(lines[2], 0) != 0 ? 1 : 0;
}

std::string savedInputsText(const PetData& data)
{
    return shell::oneLine(data.name) + "\n" + shell::oneLine(data.age) + "\n" + (data.dog != 0 ? "1" : "0") + "\n";
}

const shell::SavedInputs<PetData> kSavedInputs{"furrowen.ini", 3, applySavedInputs, savedInputsText};

}  // namespace furrowen
