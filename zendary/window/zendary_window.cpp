#include "zendary/window/zendary_window.h"

#include <QAbstractButton>
#include <QRadioButton>

#include "numerology/dates.h"
#include "zendary/window/reading_buttons.h"
#include "shell/profile.h"

namespace zendary {

using shell::Field;

const shell::HelpSpec kZendaryHelp = {
    "Zdr.hlp", "ZENDARY HELP",
    "Enter all birthdays and change the current date if necessary. If you don't know any of the required "
    "items, make your best guess. For detailed instructions on how to use Zendary please run Help.\n\n"
    "Home page: https://mystorin.example/zendary\n"
    "Copyright (C) 2000-2026 Mystorin. For entertainment purposes only."};

static const char* const kProgramCaption = "Zendary";

ZendaryWindow::ZendaryWindow(shell::Services& services) :
    ProgramDialog(services, {"&About Zendary 2000", "COPYRIGHT",
                             "Zendary 2000\nCopyright (C) 2000-2026 Mystorin. For entertainment purposes only."}),
    core_(services)
{
    PersonalData& d = core_.data;
    fields_ = {
        Field::number(1024, d.own.month, 1, 12),
        Field::number(1025, d.own.day, 1, 31),
        Field::number(1026, d.own.year, 1800, 2099),
        Field::number(1027, d.mother.month, 1, 12),
        Field::number(1029, d.mother.day, 1, 31),
        Field::number(1030, d.mother.year, 1800, 2099),
        Field::number(1031, d.father.month, 1, 12),
        Field::number(1032, d.father.day, 1, 31),
        Field::number(1033, d.father.year, 1800, 2099),
        Field::number(1034, d.selected.month, 1, 12),
        Field::number(1035, d.selected.day, 1, 31),
        Field::number(1036, d.selected.year, 1800, 2099),
        Field::text(1071, d.dream, 50),
        Field::text(1002, d.occupation, 55),
        Field::number(1076, d.pastYear, 0, 9000),
        Field::number(1079, d.pastAge, 0, 99),
        Field::text(1020, d.superstition, 100),
        Field::text(1014, d.clue, 55),
        Field::text(1094, d.message, 50000),
        Field::text(1110, d.firstName, 75),
        Field::text(1111, d.secondName, 75),
        Field::number(1038, d.first.month, 1, 12),
        Field::number(1105, d.first.day, 1, 31),
        Field::number(1106, d.first.year, 1800, 2099),
        Field::number(1107, d.second.month, 1, 12),
        Field::number(1108, d.second.day, 1, 31),
        Field::number(1109, d.second.year, 1800, 2099),
        Field::text(1104, d.number, 25),
        Field::text(1006, d.color, 25),
        Field::text(1007, d.shape, 25),
        Field::text(1116, d.nameYearName, 50),
        Field::text(1118, d.petName, 50),
        Field::text(1120, d.spellName, 80),
        Field::text(1122, d.team1, 80),
        Field::text(1123, d.team2, 80),
    };
    loadBirthdays();
    core_.rememberDates();

    setWindowTitle("Zendary 2000");
    setWindowIcon(shell::programIcon(QChar(0x2605), QColor(60, 40, 140)));
    buildLayout();
    shell::applyLimits(*this, fields_);
    writeFields();

    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        bool isId = false;
        const int id = button->objectName().toInt(&isId);
        if (isId && !qobject_cast<QRadioButton*>(button))
            connect(button, &QAbstractButton::clicked, this, [this, id] { onButton(id); });
    }
    // Choosing an era reads the fields, sets the era and writes the fields back.
    for (const auto& [id, era] : {std::pair{1077, Era::AD}, std::pair{1078, Era::BC}}) {
        connect(qobject_cast<QRadioButton*>(shell::control(*this, id)), &QRadioButton::clicked, this,
                [this, era = era] {
                    readFields();
                    core_.era = era;
                    writeFields();
                });
    }
}

void ZendaryWindow::readFields()
{
    shell::readControls(*this, fields_, core_.ui, kProgramCaption);
}

void ZendaryWindow::writeFields()
{
    shell::writeControls(*this, fields_);
}

void ZendaryWindow::onButton(int id)
{
    if (id == 9)
        return helpRequested();
    for (const WindowButton& button : windowButtons()) {
        if (button.id == id) {
            button.run(*this);
            return;
        }
    }
    for (const ReadingButton& button : readingButtons()) {
        if (button.id == id) {
            readFields();
            if (button.run(core_))
                writeFields();
            return;
        }
    }
    core_.ui.info("ZENDARY", "This reading is not available yet.");
}

void ZendaryWindow::helpRequested()
{
    shell::showHelp(services(), kZendaryHelp);
}

void ZendaryWindow::reject()
{
    readFields();
    if (!core_.DatesValid())
        return;
    saveBirthdays();
    ProgramDialog::reject();
}

// The three birthdays are kept in the profile as "month day year".
static const char* const kBirthdayKeys[] = {"Birthdays/Own", "Birthdays/Mother", "Birthdays/Father"};

void ZendaryWindow::loadBirthdays()
{
    const auto profile = shell::openProfile(services().paths, "zendary");
    Date* dates[] = {&core_.data.own, &core_.data.mother, &core_.data.father};
    for (int i = 0; i < 3; ++i) {
        const QStringList parts = profile->value(kBirthdayKeys[i]).toString().split(' ', Qt::SkipEmptyParts);
        if (parts.size() != 3)
            continue;
        bool ok[3] = {};
        const Date date{parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
        // Only a date the exit path could have accepted replaces the start value.
        if (ok[0] && ok[1] && ok[2] && numerology::DateRule(date.month, date.day, date.year).ok)
            *dates[i] = date;
    }
}

void ZendaryWindow::saveBirthdays()
{
    const auto profile = shell::openProfile(services().paths, "zendary");
    const Date* dates[] = {&core_.data.own, &core_.data.mother, &core_.data.father};
    for (int i = 0; i < 3; ++i)
        profile->setValue(kBirthdayKeys[i],
                          QString("%1 %2 %3").arg(dates[i]->month).arg(dates[i]->day).arg(dates[i]->year));
    profile->sync();
}

}  // namespace zendary
