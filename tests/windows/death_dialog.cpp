// What needs the real death reading dialog: tooltips, list items, limits, the Enter
// key's default button and the read-only result field.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"
#include "shell/gui/data_exchange.h"
#include "zendary/window/death_dialog.h"
#include "zendary/window/zendary_window.h"

namespace death_dialog {

class DeathDialogTest : public QObject {
    Q_OBJECT

    FakeServices fake;

    static QStringList items(QWidget* widget)
    {
        QStringList out;
        auto* combo = qobject_cast<QComboBox*>(widget);
        for (int i = 0; combo && i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

private slots:
    void controls()
    {
        zendary::Zendary z(fake.services);
        z.data.own.year = 1975;
        zendary::DeathDialog dialog(z);
        QCOMPARE(dialog.windowTitle(), QString("Numerology & Astrology Death Reading"));
        const std::pair<int, const char*> tips[] = {
            {zendary::kDeathNameId, "your name"},
            {zendary::kDeathYearId, "your birth year"},
            {zendary::kDeathMotherNameId, "your mother's name"},
            {zendary::kDeathMotherYearId, "your mother's birth year"},
            {zendary::kDeathFatherNameId, "your father's name"},
            {zendary::kDeathFatherYearId, "your father's birth year"},
            {zendary::kDeathGenderId, "select your gender"},
            {zendary::kDeathColorId, "select your favorite color"},
            {zendary::kDeathNumberId, "select your favorite number"},
            {zendary::kDeathOkId, "calculate death reading"},
        };
        for (auto [id, tip] : tips) {
            QWidget* widget = shell::control(dialog, id);
            QVERIFY2(widget, tip);
            QCOMPARE(widget->toolTip(), QString(tip));
        }
        QCOMPARE(items(shell::control(dialog, zendary::kDeathGenderId)), QStringList({"female", "male"}));
        QCOMPARE(items(shell::control(dialog, zendary::kDeathColorId)),
                 QStringList({"white", "yellow", "green", "brown", "red", "blue", "black"}));
        QCOMPARE(items(shell::control(dialog, zendary::kDeathNumberId)),
                 QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(qobject_cast<QComboBox*>(shell::control(dialog, zendary::kDeathNumberId))->currentIndex(), -1);

        QCOMPARE(qobject_cast<QLineEdit*>(shell::control(dialog, zendary::kDeathNameId))->maxLength(), 150);
        QCOMPARE(qobject_cast<QLineEdit*>(shell::control(dialog, zendary::kDeathYearId))->text(), QString("1975"));
        auto* result = qobject_cast<QLineEdit*>(shell::control(dialog, zendary::kDeathDaysId));
        QVERIFY(result->isReadOnly());
        QCOMPARE(result->text(), QString());
        QVERIFY(qobject_cast<QPushButton*>(shell::control(dialog, 1))->isDefault());
        QCOMPARE(qobject_cast<QPushButton*>(shell::control(dialog, 2))->text(), QString("&EXIT"));
    }

    void enterRunsDeathUnlessAButtonHasTheFocus()
    {
        zendary::Zendary z(fake.services);
        zendary::DeathDialog dialog(z);
        // In a field, Enter is the dialog's OK action: &DEATH, whose first check is the name.
        checkEnterInEditShows(dialog, controlName(zendary::kDeathNameId), fake.ui, "Please enter your full name.    ");
        // On a focused button, Enter presses that button: &EXIT closes the dialog.
        auto* exit = qobject_cast<QPushButton*>(shell::control(dialog, 2));
        exit->setFocus();
        fake.ui.boxes.clear();
        QTest::keyClick(exit, Qt::Key_Return);
        QVERIFY(fake.ui.boxes.empty());
        QVERIFY(!dialog.isVisible());
    }
};

MYSTORIN_WINDOW_TEST(death_dialog, DeathDialogTest);

}  // namespace death_dialog

#include "death_dialog.moc"
