// Every window and dialog of every program as assistive technology gets it, walked through
// QAccessible: each control a user works with has a name, no two controls of one window share
// one, no button is read only as a short code, no two controls take the same Alt key, Tab
// reaches every control that takes the focus, and a reading that answers in controls exposes
// its result as their value. (That the change is announced is checked over the real
// accessibility bus, tests/accessibility: offscreen, Qt delivers no accessibility events.)
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ballora/window/ballora_window.h"
#include "kismora/window/analysis_dialog.h"
#include "kismora/window/date_book_dialog.h"
#include "kismora/window/kismora_window.h"
#include "kismora/window/profile_dialog.h"
#include "pulsara/window/chart_dialog.h"
#include "pulsara/window/partner_dialog.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/document_viewer.h"
#include "shell/gui/help_window.h"
#include "shell/gui/program.h"
#include "shell/gui/tip_dialog.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"
#include "tests/support/suite_programs.h"
#include "tests/support/window_test.h"
#include "zendary/window/death_dialog.h"
#include "zendary/window/stars_calendar_dialog.h"
#include "zendary/window/zendary_window.h"

const shell::Program& mystorin_program_pulsara();
const shell::Program& mystorin_program_ballora();

namespace accessibility {

// The roles of the controls a user works with or reads a result from.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ProgressBar:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown: return true;
    default: return false;
    }
}

// The window's controls, as the accessibility tree holds them (a control's own parts, such as
// a list's items or a drop-down's edit, are part of that control).
void collect(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (isControl(child->role()))
            found.push_back(child);
        else
            collect(child, found);
    }
}

std::vector<QAccessibleInterface*> controlsOf(QWidget& window)
{
    std::vector<QAccessibleInterface*> found;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window))
        collect(root, found);
    return found;
}

QString describe(QAccessibleInterface* control)
{
    QObject* object = control->object();
    return QString("%1 \"%2\" (%3)")
        .arg(object ? object->metaObject()->className() : "?", object ? object->objectName() : QString(),
             control->text(QAccessible::Name));
}

int letters(const QString& text)
{
    int count = 0;
    for (QChar c : text)
        count += c.isLetter() ? 1 : 0;
    return count;
}

// Names: none missing, none shared, no button read only by a code of four letters or fewer.
QStringList nameProblems(QWidget& window)
{
    QStringList problems;
    QMap<QString, int> uses;
    for (QAccessibleInterface* control : controlsOf(window)) {
        const QString name = control->text(QAccessible::Name).trimmed();
        if (name.isEmpty())
            problems << "no name: " + describe(control);
        else
            ++uses[name];
        auto* button = qobject_cast<QAbstractButton*>(control->object());
        if (button && button->accessibleName().isEmpty() && letters(button->text()) <= 4)
            problems << "read only by its caption: " + describe(control);
    }
    for (auto use = uses.cbegin(); use != uses.cend(); ++use)
        if (use.value() > 1)
            problems << QString("%1 controls named \"%2\"").arg(use.value()).arg(use.key());
    return problems;
}

// Captions that have always shared their Alt key, kept as the window shows them: Alt+A
// moves between the two, as Alt does for any shared key.
const QStringList kSharedOfOld = {"&Add Note", "&Analyze"};

// Alt keys: every caption, label and frame title that takes one takes its own.
QStringList mnemonicProblems(QWidget& window)
{
    QMap<QKeySequence, QStringList> keys;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window)
            continue;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            text = label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            text = group->title();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys[key] << text;
    }
    QStringList problems;
    for (auto key = keys.cbegin(); key != keys.cend(); ++key)
        if (key.value().size() > 1 && key.value() != kSharedOfOld)
            problems << key.key().toString() + " is taken by " + key.value().join(", ");
    return problems;
}

// The focus positions Tab visits from the first, in order, once round.
QWidgetList tabWalk(QWidget& window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return {};
    QWidgetList visited;
    QWidget* first = QApplication::focusWidget();
    if (!first)
        return {};
    // A text with links keeps the focus while Tab goes from link to link, then passes it on.
    QWidget* current = first;
    visited << first;
    for (int i = 0; i < 300; ++i) {
        QWidget* before = current;
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
        if (current == before)
            continue;
        if (!current || current == first || visited.contains(current))
            break;
        visited << current;
    }
    return visited;
}

// Every control that takes the focus is reached by Tab; a read-only result field is too.
QStringList tabProblems(QWidget& window)
{
    const QWidgetList visited = tabWalk(window);
    QStringList problems;
    for (QAccessibleInterface* control : controlsOf(window)) {
        auto* widget = qobject_cast<QWidget*>(control->object());
        if (!widget || !widget->isEnabled())
            continue;
        auto* edit = qobject_cast<QLineEdit*>(widget);
        const bool takesTab = widget->focusPolicy() & Qt::TabFocus;
        if ((takesTab || (edit && edit->isReadOnly())) && !visited.contains(widget))
            problems << "Tab never reaches " + describe(control);
    }
    window.hide();
    return problems;
}

QStringList allProblems(QWidget& window)
{
    // A hidden window's controls are invisible to assistive technology: they are read shown.
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {"the window is not shown"};
    QStringList problems = nameProblems(window);
    problems += mnemonicProblems(window);
    problems += tabProblems(window);  // last: it hides the window
    return problems;
}

class AccessibilityTest : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    FakeServices fake;

    void expectNoProblems(QWidget& window)
    {
        const QStringList problems = allProblems(window);
        if (!problems.isEmpty())
            QFAIL(qPrintable(window.windowTitle() + ":\n" + problems.join('\n')));
    }

private slots:
    void initTestCase() { fake.paths.root = root.path().toStdString(); }

    void mainWindows_data() { addSuiteProgramRows(); }

    void mainWindows()
    {
        QFETCH(const shell::Program*, program);
        std::unique_ptr<QDialog> window = program->makeWindow(fake.services);
        expectNoProblems(*window);
    }

    void tipsOfTheDay_data() { mainWindows_data(); }

    void tipsOfTheDay()
    {
        QFETCH(const shell::Program*, program);
        if (!program->tips)
            QSKIP("this program shows no tips");
        shell::TipDialog tip(*program->tips, fake.paths, program->name);
        expectNoProblems(tip);
    }

    void zendaryDialogs()
    {
        zendary::Zendary z(fake.services);
        zendary::DeathDialog death(z);
        expectNoProblems(death);
        const numerology::StarNumbers stars = numerology::ComputeStarNumbers({1, 1, 1900}, {1, 1, 1900}, {1, 1, 1900});
        zendary::StarsCalendarDialog calendar(fake.ui, stars, {12, 25, 2001});
        expectNoProblems(calendar);
    }

    void kismoraDialogs()
    {
        for (auto kind : {kismora::ProfileKind::Personal, kismora::ProfileKind::Selection,
                          kismora::ProfileKind::NewDate, kismora::ProfileKind::EditDate}) {
            kismora::ProfileDialog profile(fake.services, kind, "Cy");
            expectNoProblems(profile);
        }
        kismora::DateBookDialog book(fake.services);
        expectNoProblems(book);
        kismora::AnalysisDialog analysis(fake.services, "Cy");
        expectNoProblems(analysis);
        kismora::NoteDialog note(fake.services, "Cy", "Today - Analyzing Cy");
        expectNoProblems(note);
    }

    void chartViewerAndHelp()
    {
        pulsara::ChartDialog chart(fake.ui, "A", {1, 1, 2000}, {3, 1, 2000});
        expectNoProblems(chart);
        pulsara::PartnerDialog partner(fake.ui);
        expectNoProblems(partner);
        const QString report = root.filePath("report.txt");
        QVERIFY(writeTestFile(report, "Ballora Report For: anna lee\n"));
        shell::DocumentViewer viewer(fake.ui, report);
        expectNoProblems(viewer);
        const QString help = root.filePath("help.html");
        QVERIFY(writeTestFile(help, "<h1>Help</h1><p>See <a href=\"#x\">this</a>.</p>"));
        const QWidgetList before = QApplication::topLevelWidgets();
        shell::showHelpWindow(help);
        QWidget* window = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (!before.contains(widget) && widget->isVisible())
                window = widget;
        QVERIFY(window);
        expectNoProblems(*window);
        window->close();
    }

    // The problems the checks above exist for, each made on purpose, are found.
    void theChecksFindWhatTheyLookFor()
    {
        QDialog window;
        auto* edit = new QLineEdit(&window);
        auto* code = new QPushButton("LOV", &window);
        auto* print = new QPushButton("&Print...", &window);
        auto* pdf = new QPushButton("Save as &PDF...", &window);
        auto* one = new QLineEdit(&window);
        auto* two = new QLineEdit(&window);
        one->setAccessibleName("Year");
        two->setAccessibleName("Year");
        auto* result = new QLineEdit(&window);
        result->setAccessibleName("Result");
        result->setReadOnly(true);
        result->setFocusPolicy(Qt::NoFocus);
        for (QWidget* widget : std::initializer_list<QWidget*>{edit, code, print, pdf, one, two, result})
            widget->move(0, 0);
        const QString problems = allProblems(window).join('\n');
        QVERIFY2(problems.contains("no name: QLineEdit"), qPrintable(problems));
        QVERIFY2(problems.contains("read only by its caption: QPushButton \"\" (LOV)"), qPrintable(problems));
        QVERIFY2(problems.contains("2 controls named \"Year\""), qPrintable(problems));
        QVERIFY2(problems.contains("Alt+P is taken by"), qPrintable(problems));
        QVERIFY2(problems.contains("Tab never reaches QLineEdit \"\" (Result)"), qPrintable(problems));
    }

    // The profile starts on Name, then its picture; the death dialog's Tab follows its picture.
    void readingOrder()
    {
        kismora::ProfileDialog profile(fake.services, kismora::ProfileKind::Personal);
        const QWidgetList order = tabWalk(profile);
        QVERIFY(order.size() > 2);
        QCOMPARE(order[0], shell::control(profile, kismora::kNameId));
        QCOMPARE(order[1], shell::control(profile, kismora::kPictureId));

        zendary::Zendary z(fake.services);
        zendary::DeathDialog death(z);
        const QWidgetList deathOrder = tabWalk(death);
        const auto at = [&](int id) { return deathOrder.indexOf(shell::control(death, id)); };
        QVERIFY(at(zendary::kDeathOkId) >= 0);
        QCOMPARE(at(zendary::kDeathDaysId), at(zendary::kDeathOkId) + 1);
        QCOMPARE(at(zendary::kDeathExitId), at(zendary::kDeathDaysId) + 1);
    }

    // A reading that answers in controls exposes the result as their value.
    void resultsAreTheControlsValues()
    {
        std::unique_ptr<QDialog> ballora = mystorin_program_ballora().makeWindow(fake.services);
        ballora->show();
        QVERIFY(QTest::qWaitForWindowExposed(ballora.get()));
        using namespace ballora;
        const std::pair<int, const char*> inputs[] = {{kBirthMonthId, "3"},
                                                      {kBirthDayId, "14"},
                                                      {kBirthYearId, "1970"},
                                                      {kFirstNameId, "Alex"},
                                                      {kLastNameId, "Cole"}};
        for (auto [id, text] : inputs)
            if (QWidget* widget = shell::control(*ballora, id))
                shell::setControlText(*widget, text);
        auto* max = qobject_cast<QComboBox*>(shell::control(*ballora, kMaxNumberId));
        QVERIFY(max);
        max->setCurrentIndex(max->count() - 1);
        fake.ui.answers = {shell::Answer::Yes};
        buttonCaptioned(*ballora, "&Calculate")->click();
        int shown = 0;
        for (QAccessibleInterface* control : controlsOf(*ballora)) {
            if (!control->text(QAccessible::Name).startsWith("Lottery number "))
                continue;
            const QString value = control->textInterface()->text(0, control->textInterface()->characterCount());
            QVERIFY2(value.toInt() > 0, qPrintable(describe(control) + " shows " + value));
            ++shown;
        }
        QCOMPARE(shown, 6);

        std::unique_ptr<QDialog> pulsara = mystorin_program_pulsara().makeWindow(fake.services);
        pulsara->show();
        QVERIFY(QTest::qWaitForWindowExposed(pulsara.get()));
        for (QProgressBar* meter : pulsara->findChildren<QProgressBar*>()) {
            meter->setValue(37);
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(meter);
            QVERIFY(!control->text(QAccessible::Name).isEmpty());
            QCOMPARE(control->valueInterface()->currentValue().toInt(), 37);
        }
    }
};

MYSTORIN_WINDOW_TEST(accessibility, AccessibilityTest);

}  // namespace accessibility

#include "accessibility.moc"
