// Checks every program window shares.
#pragma once
#include <QRect>
#include <QTest>
#include <QWidget>

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
