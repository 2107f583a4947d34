#include "lexivar/saved_inputs.h"

#include "shell/files.h"
#include "shell/utf8_text.h"

namespace lexivar {

void applySavedInputs(const std::vector<std::string>& lines, LexivarData& data)
{
    shell::takeNumber(lines, 0, data.birthday.month, 1, 12);
    shell::takeNumber(lines, 1, data.birthday.day, 1, 31);
    shell::takeNumber(lines, 2, data.birthday.year, kFirstYear, kLastYear);
    shell::takeText(lines, 3, data.recipientFirst);
    shell::takeText(lines, 4, data.recipientLast);
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

const shell::SavedInputs<LexivarData> kSavedInputs{"lex.ini", 5, applySavedInputs, savedInputsText, false};

}  // namespace lexivar
