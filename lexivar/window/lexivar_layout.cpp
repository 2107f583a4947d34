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
#include "shell/gui/limited_text_edit.h"

namespace lexivar {

using shell::makeButton;
using shell::makeEdit;

namespace {

struct DateIds {
    int month, day, year;
    const char *monthTip, *dayTip, *yearTip;
};

QLabel* labelFor(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// First name, last name and a date as "MM", "DD", "YY".
void fillPersonGroup(QGroupBox* group, int firstId, int lastId, const DateIds& date)
{
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    QLineEdit* first = makeEdit(group, firstId, "enter first name here");
    QLineEdit* last = makeEdit(group, lastId, "enter last name here");
    grid->addWidget(labelFor(group, "First Name", first), 0, 0);
    grid->addWidget(first, 0, 1, 1, 6);
    grid->addWidget(labelFor(group, "Last Name", last), 1, 0);
    grid->addWidget(last, 1, 1, 1, 6);
    const struct {
        const char* label;
        int id;
        const char* tip;
        int width;
    } parts[] = {
        {"MM", date.month, date.monthTip, 3}, {"DD", date.day, date.dayTip, 3}, {"YY", date.year, date.yearTip, 5}};
    int column = 0;
    for (const auto& part : parts) {
        QLineEdit* edit = makeEdit(group, part.id, part.tip);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(part.width, '0')) + 10);
        grid->addWidget(labelFor(group, part.label, edit), 2, column++, Qt::AlignRight);
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
    painter.setPen(colour);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, symbol);
    painter.end();
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGroupBox* messageInfoGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Message Info", parent);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(2);
    const struct {
        int id;
        const char* caption;
        const char* tip;
        const char* symbol;
        QColor colour;
    } toggles[] = {
        {1006, "Letter", "select if letter", "\u2709", QColor(40, 60, 140)},
        {1009, "Personal", "select if personal", "\u2665", QColor(170, 30, 50)},
        {1010, "Business", "select if business", "$", QColor(20, 110, 40)},
        {1020, "Friend", "select if from a friend", "\u263A", QColor(180, 120, 0)},
        {1021, "Foe", "select if from a foe", "\u2639", QColor(90, 30, 30)},
        {1022, "Coworker", "select if from a coworker", "\u2692", QColor(70, 70, 70)},
    };
    for (int i = 0; i < 6; ++i) {
        const int row = (i / 3) * 2, column = i % 3;
        grid->addWidget(picture(group, QString::fromUtf8(toggles[i].symbol), toggles[i].colour), row, column);
        QPushButton* toggle = makeButton(group, toggles[i].id, toggles[i].caption, toggles[i].tip);
        toggle->setCheckable(true);
        grid->addWidget(toggle, row + 1, column);
    }
    QStringList clues;
    for (const char* clue : kClues)
        clues << clue;
    grid->addWidget(shell::makeDropDown(group, 1023, "select a clue here", clues), 4, 0, 1, 3);
    return group;
}

QLabel* logo(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(shell::programIcon('L', QColor(20, 90, 110)).pixmap(36, 36));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

void LexivarWindow::buildLayout()
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* personal = new QGroupBox("  Personal Info", this);
    fillPersonGroup(personal, 1007, 1008,
                    {1000, 1001, 1002, "enter birth month here", "enter birth day here", "enter birth year here"});
    auto* from = new QGroupBox("  Message From", this);
    fillPersonGroup(from, 1018, 1019, {1003, 1004, 1005, "select month here", "select day here", "select year here"});
    layout->addWidget(personal, 0, 0);
    layout->addWidget(from, 1, 0);
    layout->addWidget(messageInfoGroup(this), 0, 1, 2, 1);

    auto* messageGroup = new QGroupBox("  Message", this);
    auto* messageLayout = new QGridLayout(messageGroup);
    messageLayout->setContentsMargins(6, 4, 6, 6);
    auto* message = new shell::LimitedTextEdit(messageGroup);
    message->setObjectName(QString::number(kMessageId));
    message->setToolTip("enter message here");
    message->setTabChangesFocus(true);
    message->setMinimumHeight(60);
    messageLayout->addWidget(message, 0, 0);
    progress_ = new QProgressBar(messageGroup);
    progress_->setObjectName(QString::number(kProgressId));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    messageLayout->addWidget(progress_, 1, 0);

    auto* side = new QVBoxLayout;
    side->setSpacing(2);
    side->addWidget(logo(messageGroup));
    side->addWidget(makeButton(messageGroup, kCopyId, "&COPY", "copy message"));
    side->addWidget(makeButton(messageGroup, kPasteId, "&PASTE", "paste message"));
    QPushButton* decode = makeButton(messageGroup, kDecodeId, "&DECODE", "decode message");
    decode->setDefault(true);
    side->addWidget(decode);
    side->addWidget(makeButton(messageGroup, kHelpId, "&HELP", "help"));
    side->addWidget(makeButton(messageGroup, kExitId, "&EXIT", ""));
    side->addStretch(1);
    messageLayout->addLayout(side, 0, 1, 2, 1);
    layout->addWidget(messageGroup, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);

    resize(525, 465);
}

}  // namespace lexivar
