// The desktop's result box with a bar: the text as given, the bar at the percentage.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "shell/gui/qt_services.h"
#include "tests/support/window_test.h"

namespace result_bar_box {

class ResultBarBoxTest : public QObject {
    Q_OBJECT

    // Shows the box and reads it while it is open; returns {title, text, bar value}.
    static std::tuple<QString, QString, int> shown(const std::string& text, int percent)
    {
        std::tuple<QString, QString, int> seen{"", "", -1};
        QTimer::singleShot(0, [&seen] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            std::get<0>(seen) = box->windowTitle();
            for (auto* label : box->findChildren<QLabel*>())
                if (!label->text().isEmpty())
                    std::get<1>(seen) = label->text();
            if (auto* bar = box->findChild<QProgressBar*>())
                std::get<2>(seen) = bar->value();
            box->close();
        });
        shell::QtUi ui;
        ui.infoWithBar("LIFE POWER", text, percent);
        return seen;
    }

private slots:
    void barFollowsThePercentage()
    {
        const std::string text = "January 9 2000\n\nYour Life Power is 70% of optimal.     \n";
        const auto [title, shownText, value] = shown(text, 70);
        QCOMPARE(title, QString("LIFE POWER"));
        QCOMPARE(shownText, QString::fromStdString(text));
        QCOMPARE(value, 70);
        QCOMPARE(std::get<2>(shown("x", 100)), 100);
        QCOMPARE(std::get<2>(shown("x", 10)), 10);
    }
};

MYSTORIN_WINDOW_TEST(result_bar_box, ResultBarBoxTest);

}  // namespace result_bar_box

#include "result_bar_box.moc"
