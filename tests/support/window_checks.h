// Checks every program window shares.
#pragma once
#include <string>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <QWidget>

// The object name a control is found by: its id from the program's ControlId enum.
inline QString controlName(int id)
{
    return QString::number(id);
}

// A file a window test reads, written whole; false when it could not be written.
inline bool writeTestFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Maximising moves the window to a fixed place instead. When the environment variable
// PICTURE_VARIABLE names a file, a picture of the window is saved there for a look by eye.
inline void checkMaximisingMovesTo(QWidget& window, const QRect& place, const char* pictureVariable)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(window.geometry(), place);
    if (qEnvironmentVariableIsSet(pictureVariable))
        window.grab().save(qEnvironmentVariable(pictureVariable));
    QVERIFY(!(window.windowState() & Qt::WindowMaximized));
}

// The push button with the given caption, or null.
inline QPushButton* buttonCaptioned(QWidget& window, const QString& caption)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

// Enter in the edit with the given id runs the window's default action, whose first check
// shows exactly one box with `text`; the window stays open.
template <typename Ui>
void checkEnterInEditShows(QWidget& window, const QString& editId, Ui& ui, const std::string& text)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ui.boxes.clear();
    QTest::keyClick(window.findChild<QLineEdit*>(editId), Qt::Key_Return);
    QCOMPARE(ui.boxes.size(), std::size_t(1));
    QCOMPARE(ui.boxes[0].text, text);
    QVERIFY(window.isVisible());
}

// Enter on a focused button presses that button, not the window's default action:
// `pressed` is what that button's press shows first.
template <typename Ui>
void checkEnterPressesFocusedButton(QWidget& window, QPushButton* button, Ui& ui, const std::string& pressed)
{
    QVERIFY(button);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->setFocus();
    ui.boxes.clear();
    QTest::keyClick(button, Qt::Key_Return);
    QVERIFY(!ui.boxes.empty());
    QCOMPARE(ui.boxes[0].text, pressed);
}
