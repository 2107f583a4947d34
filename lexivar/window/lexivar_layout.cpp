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
};

// First name, last name and a date as "MM", "DD", "YY".
void fillPersonGroup(QGroupBox* group, ControlId firstId, ControlId lastId, const DateIds& date)
{
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    QLineEdit* first = makeEdit(group, firstId, "enter first name here");
    QLineEdit* last = makeEdit(group, lastId, "enter last name here");
    grid->addWidget(makeLabel(group, "First Name", first), 0, 0);
    grid->addWidget(first, 0, 1, 1, 6);
    grid->addWidget(makeLabel(group, "Last Name", last), 1, 0);
    grid->addWidget(last, 1, 1, 1, 6);
    const struct {
        const char* label;
        ControlId id;
        const char* tip;
        int width;
    } parts[] = {
        {"MM", date.month, date.monthTip, 3}, {"DD", date.day, date.dayTip, 3}, {"YY", date.year, date.yearTip, 5}};
    int column = 0;
    for (const auto& part : parts) {
        QLineEdit* edit = makeEdit(group, part.id, part.tip);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(part.width, '0')) + 10);
        grid->addWidget(makeLabel(group, part.label, edit), 2, column++, Qt::AlignRight);
        grid->addWidget(edit, 2, column++, Qt::AlignLeft);
    }
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
        ControlId id;
        Flag flag;
        const char* caption;
        const char* tip;
        const char* symbol;
        QColor colour;
    } toggles[] = {
        {kLetterId, Letter, "Letter", "select if letter", "\u2709", QColor(40, 60, 140)},
        {kPersonalId, Personal, "Personal", "select if personal", "\u2665", QColor(170, 30, 50)},
        {kBusinessId, Business, "Business", "select if business", "$", QColor(20, 110, 40)},
        {kFriendId, Friend, "Friend", "select if from a friend", "\u263A", QColor(180, 120, 0)},
        {kFoeId, Foe, "Foe", "select if from a foe", "\u2639", QColor(90, 30, 30)},
        {kCoworkerId, Coworker, "Coworker", "select if from a coworker", "\u2692", QColor(70, 70, 70)},
    };
    int i = 0;
    for (const auto& t : toggles) {
        const int row = (i / 3) * 2, column = i % 3;
        ++i;
        grid->addWidget(picture(group, QString::fromUtf8(t.symbol), t.colour), row, column);
        QPushButton* toggle = makeButton(group, t.id, t.caption, t.tip);
        toggle->setCheckable(true);
        const Flag flag = t.flag;
        connect(toggle, &QPushButton::toggled, this, [this, flag](bool on) { core_.data.flags[flag] = on; });
        grid->addWidget(toggle, row + 1, column);
    }
    grid->addWidget(shell::makeDropDown(group, kClueId, "select a clue here", shell::listItems(kClues)), 4, 0, 1, 3);
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
    message_->setTabChangesFocus(true);
    message_->setMinimumHeight(60);
    layout->addWidget(message_, 0, 0);
    progress_ = new QProgressBar(group);
    progress_->setObjectName(QString::number(kProgressId));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    layout->addWidget(progress_, 1, 0);

    auto* side = new QVBoxLayout;
    side->setSpacing(2);
    side->addWidget(logo(group));
    auto add = [&](ControlId id, const char* caption, const char* tip, void (LexivarWindow::*handler)()) {
        QPushButton* button = makeButton(group, id, caption, tip);
        connect(button, &QPushButton::clicked, this, handler);
        side->addWidget(button);
        return button;
    };
    add(kCopyId, "&COPY", "copy message", &LexivarWindow::copyMessage);
    add(kPasteId, "&PASTE", "paste message", &LexivarWindow::pasteMessage);
    add(kDecodeId, "&DECODE", "decode message", &LexivarWindow::decode)->setDefault(true);
    add(kHelpId, "&HELP", "help", &LexivarWindow::helpRequested);
    add(kExitId, "&EXIT", "", &LexivarWindow::reject);
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
    fillPersonGroup(personal, kRecipientFirstId, kRecipientLastId,
                    {kBirthMonthId, kBirthDayId, kBirthYearId, "enter birth month here", "enter birth day here",
                     "enter birth year here"});
    auto* from = new QGroupBox("  Message From", this);
    fillPersonGroup(from, kSenderFirstId, kSenderLastId,
                    {kSelectedMonthId, kSelectedDayId, kSelectedYearId, "select month here", "select day here",
                     "select year here"});
    layout->addWidget(personal, 0, 0);
    layout->addWidget(from, 1, 0);
    layout->addWidget(messageInfoGroup(), 0, 1, 2, 1);
    layout->addWidget(messageGroup(), 2, 0, 1, 2);
    layout->setRowStretch(2, 1);

    resize(525, 465);
}

}  // namespace lexivar
