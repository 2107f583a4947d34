#include "quorvex/quorvex.h"

#include <cerrno>
#include <cstdio>

#include "numerology/dates.h"
#include "quorvex/odds.h"
#include "shell/file_log.h"
#include "shell/files.h"

namespace quorvex {

const char* const kCaption = "QUORVEX";
const char* const kProgramTitle = "Quorvex 2000";

namespace {

const char* const kDateCaption = "DATE ERROR";
const char* const kFreeSpace = "Can not save. Please free some space first.   ";

// The day-of-month rule with this program's own wording.
bool dateValid(shell::Ui& ui, const numerology::Date& date)
{
    const numerology::DateCheck check = numerology::DateRule(date.month, date.day, date.year);
    if (check.ok)
        return true;
    if (check.message) {
        if (date.month == 2 && date.year % 4 == 0)
            ui.stop(kDateCaption, "There are only 29 days in February.\nPlease correct it and then try again.    ");
        else if (date.month == 2)
            ui.stop(kDateCaption, "There are only 28 days in February.\nPlease correct it and then try again.    ");
        else
            ui.stop(kDateCaption, "There are only 30 days in April, June, September, and November.\n"
                                  "Please correct it and then try again.");
    }
    return false;
}

std::string dateColumns(const numerology::Date& d)
{
    return std::to_string(d.month) + "  " + std::to_string(d.day) + "  " + std::to_string(d.year);
}

}  // namespace

std::string ConfirmationText(const PortfolioItem& i)
{
    return "Is this information accurate?   \n\nSelected Date:\t" + dateColumns(i.selected) + "\n" +
           "Security Name:\t" + i.security + "    \n" + "Security Type:\t" + i.type + "\n" + "Stock Exchange:\t" +
           i.exchange + "\n" + "Price Per Share:\t" + std::to_string(i.price) + "\n" + "Number of Shares:\t" +
           std::to_string(i.shares) + "\n\n" + "Investor's Name:\t" + i.investor + "    \n" + "Birthday:\t\t" +
           dateColumns(i.birthday) + "\n" + "Status:\t\t" + i.status + "\n" + "Account Type:\t" + i.account + "\n" +
           "Broker:\t\t" + i.broker + "    \n" + "Action:\t\t" + i.action + "\n";
}

Quorvex::Quorvex(shell::Services& services) : services(services), ui(services.ui)
{
    const shell::DateTime now = services.clock.now();
    item.selected = {now.month, now.day, now.year};
    // The list is filled at once, so that an Add before the list was ever visited
    // cannot rewrite Portfolio.ini with only the new name.
    ReloadNames();
}

std::string Quorvex::folder() const
{
    return services.paths.data("Portfolio/");
}

std::string Quorvex::itemPath(const std::string& name) const
{
    return folder() + name + ".txt";
}

void Quorvex::ReloadNames()
{
    names = LoadPortfolioNames(folder() + "Portfolio.ini");
}

bool Quorvex::writeNames()
{
    shell::makeFolder(folder());
    if (shell::writeFileAtomically(folder() + "Portfolio.ini", PortfolioFileText(names)))
        return true;
    ui.stop(kCaption, kFreeSpace);
    return false;
}

bool Quorvex::Validate()
{
    if (item.security.empty()) {
        ui.stop(kCaption, "Please enter name of the security.   ");
        return false;
    }
    // The name becomes a file name in the portfolio folder and must stay there.
    if (!shell::isSafeFileName(item.security)) {
        ui.stop(kCaption, "The security name can not contain / or \\ and can not be . or ..\n"
                          "Please enter another name.   ");
        return false;
    }
    if (!shell::fitsFileName(item.security + ".txt")) {
        ui.stop(kCaption, shell::nameTooLongMessage("security", item.security + ".txt"));
        return false;
    }
    if (item.price < kLowestPrice || item.price > kHighestPrice || item.shares < kFewestShares ||
        item.shares > kMostShares)
        return false;
    if (!dateValid(ui, item.birthday) || !dateValid(ui, item.selected))
        return false;
    const struct {
        const std::string& value;
        const char* message;
    } required[] = {
        {item.type, "Please select security type.   "},
        {item.investor, "Please enter investor's name.   "},
        {item.status, "Please enter investor's status.   "},
        {item.action, "Please select desired action.   "},
    };
    for (const auto& field : required) {
        if (field.value.empty()) {
            ui.stop(kCaption, field.message);
            return false;
        }
    }
    return true;
}

bool Quorvex::Confirm()
{
    if (ui.askYesNo(kCaption, ConfirmationText(item)))
        return true;
    ui.stop(kCaption, "Please correct any mistakes and try again.   ");
    return false;
}

bool Quorvex::Add()
{
    if (!Validate() || !Confirm())
        return false;
    if (FindByPrefix(names, item.security)) {
        ui.stop(kCaption, "Your portfolio already has this security.\n"
                          "To update it - edit any number of fields and click on the Save button.    ");
        return false;
    }
    // The item file comes first: a name is listed only when its item could be kept.
    shell::makeFolder(folder());
    if (!shell::writeFileAtomically(itemPath(item.security), ItemFileText(item))) {
        ui.stop(kCaption, kFreeSpace);
        return false;
    }
    names.push_back(item.security);
    if (!writeNames()) {
        names.pop_back();
        return false;
    }
    ui.info(kCaption, "Item was successfully added to your portfolio.   ");
    Clear();
    return true;
}

bool Quorvex::Save()
{
    if (!Validate())
        return false;
    if (!FindByPrefix(names, item.security)) {
        ui.stop(kCaption, "Can not save. Try to add the item to your portfolio first.   ");
        return false;
    }
    // A listed name typed in other letter case still means the listed item's file.
    const auto listed = FindExactly(names, item.security);
    const std::string name = listed ? names[*listed] : item.security;
    shell::makeFolder(folder());
    if (!shell::writeFileAtomically(itemPath(name), ItemFileText(item)))
        ui.stop(kCaption, kFreeSpace);
    return false;
}

bool Quorvex::Delete()
{
    if (!Validate())
        return false;
    // Only the entry of the security on screen is removed, together with its own file.
    const auto listed = FindExactly(names, item.security);
    if (!listed) {
        ui.stop(kCaption, "Item was not found in your portfolio.   ");
        return false;
    }
    if (!ui.askYesNo(kCaption, "Are you sure you want to delete this item from your portfolio?   "))
        return false;
    const std::string name = names[*listed];
    names.erase(names.begin() + std::ptrdiff_t(*listed));
    ui.info(kCaption, "Item was successfully removed from your portfolio.   ");
    deleteItemFile(name);
    Clear();
    // The item's file is gone either way; a names list that could not be written still
    // names it, and opening it then says it was not found.
    if (!writeNames())
        qCInfo(mystorinFiles, "the portfolio's list still names a removed item");
    return true;
}

void Quorvex::deleteItemFile(const std::string& name)
{
    if (std::remove(itemPath(name).c_str()) == 0)
        return;
    switch (errno) {
    case ENOENT:
    case ENOTDIR:  // a file stands where the folder should be: no such item file either
        ui.stop(kCaption, "Can't delete file from the disk. File not found.   ");
        break;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EROFS: ui.stop(kCaption, "Can't delete file from the disk. File is in use.   "); break;
    default: ui.stop(kCaption, "Can't delete file from the disk.   ");
    }
}

void Quorvex::Clear()
{
    for (std::string* text : {&item.security, &item.type, &item.exchange, &item.investor, &item.status, &item.account,
                              &item.broker, &item.action})
        text->clear();
    item.price = 1;
    item.shares = 100;
}

bool Quorvex::Open(const std::string& entry)
{
    if (entry.empty()) {
        ui.stop(kCaption, "Please select a portfolio item you want to open first.   ");
        return false;
    }
    const shell::DateTime now = services.clock.now();
    PortfolioItem loaded = item;
    if (!shell::isSafeFileName(entry) || !LoadItemFile(itemPath(entry), {now.month, now.day, now.year}, loaded)) {
        ui.stop(kCaption, "Portfolio Item does not exist. Try to save it first.   ");
        return false;
    }
    item = loaded;
    return true;
}

bool Quorvex::Odds()
{
    if (!Validate() || !Confirm())
        return false;
    const std::string text = OddsText(item);
    ui.info(kCaption, text);
    if (ui.askYesNo(kCaption, "Do you want to create a report?    "))
        offerReport(text);
    return true;
}

void Quorvex::Help()
{
    static const char* const kHelpText =
#include "resources/quorvex/help_text.inc"
        ;
    ui.info(kCaption, kHelpText);
}

void Quorvex::offerReport(const std::string& text)
{
    const std::string reports = folder() + "Reports/";
    const std::string path = reports + item.security + ".txt";
    shell::makeFolder(reports);
    const std::string footer = std::string(kProgramTitle) + " - " + kCopyrightLine + "\n";
    if (!shell::writeReport(services.reports, path, text + "\n\n" + footer)) {
        ui.stop(kCaption, "Report creation failed! Please make sure that the following directory exists:\n\n" +
                              reports +
                              "\n\nIf directory does not exist, please create it first and then try to create report "
                              "again.\nIf directory exists, please make sure you have free space on your hard drive.");
        return;
    }
    ui.info(kCaption, "REPORT WAS CREATED SUCCESSFULLY!\n" + std::string(36, '_') + "\n\n" + path + "    ");
    if (ui.askYesNo(kCaption, "Do you want to view your report right now?    "))
        services.opener.open(path);
}

}  // namespace quorvex
