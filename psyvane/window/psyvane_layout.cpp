// The main window's frames, controls, ids, tooltips and the four pictures.
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

#include "psyvane/window/psyvane_window.h"

namespace psyvane {

using shell::makeButton;
using shell::makeDropDown;

namespace {

QLabel* labelFor(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// A picture to concentrate on: a glowing disc of one colour.
QLabel* picture(QWidget* parent, QColor colour)
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(20, 20), 19);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(0.6, colour);
    glow.setColorAt(1, colour.darker(160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(1, 1, 38, 38));
    painter.end();
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGroupBox* dateGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Date", parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    const struct {
        const char* label;
        int id;
        const char* tip;
        int width;
    } parts[] = {{"MM", 1016, "current month", 3}, {"DD", 1017, "current date", 3}, {"YY", 1018, "current year", 5}};
    int column = 0;
    for (const auto& part : parts) {
        QLineEdit* edit = shell::makeEdit(group, part.id, part.tip);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(part.width, '0')) + 12);
        grid->addWidget(labelFor(group, part.label, edit), 0, column++, Qt::AlignRight);
        grid->addWidget(edit, 0, column++, Qt::AlignLeft);
    }
    grid->addWidget(makeDropDown(group, 1014, "select type", {"personal", "family", "business"}), 1, 0, 1, 6);
    return group;
}

QGroupBox* choiceGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Choices", parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    const struct {
        const char* label;
        int id;
        const char* tip;
        QStringList items;
        QColor colour;
    } choices[] = {
        {"Number", 1009, "select number", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, QColor(230, 200, 20)},
        {"Color",
         1010,
         "select color",
         {"white", "yellow", "green", "red", "blue", "brown", "black"},
         QColor(40, 160, 60)},
        {"Shape", 1012, "select shape", {"triangle", "square", "circle"}, QColor(40, 80, 200)},
        {"Sign", 1013, "select sign", {"earth", "fire", "wind", "water"}, QColor(200, 40, 40)},
    };
    int column = 0;
    for (const auto& choice : choices) {
        QComboBox* list = makeDropDown(group, choice.id, choice.tip, choice.items);
        grid->addWidget(labelFor(group, choice.label, list), 0, column, Qt::AlignCenter);
        grid->addWidget(list, 1, column);
        grid->addWidget(picture(group, choice.colour), 2, column);
        ++column;
    }
    return group;
}

}  // namespace

void PsyvaneWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* frames = new QHBoxLayout;
    frames->setSpacing(4);
    frames->addWidget(dateGroup(this));
    frames->addWidget(choiceGroup(this), 1);
    layout->addLayout(frames);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QString::number(kProgressId));
    progress_->setToolTip("right click on any of the pictures");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    layout->addWidget(progress_);

    const struct {
        int id;
        const char* caption;
        const char* tip;
    } rows[2][4] = {
        {{kNumbersId, "&Numbers Exercise", "sharpen your intuition with numbers exercise"},
         {kColorsId, "&Colors Exercise", "sharpen your intuition with colors exercise"},
         {kShapesId, "&Shapes Exercise", "sharpen your intuition with shapes exercise"},
         {kSignsId, "Signs &Exercise", "sharpen your intuition with signs exercise"}},
        {{kCheckId, "Check &Intuition", "check your intuition power level"},
         {kDevelopId, "&Develop", "develop your intuition step by step strategy"},
         {kFineTuneId, "&Fine Tune", "fine tune your intuition step by step strategy"},
         {kHelpId, "Detailed &Help", "detailed help and much more"}},
    };
    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) {
            const auto& b = rows[row][column];
            QPushButton* button = makeButton(this, b.id, b.caption, b.tip);
            buttons->addWidget(button, row, column);
        }
    qobject_cast<QPushButton*>(shell::control(*this, kCheckId))->setDefault(true);
    layout->addLayout(buttons);
    layout->addStretch(1);
    resize(494, 295);
}

}  // namespace psyvane
