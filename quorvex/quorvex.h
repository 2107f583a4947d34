// Quorvex's portfolio and odds: the record on screen, the list of securities, and what
// each button does with them. Talks to the user only through the Ui seam.
#pragma once
#include <string>

#include "quorvex/portfolio_item.h"
#include "quorvex/portfolio_list.h"
#include "shell/seams.h"
#include "shell/copyright.h"

namespace quorvex {

extern const char* const kCaption;       // "QUORVEX"
extern const char* const kProgramTitle;  // the window title and the About box's first line
using shell::kCopyrightLine;

// The question of Add and Odds that shows the item back.
std::string ConfirmationText(const PortfolioItem& item);

class Quorvex {
public:
    explicit Quorvex(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;
    PortfolioItem item;
    PortfolioNames names;

    // Each button after the window has read its fields. Add, Save and Delete: true when
    // the fields changed and should be shown again; Odds: true when the reading was given.
    bool Add();
    bool Save();
    bool Delete();
    void Clear();
    bool Odds();
    void Help();
    // Loads the item of a list entry.
    bool Open(const std::string& entry);
    // The list takes the names of Portfolio.ini again.
    void ReloadNames();

    // The checks every button but Clear and Help runs first; the first failure speaks.
    bool Validate();
    bool Confirm();

    std::string folder() const;  // the portfolio folder, with a trailing '/'
    std::string itemPath(const std::string& name) const;

private:
    [[nodiscard]] bool writeNames();
    void deleteItemFile(const std::string& name);
    void offerReport(const std::string& text);
};

}  // namespace quorvex
