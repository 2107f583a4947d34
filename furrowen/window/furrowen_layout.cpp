// The main window's frames, controls, ids, tooltips and the paw picture.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "furrowen/window/furrowen_window.h"
#include "shell/gui/contrast.h"
#include "shell/gui/date_edits.h"
#include "shell/gui/decoration.h"

namespace furrowen {

using shell::makeButton;
using shell::makeEdit;
using shell::makeLabel;

namespace {

// A paw print: one pad and four toes.
QLabel* pawPicture(QWidget* parent)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shell::onWindow(QColor(150, 90, 30), parent->palette()));
    painter.drawEllipse(QRectF(17, 30, 30, 24));
    const QPointF toes[] = {{12, 24}, {24, 12}, {40, 12}, {52, 24}};
    for (const QPointF& toe : toes)
        painter.drawEllipse(toe, 6.5, 8);
    painter.end();
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(kPictureId));
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    shell::markAsDecoration(label);
    return label;
}

QPushButton* kindButton(QWidget* parent, ControlId id, const QString& caption, const QString& tip, const QString& name)
{
    QPushButton* button = makeButton(parent, id, caption, tip, name);
    button->setCheckable(true);
    button->setAutoExclusive(true);  // pressing one releases the other
    return button;
}

}  // namespace

QGroupBox* FurrowenWindow::petGroup()
{
    auto* group = new QGroupBox("Enter Pet Data and Select Date", this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);

    QLineEdit* name = makeEdit(group, kNameId, "enter pet name here", "Pet's name");
    grid->addWidget(makeLabel(group, "Name", name), 0, 0);
    grid->addWidget(name, 0, 1, 1, 5);

    QComboBox* age =
        shell::makeDropDown(group, kAgeId, "select pet age here", "Pet's age", shell::listItems(AgeList()));
    age->setMaxVisibleItems(12);
    age->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(makeLabel(group, "Age", age), 1, 0);
    grid->addWidget(age, 1, 1, 1, 2);
    QPushButton* dog = kindButton(group, kDogId, "Dog", "select if a dog", "The pet is a dog");
    QPushButton* cat = kindButton(group, kCatId, "Cat", "select if a cat", "The pet is a cat");
    connect(dog, &QPushButton::clicked, this, [this] { core_.pressDog(); });
    connect(cat, &QPushButton::clicked, this, [this] { core_.pressCat(); });
    grid->addWidget(dog, 1, 3);
    grid->addWidget(cat, 1, 4);

    static const shell::DateLabels labels = {"Month", "Day", "Year"};
    const shell::DateEdits date = shell::makeDateEdits(group,
                                                       {{{kMonthId, "choose desired month here", 3},
                                                         {kDayId, "choose desired day here", 3},
                                                         {kYearId, "choose desired year here", 5}}},
                                                       "Selected date", 12);
    grid->addLayout(shell::dateRow(group, date, &labels, 4, 6), 2, 0, 1, 6);
    grid->setColumnStretch(5, 1);
    return group;
}

QGroupBox* FurrowenWindow::optionsGroup()
{
    auto* group = new QGroupBox("Options", this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(pawPicture(group));
    row->addStretch(1);
    QPushButton* reading = makeButton(group, kReadingId, "&READING", "reading", "Pet reading");
    reading->setDefault(true);
    connect(reading, &QPushButton::clicked, this, [this] { run(&Furrowen::Reading); });
    QPushButton* help = makeButton(group, kHelpId, "&HELP", "help", "Help");
    connect(help, &QPushButton::clicked, this, &FurrowenWindow::helpRequested);
    QPushButton* exit = makeButton(group, kExitId, "&EXIT", "", "Exit");
    connect(exit, &QPushButton::clicked, this, &FurrowenWindow::reject);
    row->addWidget(reading);
    row->addWidget(help);
    row->addWidget(exit);
    return group;
}

void FurrowenWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(petGroup());
    layout->addWidget(optionsGroup());
    layout->addStretch(1);
    resize(412, 320);
}

}  // namespace furrowen
