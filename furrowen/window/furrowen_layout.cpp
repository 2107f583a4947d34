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

namespace furrowen {

using shell::makeButton;
using shell::makeEdit;

namespace {

QLabel* labelFor(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// A paw print: one pad and four toes.
QLabel* pawPicture(QWidget* parent)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 90, 30));
    painter.drawEllipse(QRectF(17, 30, 30, 24));
    const QPointF toes[] = {{12, 24}, {24, 12}, {40, 12}, {52, 24}};
    for (const QPointF& toe : toes)
        painter.drawEllipse(toe, 6.5, 8);
    painter.end();
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(kPictureId));
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* kindButton(QWidget* parent, int id, const QString& caption, const QString& tip)
{
    QPushButton* button = makeButton(parent, id, caption, tip);
    button->setCheckable(true);
    button->setAutoExclusive(true);  // pressing one releases the other
    return button;
}

QGroupBox* petGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Enter Pet Data and Select Date", parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);

    QLineEdit* name = makeEdit(group, 1003, "enter pet name here");
    grid->addWidget(labelFor(group, "Name", name), 0, 0);
    grid->addWidget(name, 0, 1, 1, 5);

    QStringList ages;
    for (const std::string& age : AgeList())
        ages << QString::fromStdString(age);
    QComboBox* age = shell::makeDropDown(group, 1008, "select pet age here", ages);
    age->setMaxVisibleItems(12);
    age->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(labelFor(group, "Age", age), 1, 0);
    grid->addWidget(age, 1, 1, 1, 2);
    grid->addWidget(kindButton(group, 1001, "Dog", "select if a dog"), 1, 3);
    grid->addWidget(kindButton(group, 1002, "Cat", "select if a cat"), 1, 4);

    const struct {
        const char* label;
        int id;
        const char* tip;
        int width;
    } parts[] = {{"Month", 1005, "choose desired month here", 3},
                 {"Day", 1006, "choose desired day here", 3},
                 {"Year", 1007, "choose desired year here", 5}};
    auto* dates = new QHBoxLayout;
    dates->setSpacing(4);
    for (const auto& part : parts) {
        QLineEdit* edit = makeEdit(group, part.id, part.tip);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(part.width, '0')) + 12);
        dates->addWidget(labelFor(group, part.label, edit));
        dates->addWidget(edit);
        dates->addSpacing(6);
    }
    dates->addStretch(1);
    grid->addLayout(dates, 2, 0, 1, 6);
    grid->setColumnStretch(5, 1);
    return group;
}

QGroupBox* optionsGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Options", parent);
    auto* row = new QHBoxLayout(group);
    row->addWidget(pawPicture(group));
    row->addStretch(1);
    QPushButton* reading = makeButton(group, kReadingId, "&READING", "reading");
    reading->setDefault(true);
    row->addWidget(reading);
    row->addWidget(makeButton(group, kHelpId, "&HELP", "help"));
    row->addWidget(makeButton(group, kExitId, "&EXIT", ""));
    return group;
}

}  // namespace

void FurrowenWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(petGroup(this));
    layout->addWidget(optionsGroup(this));
    layout->addStretch(1);
    resize(412, 320);
}

}  // namespace furrowen
