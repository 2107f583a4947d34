// The main window's controls, ids, captions, groups and tooltips, and which handler
// each button runs.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/gui/contrast.h"
#include "shell/gui/date_edits.h"
#include "shell/gui/limited_text_edit.h"
#include "zendary/lists.h"
#include "zendary/readings/astrology.h"
#include "zendary/readings/blood_type.h"
#include "zendary/readings/daily_report.h"
#include "zendary/readings/day_readings.h"
#include "zendary/readings/dream.h"
#include "zendary/readings/evil_eye.h"
#include "zendary/readings/fate.h"
#include "zendary/readings/gems.h"
#include "zendary/readings/love_spell.h"
#include "zendary/readings/mental_power.h"
#include "zendary/readings/message_decode.h"
#include "zendary/readings/name_year.h"
#include "zendary/readings/palm.h"
#include "zendary/readings/past_life.h"
#include "zendary/readings/pets.h"
#include "zendary/readings/soul_numbers.h"
#include "zendary/readings/soulmate.h"
#include "zendary/readings/sports.h"
#include "zendary/readings/stars.h"
#include "zendary/readings/superstition.h"
#include "zendary/window/zendary_window.h"

namespace zendary {

using shell::listItems;
using shell::makeButton;
using shell::makeDropDown;
using shell::makeEdit;
using shell::makeLabel;

namespace {

// Every date in the window: boxes five digits wide.
shell::DateEdits dateEdits(QWidget* parent, const ControlId (&ids)[3], const char* const (&tips)[3],
                           const QString& date)
{
    return shell::makeDateEdits(parent, {{{ids[0], tips[0], 5}, {ids[1], tips[1], 5}, {ids[2], tips[2], 5}}}, date, 10);
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
        picture->setObjectName(QString::number(kFirstZodiacPictureId + i));
        picture->setFont(font);
        picture->setAlignment(Qt::AlignCenter);
        // The suite's purple, made lighter where the window is dark; a sign is text.
        const QColor purple = shell::onWindow(QColor(0x3c288c), row->palette(), shell::kTextContrast);
        picture->setStyleSheet(QString("color: %1;").arg(purple.name()));
        layout->addWidget(picture, 1);
    }
    return row;
}

}  // namespace

QPushButton* ZendaryWindow::readingButton(QWidget* parent, const ReadingButton& button)
{
    QPushButton* pushButton = makeButton(parent, button.id, button.caption, button.tooltip, button.name);
    connect(pushButton, &QPushButton::clicked, this, [this, reading = button.reading] { run(reading); });
    return pushButton;
}

QHBoxLayout* ZendaryWindow::readingRow(std::initializer_list<ReadingButton> buttons)
{
    auto* layout = new QHBoxLayout;
    layout->setSpacing(2);
    for (const ReadingButton& button : buttons)
        layout->addWidget(readingButton(this, button));
    return layout;
}

QGroupBox* ZendaryWindow::datesGroup()
{
    auto* group = new QGroupBox(
        "Your Birthday              Your Mother's Birthday       Your Father's Birthday                Select Date",
        this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    struct Column {
        ControlId ids[3];
        const char* tips[3];
        const char* date;  // whose date the column holds, for the names of its fields
        ReadingButton buttons[3];
    };
    const Column columns[] = {
        {{kOwnMonthId, kOwnDayId, kOwnYearId},
         {"your month of birth", "your day of birth", "your year of birth"},
         "Your birthday",
         {{kYourSoulNumbersId, "YNS", "your soul numbers", "Your soul numbers", YourSoulNumbers},
          {kMotherSoulNumberId, "MNS", "mother's numbers", "Mother's soul number", MotherSoulNumber},
          {kFatherSoulNumberId, "FNS", "father's numbers", "Father's soul number", FatherSoulNumber}}},
        {{kMotherMonthId, kMotherDayId, kMotherYearId},
         {"mother's month of birth", "mother's day of birth", "mother's year of birth"},
         "Mother's birthday",
         {{kLuckyId, "LNS", "lucky numbers", "Lucky numbers", LuckyNumbers},
          {kUnluckyId, "UNS", "unlucky numbers", "Unlucky numbers", UnluckyNumbers},
          {kLifePowerId, "LPW", "life power", "Life power", LifePower}}},
        {{kFatherMonthId, kFatherDayId, kFatherYearId},
         {"father's month of birth", "father's day of birth", "father's year of birth"},
         "Father's birthday",
         {{kPersonalLuckId, "PLK", "personal luck", "Personal luck", PersonalLuck},
          {kBusinessLuckId, "BLK", "business luck", "Business luck", BusinessLuck},
          {kSpiritPowerId, "SPW", "spirit power", "Spirit power", SpiritPower}}},
        {{kSelectedMonthId, kSelectedDayId, kSelectedYearId},
         {"selected month", "selected day", "selected year"},
         "Selected date",
         {}},
    };
    const char* const labels[] = {"MM", "DD", "YY"};
    for (int c = 0; c < 4; ++c) {
        const shell::DateEdits edits = dateEdits(group, columns[c].ids, columns[c].tips, columns[c].date);
        for (int r = 0; r < 3; ++r) {
            grid->addWidget(makeLabel(group, labels[r], edits[r]), r, c * 4);
            grid->addWidget(edits[r], r, c * 4 + 1);
            if (c < 3)
                grid->addWidget(readingButton(group, columns[c].buttons[r]), r, c * 4 + 2);
        }
        grid->setColumnStretch(c * 4 + 3, 1);
    }
    return group;
}

QGroupBox* ZendaryWindow::pastLivesGroup()
{
    auto* group = new QGroupBox("Past Lives Interpretations", this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    // Choosing an era reads the fields, sets the era and writes the fields back.
    QRadioButton* bc = shell::makeRadio(group, kBcId, "BC", "BC years", "Past life in BC years");
    QRadioButton* ad = shell::makeRadio(group, kAdId, "AD", "AD years", "Past life in AD years");
    connect(bc, &QRadioButton::clicked, this, [this] { chooseEra(Era::BC); });
    connect(ad, &QRadioButton::clicked, this, [this] { chooseEra(Era::AD); });
    ad->setChecked(true);
    auto* top = new QHBoxLayout;
    top->addWidget(bc);
    top->addWidget(readingButton(
        group, {kPastLifeReadingId, "P LIVES", "past life reading", "Past life reading", PastLifeReading}));
    top->addWidget(ad);
    grid->addLayout(top, 0, 0, 1, 2);
    QLineEdit* age = makeEdit(group, kPastAgeId, "enter a past life age here", "Past life: age");
    QLineEdit* year = makeEdit(group, kPastYearId, "enter a past life year here", "Past life: year");
    for (QLineEdit* edit : {age, year})
        shell::setWidthForDigits(edit, 6, 10);
    grid->addWidget(age, 1, 0);
    grid->addWidget(makeDropDown(group, kOccupationId, "select a past life occupation here", "Past life: occupation",
                                 listItems(occupationList())),
                    1, 1);
    grid->addWidget(year, 2, 0);
    grid->addWidget(
        makeDropDown(group, kClueId, "select a past life clue here", "Past life: clue", listItems(clueList())), 2, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* ZendaryWindow::dreamsGroup()
{
    auto* group = new QGroupBox("Dreams, Names, Spells...", this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    grid->addWidget(readingButton(group, {kSuperstitionReadingId, "SUS", "superstitions reading",
                                          "Superstitions reading", SuperstitionReading}),
                    0, 0);
    grid->addWidget(makeDropDown(group, kSuperstitionId, "select a superstition here", "Superstition",
                                 listItems(superstitionList())),
                    0, 1);
    const struct {
        ReadingButton button;
        ControlId edit;
        const char* editTip;
        const char* editName;
    } rows[] = {
        {{kDreamReadingId, "DRS", "dreams reading", "Dreams reading", DreamReading},
         kDreamId,
         "enter a dream here",
         "Dream"},
        {{kNameYearId, "NME", "name - year reading", "Name and year reading", NameYearReading},
         kNameYearNameId,
         "enter first name here",
         "First name for the name and year reading"},
        {{kPetsId, "PTS", "pets reading", "Pets reading", PetsReading},
         kPetNameId,
         "enter pet's name here",
         "Pet's name"},
        {{kLoveSpellsId, "SPS", "love spells", "Love spells", LoveSpells},
         kSpellNameId,
         "enter first name here",
         "First name for the love spells"},
    };
    int r = 1;
    for (const auto& row : rows) {
        grid->addWidget(readingButton(group, row.button), r, 0);
        grid->addWidget(makeEdit(group, row.edit, row.editTip, row.editName), r++, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* ZendaryWindow::soulmateGroup()
{
    auto* group = new QGroupBox("Find your soulmate or check your friends", this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    const struct {
        ControlId name, month, day, year;
        QString person;
    } people[] = {{kFirstNameId, kFirstMonthId, kFirstDayId, kFirstYearId, "First person"},
                  {kSecondNameId, kSecondMonthId, kSecondDayId, kSecondYearId, "Second person"}};
    int r = 0;
    for (const auto& p : people) {
        grid->addWidget(makeEdit(group, p.name, "enter first and last name", p.person + "'s first and last name"), r++,
                        0, 1, 3);
        const shell::DateEdits edits =
            dateEdits(group, {p.month, p.day, p.year}, {"month of birth", "date of birth", "year of birth"},
                      p.person + "'s birthday");
        for (int i = 0; i < 3; ++i)
            grid->addWidget(edits[i], r, i);
        ++r;
    }
    grid->addWidget(readingButton(group, {kSoulmateCheckId, "CRA", "soulmate - friends", "Soulmate and friends check",
                                          SoulmateCheck}),
                    0, 3);
    grid->addWidget(readingButton(group, {kPalmId, "PMR", "palm reading", "Palm reading", PalmReading}), 2, 3);
    return group;
}

QGroupBox* ZendaryWindow::reportsGroup()
{
    auto* group = new QGroupBox("Reports", this);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(3);
    layout->addWidget(readingButton(
        group, {kSoulmateReportId, "CRR", "soulmate - friends report", "Soulmate and friends report", SoulmateReport}));
    layout->addWidget(readingButton(group, {kDailyReportId, "NRR", "daily report", "Daily report", DailyReport}));
    QPushButton* death = makeButton(group, kDeathReadingId, "&DEF", "death reading", "Death reading");
    connect(death, &QPushButton::clicked, this, &ZendaryWindow::openDeathReading);
    layout->addWidget(death);
    QPushButton* help = makeButton(group, kHelpId, "HLP", "help", "Help");
    connect(help, &QPushButton::clicked, this, &ZendaryWindow::helpRequested);
    help->setDefault(true);
    layout->addWidget(help);
    return group;
}

QGroupBox* ZendaryWindow::mentalGroup()
{
    auto* group = new QGroupBox("Check your mental powers", this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    grid->addWidget(
        makeDropDown(group, kNumberId, "select number here", "Mental power: number", listItems(numberList())), 0, 0);
    grid->addWidget(makeDropDown(group, kColorId, "select color here", "Mental power: color", listItems(colorList())),
                    0, 1);
    grid->addWidget(makeDropDown(group, kShapeId, "select shape here", "Mental power: shape", listItems(shapeList())),
                    0, 2);
    const ReadingButton buttons[] = {
        {kNumbersExerciseId, "NEX", "mental power - numbers", "Mental power: numbers exercise", NumbersExercise},
        {kColorsExerciseId, "CEX", "mental power - colors", "Mental power: colors exercise", ColorsExercise},
        {kShapesExerciseId, "FEX", "mental power - shapes", "Mental power: shapes exercise", ShapesExercise},
        {kDevelopId, "DEV", "develop mental powers", "Develop mental powers", DevelopAdvice},
        {kFineTuneId, "FTU", "fine-tune mental powers", "Fine-tune mental powers", FineTuneAdvice},
        {kIntuitionId, "CIR", "check mental power", "Check mental power", IntuitionPower},
    };
    for (int i = 0; i < 6; ++i)
        grid->addWidget(readingButton(group, buttons[i]), 1 + i / 3, i % 3);
    return group;
}

QGroupBox* ZendaryWindow::sportsGroup()
{
    auto* group = new QGroupBox("Sports! Check your favorite team's chances", this);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(3);
    layout->addWidget(makeEdit(group, kTeam1Id, "enter first team here", "First team"));
    layout->addWidget(makeEdit(group, kTeam2Id, "enter second team here", "Second team"));
    layout->addWidget(
        readingButton(group, {kSportsId, "SNR", "sports numerology", "Sports numerology", SportsNumerology}));
    return group;
}

QGroupBox* ZendaryWindow::messageGroup()
{
    auto* group = new QGroupBox("Discover secrets hidden in any text message", this);
    auto* layout = new QHBoxLayout(group);
    layout->setSpacing(3);
    auto* message = new shell::LimitedTextEdit(group);
    message->setObjectName(QString::number(kMessageId));
    message->setToolTip("enter any message here");
    shell::nameControl(message, "Message to search for hidden messages");
    message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    message->setTabChangesFocus(true);
    // As high as its three buttons: the window must fit a small screen at double scale.
    message->setMinimumHeight(40);
    message->setMaximumHeight(3 * (fontMetrics().height() + 4) + 6);
    message_ = message;
    layout->addWidget(message, 1);
    auto* buttons = new QVBoxLayout;
    QPushButton* copy = makeButton(group, kCopyId, "CPY", "copy message to clipboard", "Copy message to clipboard");
    connect(copy, &QPushButton::clicked, this, [this] { copyMessageFrom(*message_); });
    QPushButton* paste = makeButton(group, kPasteId, "PST", "paste in any message", "Paste a message");
    connect(paste, &QPushButton::clicked, this, [this] { pasteMessageInto(core_.data.message, "LEXIVAR"); });
    buttons->addWidget(copy);
    buttons->addWidget(paste);
    buttons->addWidget(
        readingButton(group, {kDecodeId, "DEC", "find hidden messages", "Find hidden messages", DecodeMessage}));
    layout->addLayout(buttons);
    return group;
}

void ZendaryWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(1);
    layout->addWidget(datesGroup());
    layout->addLayout(readingRow({
        {kLoveId, "LOV", "love reading", "Love reading", AstrologyButton<AstroTable::Love>},
        {kBodyId, "BOD", "body reading", "Body reading", AstrologyButton<AstroTable::Body>},
        {kWealthId, "WEA", "wealth reading", "Wealth reading", AstrologyButton<AstroTable::Wealth>},
        {kLinksId, "LIN", "links reading", "Links reading", AstrologyButton<AstroTable::Links>},
        {kTraitsId, "TRA", "traits reading", "Traits reading", AstrologyButton<AstroTable::Traits>},
        {kCouplesId, "COU", "couples reading", "Couples reading", AstrologyButton<AstroTable::Couples>},
        {kCareersId, "CAR", "career reading", "Career reading", AstrologyButton<AstroTable::Careers>},
        {kGemsId, "GMS", "symbols and gems reading", "Symbols and gems reading", GemsReading},
        {kStarsId, "STS", "prediction for any day", "Stars: prediction for any day", StarsReading},
        {kEvilEyeId, "EER", "evil eye reading", "Evil eye reading", EvilEyeReading},
        {kFateId, "FDR", "fate reading", "Fate reading", FateReading},
        {kBloodTypeId, "BLR", "blood type reading", "Blood type reading", BloodTypeReading},
    }));
    layout->addWidget(zodiacPictures(this));
    layout->addLayout(readingRow({
        {kAquariusId, "AQU", "aquarius", "Aquarius profile", SignButton<Sign::Aquarius>},
        {kAriesId, "ARI", "aries", "Aries profile", SignButton<Sign::Aries>},
        {kCancerId, "CAN", "cancer", "Cancer profile", SignButton<Sign::Cancer>},
        {kCapricornId, "CAP", "capricorn", "Capricorn profile", SignButton<Sign::Capricorn>},
        {kGeminiId, "GEM", "gemini", "Gemini profile", SignButton<Sign::Gemini>},
        {kLeoId, "LEO", "leo", "Leo profile", SignButton<Sign::Leo>},
        {kLibraId, "LIB", "libra", "Libra profile", SignButton<Sign::Libra>},
        {kPiscesId, "PIS", "pisces", "Pisces profile", SignButton<Sign::Pisces>},
        {kSagittariusId, "SAG", "sagittarius", "Sagittarius profile", SignButton<Sign::Sagittarius>},
        {kScorpioId, "SCO", "scorpio", "Scorpio profile", SignButton<Sign::Scorpio>},
        {kTaurusId, "TAU", "taurus", "Taurus profile", SignButton<Sign::Taurus>},
        {kVirgoId, "VIR", "virgo", "Virgo profile", SignButton<Sign::Virgo>},
    }));
    auto* middle = new QHBoxLayout;
    middle->addWidget(pastLivesGroup(), 1);
    middle->addWidget(dreamsGroup(), 1);
    layout->addLayout(middle);
    auto* lower = new QHBoxLayout;
    lower->addWidget(soulmateGroup(), 3);
    lower->addWidget(reportsGroup(), 1);
    lower->addWidget(mentalGroup(), 3);
    layout->addLayout(lower);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sportsGroup(), 1);
    bottom->addWidget(messageGroup(), 2);
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
