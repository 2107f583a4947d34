// Drives the suite's real programs from inside their own processes for the hand-over
// test (handover_test.sh). Loaded into every process of an exec chain by LD_PRELOAD, it
// hooks the start of the application object and then, every 50 ms:
//   - logs "window TITLE" when a new top-most modal window has come up, and
//   - plays the next step of $MYSTORIN_DRIVE against it: "press ID" clicks the button
//     with that numeric id, "close" closes the window as the close box does.
// Each process start is logged as "start PID ARGUMENTS". Steps are ';'-separated and
// taken from the front of the variable, which is rewritten before the step runs; an
// execv hands the environment on, so the program that replaces this one carries on
// with the steps that remain. The log goes to $MYSTORIN_DRIVE_LOG, written line by line
// without buffering so that nothing is lost when the process image is replaced.
#include <fcntl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QGuiApplication>
#include <QTimer>

namespace {

void logLine(const QString& line)
{
    const QByteArray path = qgetenv("MYSTORIN_DRIVE_LOG");
    const int fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const QByteArray bytes = line.toUtf8() + '\n';
    [[maybe_unused]] const ssize_t written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    ::close(fd);
}

QPointer<QWidget> lastWindow;

void step()
{
    QWidget* top = QApplication::activeModalWidget();
    if (!top || !top->isVisible())
        return;
    const QString title = top->windowTitle();
    if (top != lastWindow) {
        lastWindow = top;
        logLine("window " + title);
        return;  // act on the next tick, once the window has settled
    }
    const QByteArray steps = qgetenv("MYSTORIN_DRIVE");
    if (steps.isEmpty())
        return;
    const int end = steps.indexOf(';');
    const QString current = QString::fromUtf8(end < 0 ? steps : steps.left(end)).trimmed();
    qputenv("MYSTORIN_DRIVE", end < 0 ? QByteArray() : steps.mid(end + 1));
    if (current.startsWith("press ")) {
        const QString id = current.mid(6);
        logLine("press " + id + " in " + title);
        if (auto* button = top->findChild<QAbstractButton*>(id))
            button->click();
        else
            logLine("no button " + id);
    } else if (current == "close") {
        logLine("close " + title);
        top->close();
    } else {
        logLine("unknown step " + current);
    }
}

void startDriving()
{
    // A program first reads its command line with a plain core application; the one to
    // drive is the one that shows windows.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    logLine(QString("start %1 %2").arg(::getpid()).arg(QCoreApplication::arguments().join(' ')));
    // Posted, so the timers start once the event loop of the first window runs.
    QMetaObject::invokeMethod(
        qApp,
        [] {
            auto* timer = new QTimer(qApp);
            QObject::connect(timer, &QTimer::timeout, qApp, &step);
            timer->start(50);
            QTimer::singleShot(15000, qApp, [] {
                logLine("timeout");
                ::_exit(3);
            });
        },
        Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriving)
