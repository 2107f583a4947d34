#include "pulsara/saved_inputs.h"

#include "shell/files.h"

namespace pulsara {

static const char* const kFile = "pulsara.ini";

static void takeNumber(const std::vector<std::string>& lines, std::size_t index, int& value, int low, int high)
{
    if (index >= lines.size())
        return;
    const int n = shell::settingsInt(lines[index], value);
    if (n >= low && n <= high)
        value = n;
}

void applySavedInputs(const std::vector<std::string>& lines, PulsaraData& data)
{
    if (!lines.empty())
        data.name = lines[0];
    takeNumber(lines, 1, data.birth.month, 1, 12);
    takeNumber(lines, 2, data.birth.day, 1, 31);
    takeNumber(lines, 3, data.birth.year, kFirstYear, kLastYear);
}

std::string savedInputsText(const PulsaraData& data)
{
    const std::string name = shell::oneLine(data.name);
    return name + "\n" + std::to_string(data.birth.month) + "\n" + std::to_string(data.birth.day) + "\n" +
           std::to_string(data.birth.year);
}

void loadSavedInputs(const shell::Paths& paths, PulsaraData& data)
{
    applySavedInputs(shell::readWholeSettingsLines(paths.data(kFile), 4), data);
}

void saveSavedInputs(const shell::Paths& paths, const PulsaraData& data)
{
    shell::makeFolder(paths.dataDir());
    shell::writeFileAtomically(paths.data(kFile), savedInputsText(data));
}

}  // namespace pulsara
