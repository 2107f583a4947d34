// The profile form in its four uses: a new date, the user's own info, the ideal partner
// and an existing date. Plain C++ over the record; the window reads and writes controls.
#pragma once
#include <string>
#include <vector>

#include "kismora/date_profile.h"
#include "shell/seams.h"

namespace kismora {

enum class ProfileKind { NewDate = 200, Personal = 300, Selection = 500, EditDate = 600 };

const char* ProfileCaption(ProfileKind kind);

class ProfileForm {
public:
    // Reads the file the kind opens with (for an existing date, `dateName`'s file).
    ProfileForm(shell::Services& services, ProfileKind kind, const std::string& dateName = {});

    shell::Services& services;
    ProfileKind kind;
    DateProfile record;
    // The names of the dates saved while the form was open, in order, each once.
    std::vector<std::string> savedNames;

    // Checks and writes the record; true when it was written.
    bool Save();
    void Picture();
    void Help();
};

}  // namespace kismora
