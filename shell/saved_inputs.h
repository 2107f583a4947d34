// A program's saved inputs ("pulsara.ini", "duo.ini"...): one small file in the data
// folder, one value a line, read when the main window opens and written when it closes.
// Reading keeps a field's start value where its line is missing or holds nothing the field
// accepts. Writing is silent for the user, since the next start simply has its start
// values, and a failure is recorded for maintainers (file_log.h).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "shell/seams.h"

namespace shell {

// The lines a saved-inputs file holds.
std::vector<std::string> readSavedInputLines(const std::string& path, std::size_t maxLines, bool wholeLines);
void writeSavedInputs(const Paths& paths, const std::string& file, const std::string& text);

// Line `index` taken into a field: a number when it lies in [low, high], a text, or a
// flag ("1" at its start); the field keeps its value when there is no such line.
void takeNumber(const std::vector<std::string>& lines, std::size_t index, int& field, int low, int high);
void takeText(const std::vector<std::string>& lines, std::size_t index, std::string& field);
void takeFlag(const std::vector<std::string>& lines, std::size_t index, bool& field);

// One program's file: its name, how many lines are read, and the program's two rules,
// the lines taken into its data and its data as the file's text.
template <typename Data>
struct SavedInputs {
    const char* file = nullptr;
    std::size_t lines = 0;
    void (*apply)(const std::vector<std::string>& lines, Data& data) = nullptr;
    std::string (*text)(const Data& data) = nullptr;
    // Lines are read whole (up to kLineBytes), so that a long name beyond ASCII comes back
    // whole; false cuts them as readSettingsLines does.
    bool wholeLines = true;

    void load(const Paths& paths, Data& data) const { loadFrom(paths.data(file), data); }
    void loadFrom(const std::string& path, Data& data) const
    {
        apply(readSavedInputLines(path, lines, wholeLines), data);
    }
    void save(const Paths& paths, const Data& data) const { writeSavedInputs(paths, file, text(data)); }
};

}  // namespace shell
