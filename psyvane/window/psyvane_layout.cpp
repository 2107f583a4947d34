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
#include "shell/gui/date_edits.h"
#include "shell/gui/decoration.h"

namespace psyvane {

using shell::makeButton;
using shell::makeDropDown;
using shell::makeLabel;

namespace {

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
    shell::markAsDecoration(label);
    return label;
}

QGroupBox* dateGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Date", parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    const shell::DateEdits date = shell::makeDateEdits(
        group, {{{kMonthId, "current month", 3}, {kDayId, "current date", 3}, {kYearId, "current year", 5}}},
        "Current date", 12);
    shell::addDateToGrid(grid, 0, 0, date, {"MM", "DD", "YY"});
    grid->addWidget(makeDropDown(group, kTypeId, "select type", "Decision type", {"personal", "family", "business"}), 1,
                    0, 1, 6);
    return group;
}

QGroupBox* choiceGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Choices", parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    const struct {
        const char* label = nullptr;
        ControlId id{};
        const char* tip = nullptr;
        QStringList items;
        QColor colour;
    } choices[] = {
        {"Number", kNumberId, "select number", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, QColor(230, 200, 20)},
        {"Color",
         kColorId,
         "select color",
         {"white", "yellow", "green", "red", "blue", "brown", "black"},
         QColor(40, 160, 60)},
        {"Shape", kShapeId, "select shape", {"triangle", "square", "circle"}, QColor(40, 80, 200)},
        {"Sign", kSignId, "select sign", {"earth", "fire", "wind", "water"}, QColor(200, 40, 40)},
    };
    int column = 0;
    for (const auto& choice : choices) {
        QComboBox* list = makeDropDown(group, choice.id, choice.tip,
                                       QString("Your %1").arg(QString(choice.label).toLower()), choice.items);
        grid->addWidget(makeLabel(group, choice.label, list), 0, column, Qt::AlignCenter);
        grid->addWidget(list, 1, column);
        grid->addWidget(picture(group, choice.colour), 2, column);
        ++column;
    }
    return group;
}

}  // namespace

QGridLayout* PsyvaneWindow::buttonRows()
{
    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    int i = 0;
    auto add = [&](ControlId id, const char* caption, const char* tip, auto handler) {
        QPushButton* button = makeButton(this, id, caption, tip, "");
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button, i / 4, i % 4);
        ++i;
        return button;
    };
    add(kNumbersId, "&Numbers Exercise", "sharpen your intuition with numbers exercise",
        &PsyvaneWindow::numbersExercise);
    add(kColorsId, "&Colors Exercise", "sharpen your intuition with colors exercise", &PsyvaneWindow::colorsExercise);
    add(kShapesId, "&Shapes Exercise", "sharpen your intuition with shapes exercise", &PsyvaneWindow::shapesExercise);
    add(kSignsId, "Signs &Exercise", "sharpen your intuition with signs exercise", &PsyvaneWindow::signsExercise);
    add(kCheckId, "Check &Intuition", "check your intuition power level", [this] {
        run(&Psyvane::CheckIntuition);
    })->setDefault(true);
    add(kDevelopId, "&Develop", "develop your intuition step by step strategy", &PsyvaneWindow::develop);
    add(kFineTuneId, "&Fine Tune", "fine tune your intuition step by step strategy", &PsyvaneWindow::fineTune);
    add(kHelpId, "Detailed &Help", "detailed help and much more", &PsyvaneWindow::helpRequested);
    return buttons;
}

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
    shell::nameControl(progress_, "Intuition progress");
    layout->addWidget(progress_);

    layout->addLayout(buttonRows());
    layout->addStretch(1);
    resize(494, 295);
}

}  // namespace psyvane
