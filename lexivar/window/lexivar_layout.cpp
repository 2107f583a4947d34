// The main window's groups, controls, ids and tooltips.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "lexivar/window/lexivar_window.h"
#include "shell/gui/contrast.h"
#include "shell/gui/date_edits.h"
#include "shell/gui/decoration.h"
#include "shell/gui/limited_text_edit.h"

namespace lexivar {

using shell::makeButton;
using shell::makeEdit;
using shell::makeLabel;

namespace {

struct DateIds {
    ControlId month, day, year;
    const char *monthTip, *dayTip, *yearTip;
    QString date;  // what the date is, for the names of its fields
};

// First name, last name and a date as "MM", "DD", "YY".
void fillPersonGroup(QGroupBox* group, ControlId firstId, ControlId lastId, const QString& person, const DateIds& date)
{
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    QLineEdit* first = makeEdit(group, firstId, "enter first name here", person + "'s first name");
    QLineEdit* last = makeEdit(group, lastId, "enter last name here", person + "'s last name");
    grid->addWidget(makeLabel(group, "First Name", first), 0, 0);
    grid->addWidget(first, 0, 1, 1, 6);
    grid->addWidget(makeLabel(group, "Last Name", last), 1, 0);
    grid->addWidget(last, 1, 1, 1, 6);
    const shell::DateEdits edits = shell::makeDateEdits(
        group, {{{date.month, date.monthTip, 3}, {date.day, date.dayTip, 3}, {date.year, date.yearTip, 5}}}, date.date,
        10);
    shell::addDateToGrid(grid, 2, 0, edits, {"MM", "DD", "YY"});
    grid->setColumnStretch(6, 1);
}

// A small picture above each message-info toggle, drawn from a symbol.
QLabel* picture(QWidget* parent, const QString& symbol, QColor colour)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(19);
    painter.setFont(font);
    painter.setPen(shell::onWindow(colour, parent->palette()));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, symbol);
    painter.end();
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* logo(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(shell::programIcon('L', QColor(20, 90, 110)).pixmap(36, 36));
    shell::markAsDecoration(label);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

QGroupBox* LexivarWindow::messageInfoGroup()
{
    auto* group = new QGroupBox("Message Info", this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(2);
    const struct {
        ControlId id{};
        Flag flag{};
        const char* caption = nullptr;
        const char* tip = nullptr;
        const char* symbol = nullptr;
        QColor colour;
        const char* name = nullptr;
    } toggles[] = {
        {kLetterId, Letter, "Letter", "select if letter", "\u2709", QColor(40, 60, 140), "The message is a letter"},
        {kPersonalId, Personal, "Personal", "select if personal", "\u2665", QColor(170, 30, 50),
         "The message is personal"},
        {kBusinessId, Business, "Business", "select if business", "$", QColor(20, 110, 40), "The message is business"},
        {kFriendId, Friend, "Friend", "select if from a friend", "\u263A", QColor(180, 120, 0),
         "The message is from a friend"},
        {kFoeId, Foe, "Foe", "select if from a foe", "\u2639", QColor(90, 30, 30), "The message is from a foe"},
        {kCoworkerId, Coworker, "Coworker", "select if from a coworker", "\u2692", QColor(70, 70, 70),
         "The message is from a coworker"},
    };
    int i = 0;
    for (const auto& t : toggles) {
        const int row = (i / 3) * 2, column = i % 3;
        ++i;
        grid->addWidget(picture(group, QString::fromUtf8(t.symbol), t.colour), row, column);
        QPushButton* toggle = makeButton(group, t.id, t.caption, t.tip, t.name);
        toggle->setCheckable(true);
        const Flag flag = t.flag;
        connect(toggle, &QPushButton::toggled, this, [this, flag](bool on) { core_.data.flags[flag] = on; });
        grid->addWidget(toggle, row + 1, column);
    }
    grid->addWidget(shell::makeDropDown(group, kClueId, "select a clue here", "Clue", shell::listItems(kClues)), 4, 0,
                    1, 3);
    return group;
}

QGroupBox* LexivarWindow::messageGroup()
{
    auto* group = new QGroupBox("  Message", this);
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 4, 6, 6);
    message_ = new shell::LimitedTextEdit(group);
    message_->setObjectName(QString::number(kMessageId));
    message_->setToolTip("enter message here");
    shell::nameControl(message_, "Message");
    message_->setTabChangesFocus(true);
    message_->setMinimumHeight(60);
    layout->addWidget(message_, 0, 0);
    progress_ = new QProgressBar(group);
    progress_->setObjectName(QString::number(kProgressId));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    shell::nameControl(progress_, "Decoding progress");
    layout->addWidget(progress_, 1, 0);

    auto* side = new QVBoxLayout;
    side->setSpacing(2);
    side->addWidget(logo(group));
    auto add = [&](ControlId id, const char* caption, const char* tip, const char* name, auto handler) {
        QPushButton* button = makeButton(group, id, caption, tip, name);
        connect(button, &QPushButton::clicked, this, handler);
        side->addWidget(button);
        return button;
    };
    add(kCopyId, "&COPY", "copy message", "Copy message", [this] { copyMessageFrom(*message_); });
    add(kPasteId, "&PASTE", "paste message", "Paste message",
        [this] { pasteMessageInto(core_.data.message, "LEXIVAR"); });
    add(kDecodeId, "&DECODE", "decode message", "Decode message", [this] { run(&Lexivar::Decode); })->setDefault(true);
    add(kHelpId, "&HELP", "help", "Help", &LexivarWindow::helpRequested);
    add(kExitId, "&EXIT", "", "Exit", &LexivarWindow::reject);
    side->addStretch(1);
    layout->addLayout(side, 0, 1, 2, 1);
    return group;
}

void LexivarWindow::buildLayout()
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* personal = new QGroupBox("  Personal Info", this);
    fillPersonGroup(personal, kRecipientFirstId, kRecipientLastId, "Recipient",
                    {kBirthMonthId, kBirthDayId, kBirthYearId, "enter birth month here", "enter birth day here",
                     "enter birth year here", "Recipient's birthday"});
    auto* from = new QGroupBox("  Message From", this);
    fillPersonGroup(from, kSenderFirstId, kSenderLastId, "Sender",
                    {kSelectedMonthId, kSelectedDayId, kSelectedYearId, "select month here", "select day here",
                     "select year here", "Delivery date"});
    layout->addWidget(personal, 0, 0);
    layout->addWidget(from, 1, 0);
    layout->addWidget(messageInfoGroup(), 0, 1, 2, 1);
    layout->addWidget(messageGroup(), 2, 0, 1, 2);
    layout->setRowStretch(2, 1);

    resize(525, 465);
}

}  // namespace lexivar
