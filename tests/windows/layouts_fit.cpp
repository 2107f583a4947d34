// Every program's fixed layout fits: each caption, label and check box shows its whole
// text, and each control lies inside its parent. CTest runs this at QT_SCALE_FACTOR 1,
// 1.5 and 2, where text is measured at other device pixels than the layout was made at.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include "shell/gui/program.h"
#include "shell/gui/suite_look.h"
#include "tests/support/fake_services.h"
#include "tests/support/suite_programs.h"
#include "tests/support/window_test.h"

const shell::Program& mystorin_program_zendary();

namespace layouts_fit {

QString withoutMnemonics(QString text)
{
    return text.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

// What of the window's text does not fit where it is shown.
QStringList clippedText(QWidget& window)
{
    QStringList problems;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        const QString name = QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
        if (QWidget* parent = widget->parentWidget();
            parent && !widget->isWindow() && !parent->rect().contains(widget->geometry()) &&
            !parent->inherits("QAbstractScrollArea") && !parent->parentWidget()->inherits("QAbstractScrollArea"))
            problems << name + " lies outside its parent";
        const QFontMetrics metrics(widget->font());
        int needed = 0, room = 0;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && !label->wordWrap() && label->pixmap().isNull() && !Qt::mightBeRichText(label->text())) {
            text = withoutMnemonics(label->text());
            needed = metrics.boundingRect(QRect(), Qt::TextExpandTabs, text).width();
            room = label->contentsRect().width();
        } else if (auto* button = qobject_cast<QPushButton*>(widget); button && button->icon().isNull()) {
            text = withoutMnemonics(button->text());
            needed = metrics.horizontalAdvance(text);
            room = button->width() - 2;  // inside the frame
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            auto* button = static_cast<QAbstractButton*>(widget);
            QStyleOptionButton option;
            option.initFrom(button);
            const auto element =
                qobject_cast<QCheckBox*>(widget) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
            text = withoutMnemonics(button->text());
            needed = metrics.horizontalAdvance(text);
            room = button->style()->subElementRect(element, &option, button).width();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = withoutMnemonics(group->title());
            needed = metrics.horizontalAdvance(text);
            room = group->width();
        }
        if (needed > room)
            problems << QString("%1: \"%2\" needs %3 px, has %4").arg(name, text).arg(needed).arg(room);
    }
    return problems;
}

class LayoutsFitTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void initTestCase() { shell::applySuiteLook(mystorin_program_zendary()); }

    void everyMainWindowShowsAllItsText_data() { addSuiteProgramRows(); }

    void everyMainWindowShowsAllItsText()
    {
        QFETCH(const shell::Program*, program);
        std::unique_ptr<QDialog> window = program->makeWindow(fake.services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList problems = clippedText(*window);
        if (!problems.isEmpty())
            QFAIL(qPrintable(QString("at scale %1:\n").arg(qEnvironmentVariable("QT_SCALE_FACTOR", "1")) +
                             problems.join('\n')));
    }
};

MYSTORIN_WINDOW_TEST(layouts_fit, LayoutsFitTest);

}  // namespace layouts_fit

#include "layouts_fit.moc"
