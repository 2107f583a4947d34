#include "duovell/window/duovell_window.h"

#include "duovell/saved_inputs.h"
#include "pair/pair_report.h"
#include "shell/files.h"

namespace duovell {

using pairing::PairKind;
using shell::Field;

const shell::HelpSpec kDuovellHelp = {
    "duovell.hlp", "DUOVELL HELP",
    std::string("Enter all required data and change the current date if necessary.\n"
                "For detailed instructions on how to use Duovell please run Help.\n\n") +
        pairing::kCopyrightLine};

DuovellWindow::DuovellWindow(shell::Services& services) :
    RecordWindow(services, {"&About Duovell 2000", "Duovell 2000", QString("Duovell 2000\n") + pairing::kCopyrightLine},
                 "Duovell")
{
    pairing::PairRecord& r = core_.record;
    kSavedInputs.load(services.paths, r);

    setWindowTitle("Duovell 2000");
    setMaximiseGeometry({100, 100, 570, 418});
    buildLayout();
    addPrintReportEntry();
    // The order in which a button reads the controls; the check boxes follow their
    // flags as they are clicked.
    setFields({
        Field::number(kSelectedMonthId, r.selected.month, 1, 12),
        Field::number(kSelectedYearId, r.selected.year, kFirstYear, kLastYear),
        Field::number(kSelectedDayId, r.selected.day, 1, 31),
        Field::text(kFirstName1Id, r.one.firstName, 50),
        Field::text(kLastName1Id, r.one.lastName, 75),
        Field::number(kBirthMonth1Id, r.one.birthday.month, 1, 12),
        Field::number(kBirthYear1Id, r.one.birthday.year, kFirstYear, kLastYear),
        Field::number(kBirthDay1Id, r.one.birthday.day, 1, 31),
        Field::text(kFirstName2Id, r.two.firstName, 50),
        Field::text(kLastName2Id, r.two.lastName, 75),
        Field::number(kBirthMonth2Id, r.two.birthday.month, 1, 12),
        Field::number(kBirthYear2Id, r.two.birthday.year, kFirstYear, kLastYear),
        Field::number(kBirthDay2Id, r.two.birthday.day, 1, 31),
        Field::text(kEyes2Id, r.two.eyes, 25),
        Field::text(kHair1Id, r.one.hair, 25),
        Field::text(kEyes1Id, r.one.eyes, 25),
        Field::text(kHair2Id, r.two.hair, 25),
        Field::text(kActivityId, r.activity, 50),
    });
    writeFields();
}

void DuovellWindow::addFlag(QCheckBox* box, bool& flag)
{
    flags_.push_back({box, &flag});
    connect(box, &QCheckBox::toggled, this, [&flag](bool on) { flag = on; });
}

void DuovellWindow::writeExtras()
{
    for (const FlagBox& f : flags_)
        f.box->setChecked(*f.flag);
}

void DuovellWindow::pairReading(PairKind kind)
{
    run([kind](Duovell& duovell) { return duovell.PairReadingButton(kind); });
}

void DuovellWindow::accept()
{
    reading();
}

void DuovellWindow::saveInputs()
{
    kSavedInputs.save(services().paths, core_.record);
}

void DuovellWindow::helpRequested()
{
    shell::showHelp(services(), kDuovellHelp);
}

}  // namespace duovell
