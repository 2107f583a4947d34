#include "kismora/date_book.h"

#include <algorithm>
#include <cstdio>

#include "kismora/kismora_files.h"
#include "shell/bounded_read.h"
#include "shell/file_log.h"
#include "shell/files.h"
#include "kismora/help_texts.h"

namespace kismora {

std::vector<std::string> LoadDateNames(const std::string& path)
{
    std::vector<std::string> names;
    for (std::string& line : shell::readFileLines(path, 100000, shell::kListFileBytes).value_or(names))
        if (!line.empty())
            names.push_back(std::move(line));
    return names;
}

std::string DateNamesFileText(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += shell::oneLine(name) + "\n";
    return text;
}

DateBook::DateBook(shell::Services& services) : services(services)
{
    Reload();
}

void DateBook::Reload()
{
    names = LoadDateNames(IndexPath(services.paths));
}

bool DateBook::DateChosen()
{
    if (names.empty()) {
        services.ui.stop(kCaption, "Your date book is empty.    ");
        return false;
    }
    if (selected.empty() || std::find(names.begin(), names.end(), selected) == names.end()) {
        services.ui.stop(kCaption, "Please select a date first.   ");
        return false;
    }
    return true;
}

void DateBook::AddDates(const std::vector<std::string>& saved)
{
    if (saved.empty())
        return;
    names.insert(names.end(), saved.begin(), saved.end());
    // Silent for the user, as the book has always been; the index is written again with
    // the next change.
    if (!writeIndex())
        qCInfo(mystorinFiles, "the date book's index was not updated with the dates kept");
}

bool DateBook::Delete(int row)
{
    if (!DateChosen())
        return false;
    if (!services.ui.askYesNo(kCaption, "Are you sure you want to delete " + selected + "?    "))
        return false;
    if (row < 0 || row >= int(names.size()) || names[row] != selected)
        return false;
    const std::string name = selected;
    names.erase(names.begin() + row);
    services.ui.info(kCaption, name + " was successfully deleted.    ");
    // Another entry of the same name shares the file; it goes with the one deleted. While
    // index.ini still lists the date (it could not be written), its file stays too.
    if (writeIndex())
        if (const auto path = DatePath(services.paths, name))
            std::remove(path->c_str());
    selected.clear();
    Reload();
    return true;
}

void DateBook::Help()
{
    services.ui.info(kHelpCaption, std::string(kDateBookHelp) + kCopyright);
}

bool DateBook::writeIndex()
{
    shell::makeFolder(KismoraFolder(services.paths));
    return shell::writeFileAtomically(IndexPath(services.paths), DateNamesFileText(names));
}

}  // namespace kismora
