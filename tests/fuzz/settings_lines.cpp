// Settings files: the line-buffer reader and the whole-line reader, and each program's
// saved inputs, whose text read back gives the same text again.
#include "ballora/saved_inputs.h"
#include "duovell/saved_inputs.h"
#include "furrowen/saved_inputs.h"
#include "fuzz_support.h"
#include "lexivar/saved_inputs.h"
#include "pulsara/saved_inputs.h"
#include "shell/bounded_read.h"
#include "shell/files.h"

namespace {

bool oneCleanLine(const std::string& line, std::size_t longest)
{
    return line.size() <= longest && line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

std::vector<std::string> wholeLines(const std::string& path)
{
    return shell::readWholeSettingsLines(path, 100);
}

std::vector<std::string> bufferLines(const std::string& path)
{
    return shell::readSettingsLines(path, 100);
}

// Applying the file, writing the record and applying that again changes nothing more.
template <typename Data, typename Read, typename Apply, typename Text>
void settles(const std::string& content, Read read, Apply apply, Text text)
{
    Data first;
    apply(read(fuzz::asFile("settings.ini", content)), first);
    const std::string once = text(first);
    Data second;
    apply(read(fuzz::asFile("settings.ini", once)), second);
    fuzz::check(text(second) == once, "saved inputs read back give the same text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string content = fuzz::asText(data, size);
    const std::string path = fuzz::asFile("settings.ini", content);
    for (const std::string& line : shell::readSettingsLines(path))
        fuzz::check(oneCleanLine(line, 98), "a line-buffer line holds at most 98 bytes and no line end");
    for (const std::string& line : shell::readWholeSettingsLines(path, 1000))
        fuzz::check(oneCleanLine(line, shell::kLineBytes), "a whole line holds no line end");

    pairing::PairRecord pair;
    duovell::kSavedInputs.loadFrom(path, pair);
    const std::string duo = duovell::SavedInputsText(pair);
    pairing::PairRecord back;
    duovell::kSavedInputs.loadFrom(fuzz::asFile("settings.ini", duo), back);
    fuzz::check(duovell::SavedInputsText(back) == duo, "duo.ini read back gives the same text");

    // Each as its program reads it.
    settles<lexivar::LexivarData>(content, bufferLines, lexivar::applySavedInputs, lexivar::savedInputsText);
    settles<ballora::BalloraData>(content, wholeLines, ballora::applySavedInputs, ballora::savedInputsText);
    settles<pulsara::PulsaraData>(content, wholeLines, pulsara::applySavedInputs, pulsara::savedInputsText);
    settles<furrowen::PetData>(content, wholeLines, furrowen::applySavedInputs, furrowen::savedInputsText);
    return 0;
}
