#include "pulsara/saved_inputs.h"

#include "shell/files.h"

namespace pulsara {

void applySavedInputs(const std::vector<std::string>& lines, PulsaraData& data)
{
    if (!lines.empty())
        data.name = lines[0];
    shell::takeNumber(lines, 1, data.birth.month, 1, 12);
    shell::takeNumber(lines, 2, data.birth.day, 1, 31);
    shell::takeNumber(lines, 3, data.birth.year, kFirstYear, kLastYear);
}

std::string savedInputsText(const PulsaraData& data)
{
    const std::string name = shell::oneLine(data.name);
    return name + "\n" + std::to_string(data.birth.month) + "\n" + std::to_string(data.birth.day) + "\n" +
           std::to_string(data.birth.year);
}

const shell::SavedInputs<PulsaraData> kSavedInputs{"pulsara.ini", 4, applySavedInputs, savedInputsText};

}  // namespace pulsara
