// Furrowen's window: ids, tooltips, frames, the age list, limits, the Dog and Cat
// buttons, Enter on READING and on a focused button, the About box and the maximise rule.
#include <filesystem>
#include <fstream>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "furrowen/window/furrowen_window.h"
#include "tests/support/window_checks.h"

namespace furrowen_window {

class FurrowenWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void everyControlHasItsIdAndTooltip()
    {
        furrowen::FurrowenWindow window(fake.services);
        const std::pair<int, const char*> tips[] = {
            {furrowen::kNameId, "enter pet name here"},    {furrowen::kMonthId, "choose desired month here"},
            {furrowen::kDayId, "choose desired day here"}, {furrowen::kYearId, "choose desired year here"},
            {furrowen::kAgeId, "select pet age here"},     {furrowen::kDogId, "select if a dog"},
            {furrowen::kCatId, "select if a cat"},
        };
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
        const std::pair<const char*, const char*> buttons[] = {{"&READING", "reading"},
                                                               {"&HELP", "help"},
                                                               {"&EXIT", ""},
                                                               {"Dog", "select if a dog"},
                                                               {"Cat", "select if a cat"}};
        for (auto [caption, tip] : buttons) {
            QPushButton* button = buttonCaptioned(window, caption);
            QVERIFY2(button, caption);
            QCOMPARE(button->toolTip(), QString(tip));
        }
        QVERIFY(buttonCaptioned(window, "&READING")->isDefault());
        QStringList groups;
        for (QGroupBox* group : window.findChildren<QGroupBox*>())
            groups << group->title();
        groups.sort();
        QCOMPARE(groups, (QStringList{"Enter Pet Data and Select Date", "Options"}));
        QCOMPARE(window.windowTitle(), QString("Furrowen 2000"));
        QCOMPARE(window.findChild<QLineEdit*>(controlName(furrowen::kNameId))->maxLength(), 100);
    }

    void theAgeListHoldsMonthsThenYearsAndNoneIsChosen()
    {
        furrowen::FurrowenWindow window(fake.services);
        auto* ages = window.findChild<QComboBox*>(controlName(furrowen::kAgeId));
        QVERIFY(!ages->isEditable());
        QCOMPARE(ages->currentIndex(), -1);
        QCOMPARE(ages->count(), 42);
        QCOMPARE(ages->itemText(0), QString("1 month"));
        QCOMPARE(ages->itemText(11), QString("12 months"));
        QCOMPARE(ages->itemText(12), QString("1 year"));
        QCOMPARE(ages->itemText(41), QString("30 years"));
    }

    void dogAndCatStartReleasedEvenForASavedDogAndExcludeEachOther()
    {
        namespace fs = std::filesystem;
        QTemporaryDir scratch;
        const fs::path root = scratch.path().toStdString();
        fs::create_directories(root / "data");
        std::ofstream(root / "data" / "furrowen.ini") << "Rex\n3 years\n1\n";
        FakeServices saved;
        saved.paths.root = root.string();
        furrowen::FurrowenWindow window(saved.services);
        auto* dog = window.findChild<QPushButton*>(controlName(furrowen::kDogId));
        auto* cat = window.findChild<QPushButton*>(controlName(furrowen::kCatId));
        QVERIFY(dog->isCheckable() && cat->isCheckable());
        QVERIFY(!dog->isChecked() && !cat->isChecked());
        QCOMPARE(window.core().data.dog, 1);
        QCOMPARE(window.findChild<QComboBox*>(controlName(furrowen::kAgeId))->currentText(), QString("3 years"));
        cat->click();
        QVERIFY(cat->isChecked() && !dog->isChecked());
        QCOMPARE(window.core().data.dog, 0);
        QCOMPARE(window.core().data.cat, 1);
        dog->click();
        dog->click();  // pressing it again keeps it pressed
        QVERIFY(dog->isChecked() && !cat->isChecked());
        QCOMPARE(window.core().data.dog, 1);
        QCOMPARE(window.core().data.cat, 0);
    }

    void enterRunsReading()
    {
        furrowen::FurrowenWindow window(fake.services);
        checkEnterInEditShows(window, controlName(furrowen::kDayId), fake.ui,
                              std::string("Please enter your pet's name!    "));
    }

    void enterOnAFocusedButtonPressesIt()
    {
        furrowen::FurrowenWindow window(fake.services);
        checkEnterPressesFocusedButton(window, buttonCaptioned(window, "&HELP"), fake.ui,
                                       "Enter your pet's name and select its age.\n"
                                       "Specify if it is a dog or a cat, and change the current date if necessary.\n"
                                       "You can select any year from your pet's past, present or future.");
    }

    void everyFieldHasItsControl()
    {
        furrowen::FurrowenWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
    }

    void aboutNamesTheProgram()
    {
        furrowen::FurrowenWindow window(fake.services);
        fake.ui.boxes.clear();
        window.showAbout();
        QCOMPARE(fake.ui.boxes.size(), std::size_t(1));
        QCOMPARE(fake.ui.boxes[0].caption, std::string("FURROWEN"));
        QVERIFY(fake.ui.boxes[0].text.starts_with("Furrowen 2000\n"));
        QCOMPARE(fake.ui.boxes[0].icon, shell::Icon::Information);
    }

    void maximisingMovesTheWindowInstead()
    {
        furrowen::FurrowenWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(150, 150, 412, 320), "FURROWEN_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(furrowen_window, FurrowenWindowTest);

}  // namespace furrowen_window

#include "furrowen_window.moc"
