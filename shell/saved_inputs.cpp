#include "shell/saved_inputs.h"

#include "shell/file_log.h"
#include "shell/files.h"

namespace shell {

std::vector<std::string> readSavedInputLines(const std::string& path, std::size_t maxLines, bool wholeLines)
{
    return wholeLines ? readWholeSettingsLines(path, maxLines) : readSettingsLines(path, maxLines);
}

void writeSavedInputs(const Paths& paths, const std::string& file, const std::string& text)
{
    makeFolder(paths.dataDir());
    if (!writeFileAtomically(paths.data(file), text))
        qCInfo(mystorinFiles, "the saved inputs %s were not kept for the next start", file.c_str());
}

void takeNumber(const std::vector<std::string>& lines, std::size_t index, int& field, int low, int high)
{
    if (index >= lines.size())
        return;
    const int value = settingsInt(lines[index], low - 1);
    if (value >= low && value <= high)
        field = value;
}

void takeText(const std::vector<std::string>& lines, std::size_t index, std::string& field)
{
    if (index < lines.size())
        field = lines[index];
}

void takeFlag(const std::vector<std::string>& lines, std::size_t index, bool& field)
{
    if (index < lines.size())
        field = !lines[index].empty() && lines[index][0] == '1';
}

}  // namespace shell
