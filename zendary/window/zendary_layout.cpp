// The main window's controls, ids, captions, groups and tooltips.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "zendary/lists.h"
#include "shell/gui/limited_text_edit.h"
#include "zendary/window/zendary_window.h"

namespace zendary {

using shell::makeButton;
using shell::makeDropDown;
using shell::makeEdit;

namespace {

struct ButtonRow {
    int id;
    const char* caption;
    const char* tooltip;
};

QStringList items(std::span<const char* const> list)
{
    QStringList out;
    for (const char* item : list)
        out << QString::fromUtf8(item);
    return out;
}

QLineEdit* dateEdit(QWidget* parent, int id, const char* tooltip)
{
    QLineEdit* edit = makeEdit(parent, id, tooltip);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("00000") + 10);
    return edit;
}

QHBoxLayout* buttonRow(QWidget* parent, std::initializer_list<ButtonRow> rows)
{
    auto* layout = new QHBoxLayout;
    layout->setSpacing(2);
    for (const ButtonRow& row : rows)
        layout->addWidget(makeButton(parent, row.id, row.caption, row.tooltip));
    return layout;
}

QGroupBox* datesGroup(QWidget* parent)
{
    auto* group = new QGroupBox(
        "Your Birthday              Your Mother's Birthday       Your Father's Birthday                Select Date",
        parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    struct Column {
        int ids[3];
        const char* tips[3];
        ButtonRow buttons[3];
    };
    const Column columns[] = {
        {{1024, 1025, 1026},
         {"your month of birth", "your day of birth", "your year of birth"},
         {{1080, "YNS", "your soul numbers"}, {1081, "MNS", "mother's numbers"}, {1082, "FNS", "father's numbers"}}},
        {{1027, 1029, 1030},
         {"mother's month of birth", "mother's day of birth", "mother's year of birth"},
         {{3, "LNS", "lucky numbers"}, {4, "UNS", "unlucky numbers"}, {5, "LPW", "life power"}}},
        {{1031, 1032, 1033},
         {"father's month of birth", "father's day of birth", "father's year of birth"},
         {{6, "PLK", "personal luck"}, {7, "BLK", "business luck"}, {8, "SPW", "spirit power"}}},
        {{1034, 1035, 1036}, {"selected month", "selected day", "selected year"}, {}},
    };
    const char* const labels[] = {"MM", "DD", "YY"};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 3; ++r) {
            auto* label = new QLabel(labels[r], group);
            QLineEdit* edit = dateEdit(group, columns[c].ids[r], columns[c].tips[r]);
            label->setBuddy(edit);
            grid->addWidget(label, r, c * 4);
            grid->addWidget(edit, r, c * 4 + 1);
            if (c < 3) {
                const ButtonRow& b = columns[c].buttons[r];
                grid->addWidget(makeButton(group, b.id, b.caption, b.tooltip), r, c * 4 + 2);
            }
        }
        grid->setColumnStretch(c * 4 + 3, 1);
    }
    return group;
}

QWidget* zodiacPictures(QWidget* parent)
{
    // Aquarius, Aries, Cancer, Capricorn, Gemini, Leo, Libra, Pisces, Sagittarius,
    // Scorpio, Taurus, Virgo: the order of the sign buttons below them.
    static const char16_t glyphs[] = u"\u2652\u2648\u264B\u2651\u264A\u264C\u264E\u2653\u2650\u264F\u2649\u264D";
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    QFont font("DejaVu Sans", 12);
    for (int i = 0; i < 12; ++i) {
        auto* picture = new QLabel(QString(QChar(glyphs[i])), row);
        picture->setObjectName(QString::number(146 + i));
        picture->setFont(font);
        picture->setAlignment(Qt::AlignCenter);
        picture->setStyleSheet("color: #3c288c;");
        layout->addWidget(picture, 1);
    }
    return row;
}

QGroupBox* pastLivesGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Past Lives Interpretations", parent);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    QRadioButton* bc = shell::makeRadio(group, 1078, "BC", "BC years");
    QRadioButton* ad = shell::makeRadio(group, 1077, "AD", "AD years");
    ad->setChecked(true);
    auto* top = new QHBoxLayout;
    top->addWidget(bc);
    top->addWidget(makeButton(group, 1075, "P LIVES", "past life reading"));
    top->addWidget(ad);
    grid->addLayout(top, 0, 0, 1, 2);
    QLineEdit* age = makeEdit(group, 1079, "enter a past life age here");
    QLineEdit* year = makeEdit(group, 1076, "enter a past life year here");
    for (QLineEdit* edit : {age, year})
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("000000") + 10);
    grid->addWidget(age, 1, 0);
    grid->addWidget(makeDropDown(group, 1002, "select a past life occupation here", items(occupationList())), 1, 1);
    grid->addWidget(year, 2, 0);
    grid->addWidget(makeDropDown(group, 1014, "select a past life clue here", items(clueList())), 2, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* dreamsGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Dreams, Names, Spells...", parent);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    grid->addWidget(makeButton(group, 1083, "SUS", "superstitions reading"), 0, 0);
    grid->addWidget(makeDropDown(group, 1020, "select a superstition here", items(superstitionList())), 0, 1);
    const struct {
        int button;
        const char* caption;
        const char* tip;
        int edit;
        const char* editTip;
    } rows[] = {
        {1072, "DRS", "dreams reading", 1071, "enter a dream here"},
        {1117, "NME", "name - year reading", 1116, "enter first name here"},
        {1119, "PTS", "pets reading", 1118, "enter pet's name here"},
        {1121, "SPS", "love spells", 1120, "enter first name here"},
    };
    int r = 1;
    for (const auto& row : rows) {
        grid->addWidget(makeButton(group, row.button, row.caption, row.tip), r, 0);
        grid->addWidget(makeEdit(group, row.edit, row.editTip), r++, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* soulmateGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Find your soulmate or check your friends", parent);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    const struct {
        int name, month, day, year;
    } people[] = {{1110, 1038, 1105, 1106}, {1111, 1107, 1108, 1109}};
    int r = 0;
    for (const auto& p : people) {
        grid->addWidget(makeEdit(group, p.name, "enter first and last name"), r++, 0, 1, 3);
        grid->addWidget(dateEdit(group, p.month, "month of birth"), r, 0);
        grid->addWidget(dateEdit(group, p.day, "date of birth"), r, 1);
        grid->addWidget(dateEdit(group, p.year, "year of birth"), r++, 2);
    }
    grid->addWidget(makeButton(group, 1114, "CRA", "soulmate - friends"), 0, 3);
    grid->addWidget(makeButton(group, 1093, "PMR", "palm reading"), 2, 3);
    return group;
}

QGroupBox* reportsGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Reports", parent);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(3);
    layout->addWidget(makeButton(group, 1115, "CRR", "soulmate - friends report"));
    layout->addWidget(makeButton(group, 1092, "NRR", "daily report"));
    layout->addWidget(makeButton(group, 1125, "&DEF", "death reading"));
    QPushButton* help = makeButton(group, 9, "HLP", "help");
    help->setDefault(true);
    layout->addWidget(help);
    return group;
}

QGroupBox* mentalGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Check your mental powers", parent);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    grid->addWidget(makeDropDown(group, 1104, "select number here", items(numberList())), 0, 0);
    grid->addWidget(makeDropDown(group, 1006, "select color here", items(colorList())), 0, 1);
    grid->addWidget(makeDropDown(group, 1007, "select shape here", items(shapeList())), 0, 2);
    const ButtonRow buttons[] = {
        {1098, "NEX", "mental power - numbers"},  {1099, "CEX", "mental power - colors"},
        {1100, "FEX", "mental power - shapes"},   {1101, "DEV", "develop mental powers"},
        {1102, "FTU", "fine-tune mental powers"}, {1103, "CIR", "check mental power"},
    };
    for (int i = 0; i < 6; ++i)
        grid->addWidget(makeButton(group, buttons[i].id, buttons[i].caption, buttons[i].tooltip), 1 + i / 3, i % 3);
    return group;
}

QGroupBox* sportsGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Sports! Check your favorite team's chances", parent);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(3);
    layout->addWidget(makeEdit(group, 1122, "enter first team here"));
    layout->addWidget(makeEdit(group, 1123, "enter second team here"));
    layout->addWidget(makeButton(group, 1124, "SNR", "sports numerology"));
    return group;
}

QGroupBox* messageGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Discover secrets hidden in any text message", parent);
    auto* layout = new QHBoxLayout(group);
    layout->setSpacing(3);
    auto* message = new shell::LimitedTextEdit(group);
    message->setObjectName("1094");
    message->setToolTip("enter any message here");
    message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    message->setTabChangesFocus(true);
    message->setMinimumHeight(40);
    layout->addWidget(message, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(makeButton(group, 1095, "CPY", "copy message to clipboard"));
    buttons->addWidget(makeButton(group, 1096, "PST", "paste in any message"));
    buttons->addWidget(makeButton(group, 1097, "DEC", "find hidden messages"));
    layout->addLayout(buttons);
    return group;
}

}  // namespace

void ZendaryWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 3, 5, 3);
    layout->setSpacing(1);
    layout->addWidget(datesGroup(this));
    layout->addLayout(buttonRow(this, {{1064, "LOV", "love reading"},
                                       {1065, "BOD", "body reading"},
                                       {1066, "WEA", "wealth reading"},
                                       {1067, "LIN", "links reading"},
                                       {1068, "TRA", "traits reading"},
                                       {1069, "COU", "couples reading"},
                                       {1070, "CAR", "career reading"},
                                       {1084, "GMS", "symbols and gems reading"},
                                       {1, "STS", "prediction for any day"},
                                       {1085, "EER", "evil eye reading"},
                                       {1089, "FDR", "fate reading"},
                                       {1091, "BLR", "blood type reading"}}));
    layout->addWidget(zodiacPictures(this));
    layout->addLayout(buttonRow(this, {{1050, "AQU", "aquarius"},
                                       {1051, "ARI", "aries"},
                                       {1052, "CAN", "cancer"},
                                       {1054, "CAP", "capricorn"},
                                       {1055, "GEM", "gemini"},
                                       {1058, "LEO", "leo"},
                                       {1056, "LIB", "libra"},
                                       {1059, "PIS", "pisces"},
                                       {1057, "SAG", "sagittarius"},
                                       {1061, "SCO", "scorpio"},
                                       {1062, "TAU", "taurus"},
                                       {1063, "VIR", "virgo"}}));
    auto* middle = new QHBoxLayout;
    middle->addWidget(pastLivesGroup(this), 1);
    middle->addWidget(dreamsGroup(this), 1);
    layout->addLayout(middle);
    auto* lower = new QHBoxLayout;
    lower->addWidget(soulmateGroup(this), 3);
    lower->addWidget(reportsGroup(this), 1);
    lower->addWidget(mentalGroup(this), 3);
    layout->addLayout(lower);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sportsGroup(this), 1);
    bottom->addWidget(messageGroup(this), 2);
    layout->addLayout(bottom);
    compact();
}

// A crowded window: every row one line high, narrow buttons, tight groups.
void ZendaryWindow::compact()
{
    const int rowHeight = fontMetrics().height() + 4;
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(widget) || qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget))
            widget->setFixedHeight(rowHeight);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setMinimumWidth(fontMetrics().horizontalAdvance(button->text()) + 10);
            // Enter presses the focused button; elsewhere it presses the default HLP.
            button->setAutoDefault(true);
        }
        if (widget->layout()) {
            widget->layout()->setContentsMargins(4, 2, 4, 3);
            widget->layout()->setSpacing(2);
        }
    }
}

}  // namespace zendary
