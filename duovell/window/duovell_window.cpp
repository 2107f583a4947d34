#include "duovell/window/duovell_window.h"

#include <QCheckBox>
#include <QPushButton>

#include "pair/pair_report.h"
#include "duovell/saved_inputs.h"
#include "shell/files.h"

namespace duovell {

using pairing::PairKind;
using shell::Field;

const shell::HelpSpec kDuovellHelp = {
    "duovell.hlp", "DUOVELL HELP",
    std::string("Enter all required data and change the current date if necessary.\n"
                "For detailed instructions on how to use Duovell please run Help.\n\n") +
        pairing::kCopyrightLine};

static const char* const kProgramCaption = "Duovell";

// The flag each check box drives.
static bool* flagOf(pairing::PairRecord& r, int id)
{
    switch (id) {
    case 1021: return &r.one.male;
    case 1020: return &r.one.single;
    case 1012: return &r.one.pets;
    case 1027: return &r.two.male;
    case 1026: return &r.two.single;
    case 1022: return &r.two.pets;
    }
    return nullptr;
}

static const int kCheckIds[] = {1021, 1020, 1012, 1027, 1026, 1022};

DuovellWindow::DuovellWindow(shell::Services& services) :
    ProgramDialog(services,
                  {"&About Duovell 2000", "Duovell 2000", QString("Duovell 2000\n") + pairing::kCopyrightLine}),
    core_(services)
{
    pairing::PairRecord& r = core_.record;
    // The order in which a button reads the controls; the check boxes follow their
    // flags as they are clicked.
    fields_ = {
        Field::number(1000, r.selected.month, 1, 12),
        Field::number(1002, r.selected.year, 1800, 2099),
        Field::number(1001, r.selected.day, 1, 31),
        Field::text(1005, r.one.firstName, 50),
        Field::text(1006, r.one.lastName, 75),
        Field::number(1007, r.one.birthday.month, 1, 12),
        Field::number(1009, r.one.birthday.year, 1800, 2099),
        Field::number(1008, r.one.birthday.day, 1, 31),
        Field::text(1015, r.two.firstName, 50),
        Field::text(1016, r.two.lastName, 75),
        Field::number(1017, r.two.birthday.month, 1, 12),
        Field::number(1019, r.two.birthday.year, 1800, 2099),
        Field::number(1018, r.two.birthday.day, 1, 31),
        Field::text(1024, r.two.eyes, 25),
        Field::text(1013, r.one.hair, 25),
        Field::text(1014, r.one.eyes, 25),
        Field::text(1023, r.two.hair, 25),
        Field::text(1025, r.activity, 50),
    };
    LoadSavedInputs(services.paths.data(kSavedInputsFile), r);

    setWindowTitle("Duovell 2000");
    setWindowIcon(shell::programIcon('D', QColor(170, 30, 90)));
    setMaximiseGeometry({100, 100, 570, 418});
    buildLayout();
    shell::applyLimits(*this, fields_);
    writeFields();

    for (int id : kCheckIds) {
        auto* check = qobject_cast<QCheckBox*>(shell::control(*this, id));
        connect(check, &QCheckBox::toggled, this, [this, id](bool on) { *flagOf(core_.record, id) = on; });
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        bool isId = false;
        const int id = button->objectName().toInt(&isId);
        if (isId)
            connect(button, &QPushButton::clicked, this, [this, id] { onButton(id); });
    }
}

void DuovellWindow::readFields()
{
    // A bad number has been prompted for; the button goes on with the record as it is.
    shell::readControls(*this, fields_, core_.ui, kProgramCaption);
}

void DuovellWindow::writeFields()
{
    shell::writeControls(*this, fields_);
    for (int id : kCheckIds)
        qobject_cast<QCheckBox*>(shell::control(*this, id))->setChecked(*flagOf(core_.record, id));
}

void DuovellWindow::onButton(int id)
{
    static const struct {
        int id;
        PairKind kind;
    } kReadings[] = {
        {1035, PairKind::Fortune},  {1036, PairKind::Regrets},    {1033, PairKind::Loyalty}, {1034, PairKind::Trust},
        {1031, PairKind::Business}, {1032, PairKind::Friendship}, {1029, PairKind::Love},    {1030, PairKind::Fate},
    };
    if (id == 1003)
        return helpRequested();
    if (id == 2)
        return reject();
    readFields();
    bool refresh = false;
    if (id == 1)
        refresh = core_.Reading();
    else if (id == 1028)
        refresh = core_.Report();
    for (const auto& reading : kReadings)
        if (reading.id == id)
            refresh = core_.PairReadingButton(reading.kind);
    if (refresh)
        writeFields();
}

void DuovellWindow::accept()
{
    onButton(1);
}

void DuovellWindow::reject()
{
    readFields();
    if (!core_.DatesValid())
        return;
    saveInputs();
    ProgramDialog::reject();
}

bool DuovellWindow::saveInputs()
{
    // A file that cannot be written is skipped without a word: the window still closes.
    shell::makeFolder(services().paths.dataDir());
    return shell::writeFileAtomically(services().paths.data(kSavedInputsFile), SavedInputsText(core_.record));
}

void DuovellWindow::helpRequested()
{
    shell::showHelp(services(), kDuovellHelp);
}

}  // namespace duovell
