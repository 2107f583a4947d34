#include "lexivar/saved_inputs.h"

#include "shell/files.h"
#include "shell/utf8_text.h"

namespace lexivar {

static const char* const kFile = "lex.ini";

static void takeNumber(const std::string& line, int& field, int low, int high)
{
    const int value = shell::settingsInt(line, low - 1);
    if (value >= low && value <= high)
        field = value;
}

void applySavedInputs(const std::vector<std::string>& lines, LexivarData& data)
{
    const std::size_t n = lines.size();
    if (n > 0)
        takeNumber(lines[0], data.birthday.month, 1, 12);
    if (n > 1)
        takeNumber(lines[1], data.birthday.day, 1, 31);
    if (n > 2)
        takeNumber(lines[2], data.birthday.year, kFirstYear, kLastYear);
    if (n > 3)
        data.recipientFirst = lines[3];
    if (n > 4)
        data.recipientLast = lines[4];
}

// A name is stored as one line that the 99-byte line buffer reads back whole: no line
// break, and at most 97 bytes, cut between characters, so that the buffer also takes
// the line feed. (A longer line leaves its end, or at 98 bytes just its line feed, for
// the next read, and the last name comes back spoilt or empty.)
static std::string nameLine(const std::string& text)
{
    return shell::cutToBytes(shell::oneLine(text), 97);
}

std::string savedInputsText(const LexivarData& data)
{
    return std::to_string(data.birthday.month) + "\n" + std::to_string(data.birthday.day) + "\n" +
           std::to_string(data.birthday.year) + "\n" + nameLine(data.recipientFirst) + "\n" +
           nameLine(data.recipientLast) + "\n";
}

void loadSavedInputs(const shell::Paths& paths, LexivarData& data)
{
    applySavedInputs(shell::readSettingsLines(paths.data(kFile), 5), data);
}

void saveSavedInputs(const shell::Paths& paths, const LexivarData& data)
{
    shell::makeFolder(paths.dataDir());
    shell::writeFileAtomically(paths.data(kFile), savedInputsText(data));
}

}  // namespace lexivar
