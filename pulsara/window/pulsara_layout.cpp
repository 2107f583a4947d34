// The main window's frames, controls, ids, tooltips, meters and the two small pictures.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "pulsara/window/chart_painting.h"
#include "pulsara/window/pulsara_window.h"
#include "shell/gui/contrast.h"
#include "shell/gui/date_edits.h"
#include "shell/gui/decoration.h"

namespace pulsara {

using shell::listItems;
using shell::makeButton;
using shell::makeDropDown;
using shell::makeEdit;
using shell::makeLabel;

namespace {

// The scale line under a meter, its blanks widened so that it spans the meter.
class ScaleLine : public QLabel {
public:
    ScaleLine(QWidget* parent) :
        QLabel("0     10     20     30     40     50     60     70     80     90     100", parent)
    {
        setMinimumWidth(fontMetrics().horizontalAdvance(text()));
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QFont widened = font();
        widened.setWordSpacing(0);
        const int natural = QFontMetrics(widened).horizontalAdvance(text());
        const int gaps = text().split(' ', Qt::SkipEmptyParts).size() - 1;
        widened.setWordSpacing(std::max(0.0, (width() - natural) / double(gaps)));
        setFont(widened);
        QLabel::resizeEvent(event);
    }
};

// A meter's bar in its curve's colour, made lighter where the bar's ground is dark.
QColor meterColour(const QColor& colour, const QPalette& palette)
{
    return shell::legibleOn(colour, {palette.color(QPalette::Base), palette.color(QPalette::Window)},
                            shell::kGraphicContrast);
}

// A small picture: one wave, or three waves of different lengths.
QLabel* wavePicture(QWidget* parent, bool threeWaves)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const int waves = threeWaves ? 3 : 1;
    for (int w = 0; w < waves; ++w) {
        QPainterPath path;
        const double length = 12.0 + 5 * w;
        for (int x = 0; x <= 32; ++x) {
            const double y = 16 - 11 * std::sin(x / length * 2 * 3.14159265);
            x == 0 ? path.moveTo(x, y) : path.lineTo(x, y);
        }
        const QColor colour = threeWaves ? cycleColour(kCycles[w]) : QColor(170, 30, 60);
        painter.setPen(QPen(shell::onWindow(colour, parent->palette()), 2));
        painter.drawPath(path);
    }
    painter.end();
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    shell::markAsDecoration(label);
    return label;
}

}  // namespace

QGroupBox* PulsaraWindow::personalGroup()
{
    auto* group = new QGroupBox(" Personal Information ", this);
    auto* column = new QVBoxLayout(group);
    column->setSpacing(3);
    column->setContentsMargins(8, 4, 8, 4);

    QLineEdit* name = makeEdit(group, kNameId, "enter full name here", "Full name");
    column->addWidget(makeLabel(group, "Enter Full Name ", name));
    column->addWidget(name);

    auto* birthday = new QGroupBox("Enter Birthday", group);
    static const shell::DateLabels birthLabels = {"MM", "DD", "YY"};
    const shell::DateEdits birth = shell::makeDateEdits(
        birthday,
        {{{kBirthMonthId, "birth month", 3}, {kBirthDayId, "birth date", 3}, {kBirthYearId, "birth year", 5}}},
        "Birthday", 12);
    birthday->setLayout(shell::dateRow(birthday, birth, &birthLabels, 4, 4));

    auto* meters = new QGroupBox("Select Meters", group);
    auto* grid = new QGridLayout(meters);
    grid->setVerticalSpacing(2);
    grid->setContentsMargins(8, 2, 8, 2);
    const shell::DateEdits date = shell::makeDateEdits(meters,
                                                       {{{kSelectedMonthId, "select month", 3},
                                                         {kSelectedDayId, "select date", 3},
                                                         {kSelectedYearId, "select year", 5}}},
                                                       "Selected date", 12);
    QLayout* selected = shell::dateRow(meters, date, nullptr, 4, 4);
    grid->addWidget(new QLabel("Select Date", meters), 0, 0);
    grid->addLayout(selected, 0, 1, 1, 2);
    QComboBox* number = makeDropDown(meters, kNumberId, "select number", "Selected number", listItems(NumberList()));
    QComboBox* colour = makeDropDown(meters, kColourId, "select color", "Selected color", listItems(ColourList()));
    colour->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(makeLabel(meters, "Select Number", number), 1, 0);
    grid->addWidget(number, 1, 1);
    grid->addWidget(wavePicture(meters, false), 1, 2, Qt::AlignRight);
    grid->addWidget(makeLabel(meters, "Select Color", colour), 2, 0);
    grid->addWidget(colour, 2, 1);
    grid->addWidget(wavePicture(meters, true), 2, 2, Qt::AlignRight);
    grid->setColumnStretch(2, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(birthday);
    row->addWidget(meters, 1);
    column->addLayout(row);
    return group;
}

QGroupBox* PulsaraWindow::scalesGroup()
{
    auto* group = new QGroupBox(" Biorhythm Scales ", this);
    auto* column = new QVBoxLayout(group);
    column->setSpacing(1);
    column->setContentsMargins(8, 4, 8, 4);
    // Each meter in the colour of its curve on the biorhythm chart.
    const auto meter = [&](ControlId id, const char* caption, const char* tip, const char* name, QColor colour) {
        column->addWidget(new QLabel(caption, group), 0, Qt::AlignHCenter);
        auto* bar = new QProgressBar(group);
        bar->setObjectName(QString::number(id));
        bar->setToolTip(tip);
        shell::nameControl(bar, name);
        bar->setRange(0, 100);
        bar->setTextVisible(false);
        bar->setFixedHeight(16);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Highlight, meterColour(colour, palette));
        bar->setPalette(palette);
        column->addWidget(bar);
        column->addWidget(new ScaleLine(group));
        column->addSpacing(3);
        return bar;
    };
    physical_ =
        meter(kPhysicalId, "--------- Passive ---------------- Physical ---------------- Acitve ----------------",
              "physical biorhythm scale", "Physical biorhythm", cycleColour(Cycle::Physical));
    emotional_ =
        meter(kEmotionalId, "--------- Passive --------------- Emotional --------------- Acitve ----------------",
              "emotional biorhythm scale", "Emotional biorhythm", cycleColour(Cycle::Emotional));
    intellectual_ =
        meter(kIntellectualId, "--------- Passive -------------- Intellectual -------------- Acitve ----------------",
              "intellectual biorhythm scale", "Intellectual biorhythm", cycleColour(Cycle::Intellectual));
    return group;
}

QHBoxLayout* PulsaraWindow::buttonRow()
{
    auto* row = new QHBoxLayout;
    const auto button = [&](ControlId id, const char* caption, const char* tooltip, const char* name) {
        QPushButton* made = makeButton(this, id, caption, tooltip, name);
        row->addWidget(made);
        return made;
    };
    QPushButton* numerology = button(kNumerologyId, "&NA", "measure biorhythms via numerology and astrology",
                                     "Measure biorhythms by numerology and astrology");
    numerology->setDefault(true);
    connect(numerology, &QPushButton::clicked, this, [this] { measure(Method::Numerology); });
    connect(button(kTraditionalId, "&TM", "measure biorhythms via traditional method",
                   "Measure biorhythms by the traditional method"),
            &QPushButton::clicked, this, [this] { measure(Method::Traditional); });
    connect(button(kExplainId, "&BE", "biorhythms explained", "Biorhythms explained"), &QPushButton::clicked, this,
            [this] { core_.Explain(); });
    connect(button(kHelpId, "&HP", "help wizard", "Help wizard"), &QPushButton::clicked, this,
            &PulsaraWindow::helpRequested);
    connect(button(kExitId, "&EX", "exit", "Exit"), &QPushButton::clicked, this, &PulsaraWindow::reject);
    return row;
}

void PulsaraWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    // Tight enough to fit a small screen at double scale.
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(personalGroup());
    layout->addWidget(scalesGroup());
    layout->addLayout(buttonRow());
    layout->addStretch(1);
    resize(520, 410);
}

}  // namespace pulsara
