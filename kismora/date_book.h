// The date book: the names of the dates met, in the order they were added, kept in
// index.ini one name a line, and what its buttons do with them.
#pragma once
#include <string>
#include <vector>

#include "shell/seams.h"

namespace kismora {

// The names of index.ini; empty lines are skipped, a missing file gives none.
std::vector<std::string> LoadDateNames(const std::string& path);
std::string DateNamesFileText(const std::vector<std::string>& names);

class DateBook {
public:
    explicit DateBook(shell::Services& services);

    shell::Services& services;
    std::vector<std::string> names;
    std::string selected;  // the name chosen in the list, "" for none

    void Reload();
    // Complains when the book is empty or no date is chosen; true when a date is.
    bool DateChosen();
    // Lists the dates a New Date form saved and writes index.ini.
    void AddDates(const std::vector<std::string>& saved);
    // Asks, then takes the entry at `row` out of the book and removes its profile file.
    bool Delete(int row);
    void Help();

private:
    [[nodiscard]] bool writeIndex();  // silent on failure, as the book has always been
};

}  // namespace kismora
