#include "lexivar/window/lexivar_window.h"

#include <new>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>

#include "lexivar/saved_inputs.h"

namespace lexivar {

using shell::Field;

const shell::HelpSpec kLexivarHelp = {
    "lexivar.hlp", "LEXIVAR HELP",
    "Enter the first and last names of both individuals: the person who received the message "
    "(first individual) and the person who sent it (second individual). Enter the recipient's "
    "birthday and the date the message was delivered, select a clue from the list and select the "
    "properties that describe the message (Letter, Personal, Business, Friend, Foe, Coworker). "
    "Type or paste the message into the message box and then click DECODE."};

static const char* const kPromptCaption = "Lexivar";

LexivarWindow::LexivarWindow(shell::Services& services) :
    ProgramDialog(services, {"&About Lexivar 2000", "Lexivar 2000",
                             "Lexivar 2000\nCopyright (C) 2000-2026 Mystorin. For entertainment purposes only."}),
    core_(services)
{
    LexivarData& d = core_.data;
    loadSavedInputs(services.paths, d);
    fields_ = {
        Field::text(1007, d.recipientFirst, 50),
        Field::text(1008, d.recipientLast, 80),
        Field::number(1000, d.birthday.month, 1, 12),
        Field::number(1001, d.birthday.day, 1, 31),
        Field::number(1002, d.birthday.year, 1800, 2099),
        Field::text(1018, d.senderFirst, 50),
        Field::text(1019, d.senderLast, 80),
        Field::number(1003, d.selected.month, 1, 12),
        Field::number(1004, d.selected.day, 1, 31),
        Field::number(1005, d.selected.year, 1800, 2099),
        Field::text(1023, d.clue, 80),
        Field::text(kMessageId, d.message, 50000),
    };

    setWindowTitle("Lexivar 2000");
    setWindowIcon(shell::programIcon('L', QColor(20, 90, 110)));
    setMaximiseGeometry({100, 100, 525, 465});
    buildLayout();
    shell::applyLimits(*this, fields_);
    writeFields();
    core_.showProgress = [this](int value) { showProgress(value); };

    static const int kFlagIds[FlagCount] = {1006, 1009, 1010, 1020, 1021, 1022};
    for (int flag = 0; flag < FlagCount; ++flag) {
        auto* toggle = qobject_cast<QPushButton*>(shell::control(*this, kFlagIds[flag]));
        connect(toggle, &QPushButton::toggled, this, [this, flag](bool on) { core_.data.flags[flag] = on; });
    }
    auto button = [this](int id) { return qobject_cast<QPushButton*>(shell::control(*this, id)); };
    connect(button(kCopyId), &QPushButton::clicked, this, &LexivarWindow::copyMessage);
    connect(button(kPasteId), &QPushButton::clicked, this, &LexivarWindow::pasteMessage);
    connect(button(kDecodeId), &QPushButton::clicked, this, &LexivarWindow::decode);
    connect(button(kHelpId), &QPushButton::clicked, this, &LexivarWindow::helpRequested);
    connect(button(kExitId), &QPushButton::clicked, this, &LexivarWindow::reject);
}

void LexivarWindow::readFields()
{
    shell::readControls(*this, fields_, core_.ui, kPromptCaption);
}

void LexivarWindow::writeFields()
{
    shell::writeControls(*this, fields_);
}

void LexivarWindow::showProgress(int value)
{
    progress_->setValue(value);
    progress_->repaint();
}

void LexivarWindow::copyMessage()
{
    readFields();
    // What the box shows, even when a refused number kept the record from being read.
    const QWidget* message = shell::control(*this, kMessageId);
    QGuiApplication::clipboard()->setText(QString::fromStdString(shell::controlText(*message)));
}

void LexivarWindow::pasteMessage()
{
    readFields();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText())
        return;
    try {
        core_.data.message = clip->text().toStdString();
    } catch (const std::bad_alloc&) {
        core_.ui.stop("LEXIVAR", "Out of memory!");
        return;
    }
    writeFields();
}

void LexivarWindow::decode()
{
    readFields();
    if (core_.Decode())
        writeFields();
}

void LexivarWindow::helpRequested()
{
    shell::showHelp(services(), kLexivarHelp);
}

void LexivarWindow::reject()
{
    readFields();
    core_.data.message.clear();  // never saved; the box keeps showing it if the window stays
    if (!core_.DatesValid())
        return;
    saveSavedInputs(services().paths, core_.data);
    ProgramDialog::reject();
}

}  // namespace lexivar
