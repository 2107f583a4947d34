// Furlova's window: ids, tooltips, frames, the lists, limits, start values, Enter on
// Odds and on a focused button, the About box and the maximise rule.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "furlova/window/furlova_window.h"
#include "tests/support/window_checks.h"

namespace furlova_window {

using namespace furlova;

class FurlovaWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

    QStringList itemsOf(QWidget& window, int id)
    {
        auto* combo = window.findChild<QComboBox*>(QString::number(id));
        QStringList items;
        for (int i = 0; combo && i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

private slots:
    void everyControlHasItsIdTooltipAndFrame()
    {
        FurlovaWindow window(fake.services);
        const struct {
            int id;
            const char* group;
            const char* tip;
        } controls[] = {
            {kHorseId, "Horse Name", "enter horse name - required field"},
            {kJockeyId, "Jockey Name", "enter jockey name - optional field"},
            {kTrainerId, "Trainer Name", "enter trainer name - optional field"},
            {kOwnerId, "Owner Name", "enter owner name - optional field"},
            {kPostId, "Post Position", "enter post position - optional field"},
            {kDistanceId, "Race Distance", "select race distance - required field"},
            {kSurfaceId, "Track Surface", "select track surface - required field"},
            {kWeatherId, "Weather", "select weather - required field"},
            {kClassId, "Class of Race", "select class of race - optional field"},
            {kMedicationId, "Medication", "select medication - optional field"},
            {kSpeedId, "Speed of Horse", "enter horse speed history - optional field"},
            {kWeightId, "Horse Weight", "enter horse weight - optional field"},
            {kAgeId, "Horse Age", "enter horse age - optional field"},
            {kTrackId, "Race Track", "enter race track - optional field"},
            {kMonthId, "Date  MM - DD - YYYY", "enter month - required field"},
            {kDayId, "Date  MM - DD - YYYY", "enter day - required field"},
            {kYearId, "Date  MM - DD - YYYY", "enter year - required field"},
        };
        for (const auto& c : controls) {
            QWidget* control = window.findChild<QWidget*>(QString::number(c.id));
            QVERIFY2(control, c.group);
            QCOMPARE(control->toolTip(), QString(c.tip));
            auto* group = qobject_cast<QGroupBox*>(control->parentWidget());
            QVERIFY2(group, c.group);
            QCOMPARE(group->title(), QString(c.group));
        }
        const struct {
            int id;
            const char* caption;
            const char* tip;
        } buttons[] = {
            {kOddsId, "&Odds", "calculate odds of winning"}, {kHelpId, "&Help", "help"}, {kExitId, "&Exit", ""}};
        for (const auto& b : buttons) {
            auto* button = window.findChild<QPushButton*>(QString::number(b.id));
            QVERIFY2(button, b.caption);
            QCOMPARE(button->text(), QString(b.caption));
            QCOMPARE(button->toolTip(), QString(b.tip));
        }
        QVERIFY(window.findChild<QPushButton*>(QString::number(kOddsId))->isDefault());
        QCOMPARE(window.windowTitle(), QString("Furlova 2000"));
        for (int id : {kHorseId, kJockeyId, kTrainerId, kOwnerId, kTrackId})
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->maxLength(), 50);
    }

    void listsTakeNoTypingAndStartWithNothingChosen()
    {
        FurlovaWindow window(fake.services);
        for (int id : {kDistanceId, kSurfaceId, kWeatherId, kClassId, kMedicationId}) {
            auto* combo = window.findChild<QComboBox*>(QString::number(id));
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->currentIndex(), -1);
        }
        QCOMPARE(itemsOf(window, kDistanceId).size(), 14);
        QCOMPARE(itemsOf(window, kDistanceId).first(), QString("4.5 furlongs"));
        QCOMPARE(itemsOf(window, kDistanceId).at(6), QString("1 mile"));
        QCOMPARE(itemsOf(window, kDistanceId).last(), QString("2 miles"));
        QCOMPARE(itemsOf(window, kSurfaceId),
                 (QStringList{"dirt", "fast", "firm", "frozen", "good", "muddy", "sloppy", "turf"}));
        QCOMPARE(itemsOf(window, kWeatherId), (QStringList{"clear", "percepitation"}));
        QCOMPARE(itemsOf(window, kClassId), (QStringList{"Allowance", "Claimers", "Handicap", "Maiden", "Stake"}));
        QCOMPARE(itemsOf(window, kMedicationId), (QStringList{"Bute", "First Time Lasix", "Lasix"}));
    }

    void startValuesAndTodayInTheFields()
    {
        fake.clock.time = {2026, 12, 8, 9, 30, 0};
        FurlovaWindow window(fake.services);
        const std::pair<int, const char*> values[] = {{kPostId, "1"},    {kSpeedId, "0"},  {kWeightId, "115"},
                                                      {kAgeId, "2"},     {kMonthId, "12"}, {kDayId, "8"},
                                                      {kYearId, "2026"}, {kHorseId, ""}};
        for (auto [id, value] : values)
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->text(), QString(value));
    }

    void enterRunsOddsAndAFocusedButtonPressesItself()
    {
        FurlovaWindow window(fake.services);
        checkEnterInEditShows(window, QString::number(kTrackId), fake.ui,
                              std::string("Please enter name of the horse.    "));

        auto* help = window.findChild<QPushButton*>(QString::number(kHelpId));
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Return);
        QCOMPARE(fake.ui.boxes.size(), std::size_t(2));
        QCOMPARE(fake.ui.boxes[1].caption, std::string("FURLOVA HELP"));
    }

    void enterOnAFocusedHelpShowsTheHelpBox()
    {
        FurlovaWindow window(fake.services);
        checkEnterPressesFocusedButton(window, buttonCaptioned(window, "&Help"), fake.ui, std::string(kHelpText));
    }

    void everyFieldHasItsControl()
    {
        FurlovaWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
    }

    void aboutNamesTheProgram()
    {
        FurlovaWindow window(fake.services);
        fake.ui.boxes.clear();
        window.showAbout();
        QCOMPARE(fake.ui.boxes.size(), std::size_t(1));
        QCOMPARE(fake.ui.boxes[0].caption, std::string("Furlova 2000"));
        QVERIFY(fake.ui.boxes[0].text.starts_with("Furlova 2000\nCopyright"));
        QCOMPARE(fake.ui.boxes[0].icon, shell::Icon::Information);
    }

    void maximisingMovesTheWindowInstead()
    {
        FurlovaWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 503, 391), "FURLOVA_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(furlova_window, FurlovaWindowTest);

}  // namespace furlova_window

#include "furlova_window.moc"
