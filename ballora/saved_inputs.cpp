#include "ballora/saved_inputs.h"

#include "shell/files.h"

namespace ballora {

static const char* const kFile = "ballora.ini";

static void takeNumber(const std::vector<std::string>& lines, std::size_t index, int& field, int low, int high)
{
    if (index >= lines.size())
        return;
    const int value = shell::settingsInt(lines[index], low - 1);
    if (value >= low && value <= high)
        field = value;
}

static void takeText(const std::vector<std::string>& lines, std::size_t index, std::string& field)
{
    if (index < lines.size())
        field = lines[index];
}

void applySavedInputs(const std::vector<std::string>& lines, BalloraData& data)
{
    takeNumber(lines, 0, data.birthday.month, 1, 12);
    takeNumber(lines, 1, data.birthday.day, 1, 31);
    takeNumber(lines, 2, data.birthday.year, kFirstYear, kLastYear);
    takeText(lines, 3, data.first);
    takeText(lines, 4, data.middle);
    takeText(lines, 5, data.last);
    takeText(lines, 6, data.maxText);
}

std::string savedInputsText(const BalloraData& d)
{
    return std::to_string(d.birthday.month) + "\n" + std::to_string(d.birthday.day) + "\n" +
           std::to_string(d.birthday.year) + "\n" + shell::oneLine(d.first) + "\n" + shell::oneLine(d.middle) + "\n" +
           shell::oneLine(d.last) + "\n" + shell::oneLine(d.maxText) + "\n";
}

void loadSavedInputs(const shell::Paths& paths, BalloraData& data)
{
    applySavedInputs(shell::readWholeSettingsLines(paths.data(kFile), 7), data);
}

void saveSavedInputs(const shell::Paths& paths, const BalloraData& data)
{
    shell::makeFolder(paths.dataDir());
    shell::writeFileAtomically(paths.data(kFile), savedInputsText(data));
}

}  // namespace ballora
