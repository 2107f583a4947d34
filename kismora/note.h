// The note attached to a date: free text kept unchanged in the notes folder.
#pragma once
#include <string>

#include "shell/seams.h"

namespace kismora {

constexpr int kLongestNote = 798;  // characters

class Note {
public:
    // Reads the date's note, if it has one, as the starting text.
    Note(shell::Services& services, const std::string& dateName);

    shell::Services& services;
    std::string text;

    // True when the note was written and the window may close.
    bool Save();
    // True when the note was removed and the text emptied.
    bool Delete();

private:
    std::string path_;  // "" for a name that cannot be a file name
};

}  // namespace kismora
