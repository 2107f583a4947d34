#include "shell/gui/qt_services.h"

#include <unistd.h>

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QStandardPaths>
#include <QStyle>
#include <QThread>
#include <QUrl>

#include "shell/box_text.h"
#include "shell/gui/document_viewer.h"
#include "shell/gui/help_window.h"

namespace shell {

namespace {

// Ctrl+C anywhere in a message box copies its caption and text, whatever has the focus
// (a selectable label would otherwise copy only its selection, which is usually empty).
class BoxCopier : public QObject {
public:
    BoxCopier(QWidget& box, std::string caption, std::string text) :
        box_(box), caption_(std::move(caption)), text_(std::move(text))
    {
        qApp->installEventFilter(this);
    }
    ~BoxCopier() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!key || !widget || widget->window() != &box_ ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress)
            QApplication::clipboard()->setText(QString::fromStdString(boxClipboardText(caption_, text_)));
        return true;
    }

private:
    QWidget& box_;
    std::string caption_, text_;
};

}  // namespace

Answer QtUi::message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Question, QMessageBox::Warning,
                                              QMessageBox::Critical, QMessageBox::NoIcon};
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    switch (buttons) {
    case Buttons::Ok: break;
    case Buttons::YesNo: standard = QMessageBox::Yes | QMessageBox::No; break;
    case Buttons::YesNoCancel: standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case Buttons::OkCancel: standard = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QMessageBox box(icons[static_cast<int>(icon)], QString::fromStdString(caption), QString::fromStdString(text),
                    standard);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setWindowModality(Qt::ApplicationModal);
    const BoxCopier copier(box, caption, text);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    // Escape on a box without Cancel counts as its last button.
    return buttons == Buttons::OkCancel ? Answer::Cancel : Answer::Ok;
}

int QtUi::exec(QDialog& dialog)
{
    return dialog.exec();
}

void QtUi::infoWithBar(const std::string& caption, const std::string& text, int percent)
{
    QDialog box;
    box.setWindowTitle(QString::fromStdString(caption));
    box.setWindowModality(Qt::ApplicationModal);
    auto* icon = new QLabel(&box);
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(box.style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, &box).pixmap(size, size));
    auto* label = new QLabel(QString::fromStdString(text), &box);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* bar = new QProgressBar(&box);
    bar->setRange(0, 100);
    bar->setValue(std::clamp(percent, 0, 100));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* grid = new QGridLayout(&box);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(label, 0, 1);
    grid->addWidget(bar, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    const BoxCopier copier(box, caption, text);
    box.exec();
}

DateTime SystemClock::now() const
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

void ExecLauncher::handOver(const std::string& program)
{
    const QByteArray path =
        QFile::encodeName(QCoreApplication::applicationDirPath() + "/" + QString::fromStdString(program));
    std::string name = program;  // execv wants writable words
    char execv_word[] = "execv";
    char* const argv[] = {name.data(), execv_word, nullptr};
    ::execv(path.constData(), argv);  // returns only when the program is not there
}

void DesktopOpener::open(const std::string& file)
{
    // A web address (the launcher's updates page) goes to the browser as it is.
    const QString target = QString::fromStdString(file);
    const bool web = target.startsWith("https://") || target.startsWith("http://");
    if (web) {
        QDesktopServices::openUrl(QUrl(target));
        return;
    }
    // Where the desktop has no viewer for it, the document opens in the suite's own.
    if (!desktopCanOpen(target) || !QDesktopServices::openUrl(QUrl::fromLocalFile(target)))
        showInOwnViewer(ui_, target);
}

void DesktopOpener::help(const std::string& file)
{
    showHelpWindow(QString::fromStdString(file));
}

void SleepPacer::pause(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    } while (timer.elapsed() < milliseconds);
}

StandardPaths::StandardPaths()
{
    const QString home = qEnvironmentVariable("MYSTORIN_HOME");
    data_ =
        (home.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Mystorin" : home)
            .toStdString();
    // Programs live in PREFIX/libexec/mystorin, their documents in PREFIX/share/mystorin.
    docs_ = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../../share/mystorin").toStdString();
    config_ = (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Mystorin").toStdString();
    applications_ = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation).toStdString();
}

}  // namespace shell
