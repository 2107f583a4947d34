#include "lexivar/window/lexivar_window.h"

#include <QProgressBar>

#include "lexivar/saved_inputs.h"
#include "shell/gui/limited_text_edit.h"
#include "shell/copyright.h"

namespace lexivar {

using shell::Field;

const shell::HelpSpec kLexivarHelp = {
    "lexivar.hlp", "LEXIVAR HELP",
    "Enter the first and last names of both individuals: the person who received the message "
    "(first individual) and the person who sent it (second individual). Enter the recipient's "
    "birthday and the date the message was delivered, select a clue from the list and select the "
    "properties that describe the message (Letter, Personal, Business, Friend, Foe, Coworker). "
    "Type or paste the message into the message box and then click DECODE."};

LexivarWindow::LexivarWindow(shell::Services& services) :
    RecordWindow(services, {"&About Lexivar 2000", "Lexivar 2000", QString("Lexivar 2000\n") + shell::kCopyrightLine},
                 "Lexivar")
{
    LexivarData& d = core_.data;
    kSavedInputs.load(services.paths, d);

    setWindowTitle("Lexivar 2000");
    setMaximiseGeometry({100, 100, 525, 465});
    buildLayout();
    setFields({
        Field::text(kRecipientFirstId, d.recipientFirst, 50),
        Field::text(kRecipientLastId, d.recipientLast, 80),
        Field::number(kBirthMonthId, d.birthday.month, 1, 12),
        Field::number(kBirthDayId, d.birthday.day, 1, 31),
        Field::number(kBirthYearId, d.birthday.year, kFirstYear, kLastYear),
        Field::text(kSenderFirstId, d.senderFirst, 50),
        Field::text(kSenderLastId, d.senderLast, 80),
        Field::number(kSelectedMonthId, d.selected.month, 1, 12),
        Field::number(kSelectedDayId, d.selected.day, 1, 31),
        Field::number(kSelectedYearId, d.selected.year, kFirstYear, kLastYear),
        Field::text(kClueId, d.clue, 80),
        Field::text(kMessageId, d.message, 50000),
    });
    writeFields();
    core_.showProgress = [this](int value) { showProgress(value); };
}

void LexivarWindow::showProgress(int value)
{
    progress_->setValue(value);
    progress_->repaint();
}

void LexivarWindow::helpRequested()
{
    shell::showHelp(services(), kLexivarHelp);
}

bool LexivarWindow::inputsFitToKeep()
{
    // The message is never saved; it is dropped from the record even when a bad date
    // keeps the window open (the box still shows it).
    core_.data.message.clear();
    return core_.DatesValid();
}

void LexivarWindow::saveInputs()
{
    kSavedInputs.save(services().paths, core_.data);
}

}  // namespace lexivar
