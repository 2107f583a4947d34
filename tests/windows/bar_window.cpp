// The launcher's window: the two columns of program buttons, the keyboard, the
// maximise rule and where a right-click asks its question.
#include <QContextMenuEvent>
#include <QPushButton>
#include <QTest>

#include "bar/bar_window.h"
#include "bar/launcher_table.h"

namespace {

struct RecordingUi : shell::Ui {
    std::vector<std::string> captions;
    shell::Answer message(const std::string& caption, const std::string&, shell::Icon, shell::Buttons) override
    {
        captions.push_back(caption);
        return shell::Answer::No;
    }
    int exec(QDialog& dialog) override { return dialog.exec(); }
};
struct NoClock : shell::Clock {
    shell::DateTime now() const override { return {}; }
};
struct RecordingLauncher : shell::Launcher {
    std::vector<std::string> started;
    void handOver(const std::string& program) override { started.push_back(program); }
};
struct NoOpener : shell::Opener {
    void open(const std::string&) override {}
    void help(const std::string&) override {}
};
struct NoPacer : shell::Pacer {
    void pause(int) override {}
};
struct TempPaths : shell::Paths {
    std::string dataDir() const override { return "/nonexistent/data"; }
    std::string docsDir() const override { return "/nonexistent/docs"; }
    std::string configDir() const override { return "/nonexistent/config"; }
    std::string applicationsDir() const override { return "/nonexistent/applications"; }
};

QPushButton* button(QWidget& window, int id)
{
    auto* found = window.findChild<QPushButton*>(QString::number(id));
    if (!found)
        qFatal("no button %d", id);
    return found;
}

}  // namespace

class BarWindowTest : public QObject {
    Q_OBJECT

    RecordingUi ui;
    NoClock clock;
    RecordingLauncher launcher;
    NoOpener opener;
    NoPacer pacer;
    TempPaths paths;
    shell::Services services{ui, clock, launcher, opener, pacer, paths};

private slots:
    void init()
    {
        ui.captions.clear();
        launcher.started.clear();
    }

    void programButtonsStandInTwoColumnsWithTheirTooltips()
    {
        bar::BarWindow window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto table = bar::LauncherButtonTable();
        QCOMPARE(table.size(), 10u);
        QPushButton* first = button(window, table[0].id);
        QPushButton* sixth = button(window, table[5].id);
        QVERIFY(sixth->x() > first->x() + first->width());
        for (std::size_t i = 0; i < table.size(); ++i) {
            QPushButton* b = button(window, table[i].id);
            QCOMPARE(b->text(), QString(table[i].caption));
            QCOMPARE(b->toolTip(), QString(table[i].tooltip));
            QCOMPARE(b->x(), (i < 5 ? first : sixth)->x());
            if (i % 5)
                QVERIFY(b->y() > button(window, table[i - 1].id)->y());
        }
        // Updates and Support sit below both columns.
        const int columnsBottom = button(window, table[4].id)->geometry().bottom();
        QVERIFY(button(window, bar::kUpdatesButton)->y() > columnsBottom);
        QVERIFY(button(window, bar::kSupportButton)->y() > columnsBottom);
        QCOMPARE(button(window, bar::kUpdatesButton)->toolTip(), QString("check our web site for updates"));
        QCOMPARE(button(window, bar::kSupportButton)->toolTip(), QString("software support"));
    }

    void everyButtonHasAMnemonicOfItsOwn()
    {
        bar::BarWindow window(services);
        QSet<QChar> letters;
        const auto buttons = window.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 12);
        for (QPushButton* b : buttons) {
            const int amp = b->text().indexOf('&');
            QVERIFY2(amp >= 0, qPrintable(b->text()));
            letters.insert(b->text().at(amp + 1).toLower());
        }
        QCOMPARE(letters.size(), 12);
    }

    void enterStartsTheMainProgramAndTheLauncherStays()
    {
        bar::BarWindow window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(button(window, 1)->isDefault());
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(launcher.started, (std::vector<std::string>{"zendary"}));
        QVERIFY(window.isVisible());  // the hand-over came back: the launcher stays
    }

    void maximisingMovesTheWindowInstead()
    {
        bar::BarWindow window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(Qt::WindowMaximized);
        QTRY_COMPARE(window.geometry(), QRect(150, 150, 422, 202));
        if (qEnvironmentVariableIsSet("BAR_WINDOW_PICTURE"))
            window.grab().save(qEnvironmentVariable("BAR_WINDOW_PICTURE"));
        QVERIFY(!(window.windowState() & Qt::WindowMaximized));
    }

    void rightClickAsksOnTheSurfaceOnly()
    {
        bar::BarWindow window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPushButton* zendary = button(window, 1);
        const QPoint onButton = zendary->geometry().center();
        QContextMenuEvent overButton(QContextMenuEvent::Mouse, onButton, window.mapToGlobal(onButton));
        QApplication::sendEvent(zendary, &overButton);
        QVERIFY(ui.captions.empty());

        const QPoint onPicture(window.width() / 2, 2);
        QContextMenuEvent overPicture(QContextMenuEvent::Mouse, onPicture, window.mapToGlobal(onPicture));
        QApplication::sendEvent(&window, &overPicture);
        QCOMPARE(ui.captions, (std::vector<std::string>{"ZENDARY"}));
    }
};

QTEST_MAIN(BarWindowTest)
#include "bar_window.moc"
