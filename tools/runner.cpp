#include "tools/runner.h"

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif
#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <stdexcept>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "shell/box_text.h"
#include "shell/gui/calendar_export.h"
#include "shell/gui/printable_dialog.h"
#include "tools/program_registry.h"

using shell::Answer;
using shell::Buttons;
using shell::Icon;

namespace {

constexpr QSize kLargestWindow(960 - 2 * 2, 540 - 32 - 30 - 2);

const char* iconName(Icon icon)
{
    switch (icon) {
    case Icon::Information: return "information";
    case Icon::Question: return "question";
    case Icon::Exclamation: return "exclamation";
    case Icon::Stop: return "stop";
    case Icon::None: break;
    }
    return "none";
}

const char* buttonsName(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return "ok";
    case Buttons::YesNo: return "yes-no";
    case Buttons::YesNoCancel: return "yes-no-cancel";
    case Buttons::OkCancel: break;
    }
    return "ok-cancel";
}

const char* answerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return "ok";
    case Answer::Yes: return "yes";
    case Answer::No: return "no";
    case Answer::Cancel: break;
    }
    return "cancel";
}

bool offers(Buttons buttons, Answer answer)
{
    switch (buttons) {
    case Buttons::Ok: return answer == Answer::Ok;
    case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel: return answer != Answer::Ok;
    case Buttons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
    }
    return false;
}

std::string jsonArray(const Output& out, const QStringList& items)
{
    std::string json = "[";
    for (int i = 0; i < items.size(); ++i)
        json += (i ? "," : "") + out.quote(items[i].toStdString());
    return json + "]";
}

}  // namespace

Answer ScriptedUi::message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons)
{
    const Answer answer = runner_.takeAnswer(buttons);
    runner_.output().event({{"event", "box"},
                            {"caption", caption},
                            {"icon", iconName(icon)},
                            {"buttons", buttonsName(buttons)},
                            {"text", text},
                            {"answer", answerName(answer)}});
    if (runner_.takeCopyRequest())
        QApplication::clipboard()->setText(QString::fromStdString(shell::boxClipboardText(caption, text)));
    return answer;
}

int ScriptedUi::exec(QDialog& dialog)
{
    return runner_.runDialog(dialog);
}

void ScriptedLauncher::handOver(const std::string& program)
{
    out_.event(
        {{"event", "exec"}, {"program", program}, {"args", Output::raw("[" + out_.quote(program) + ",\"execv\"]")}});
}

void ScriptedOpener::open(const std::string& file)
{
    out_.event({{"event", "open"}, {"file", file}});
}

void ScriptedOpener::help(const std::string& file)
{
    out_.event({{"event", "help"}, {"file", file}});
}

Runner::Runner(std::istream& script, const QString& root, const QString& docsSource, std::string expected, bool check) :
    script_(script), root_(root), expected_(std::move(expected)), check_(check), paths_(root.toStdString())
{
    out_.setRoot({QDir(root).canonicalPath().toStdString(), root.toStdString()});
    out_.setEcho(!check);
    for (const char* folder : {"data", "config", "docs"})
        QDir(root).mkpath(folder);
    const QDir docs(docsSource);
    for (const QString& name : docs.entryList(QDir::Files))
        QFile::copy(docs.filePath(name), root + "/docs/" + name);
}

void Runner::run()
{
    while (step()) {
    }
    finish(0);
}

void Runner::finish(int code)
{
    if (code == 0 && copyNextBox_) {
        out_.event({{"event", "error"}, {"message", "a copy was left unused"}});
        code = 2;
    }
    if (code == 0 && !answers_.empty()) {
        out_.event({{"event", "error"}, {"message", "an answer was left unused"}});
        code = 2;
    }
    if (check_) {
        const std::string& actual = out_.text();
        if (actual != expected_) {
            std::fputs("--- expected\n", stdout);
            std::fputs(expected_.c_str(), stdout);
            std::fputs("--- actual\n", stdout);
            std::fputs(actual.c_str(), stdout);
            // Point at the first line that differs.
            std::size_t line = 1, i = 0;
            while (i < actual.size() && i < expected_.size() && actual[i] == expected_[i])
                line += actual[i++] == '\n';
            std::printf("--- first difference on line %zu\n", line);
            code = 1;
        } else if (code == 0) {
            std::puts("scenario passed");
        }
    }
    std::fflush(stdout);
    faults_.end();
    QDir(root_).removeRecursively();
#ifdef __SANITIZE_ADDRESS__
    // Leaving without unwinding skips the leak check at exit: it runs here instead, while
    // the open windows are still reachable from the stack.
    __lsan_do_leak_check();
#endif
    // Windows may still be open deep inside handlers: leave without unwinding them.
    std::_Exit(code);
}

void Runner::fail(const std::string& message)
{
    out_.event({{"event", "error"}, {"message", message}});
    finish(2);
}

Answer Runner::takeAnswer(Buttons buttons)
{
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers_.empty())
        fail("a box offering a choice found no answer queued");
    const QueuedAnswer queued = answers_.front();
    answers_.pop_front();
    const Answer answer = queued.answer;
    if (!offers(buttons, answer))
        fail(std::string("the queued answer ") + answerName(answer) + " is not offered by a " + buttonsName(buttons) +
             " box");
    if (!queued.fault.empty())
        cmdFault({queued.line, queued.fault});
    return answer;
}

int Runner::runDialog(QDialog& dialog)
{
    const std::string title = dialog.windowTitle().toStdString();
    const bool isMain = dialog.property("mystorinMainWindow").toBool();
    out_.event({{"event", isMain ? "window" : "dialog"}, {"title", title}});
    windows_.push_back(&dialog);
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    // Every window must fit a 1920x1080 screen at 200 % scaling: 960x540 logical pixels,
    // less a 32-pixel panel, a 30-pixel title bar and 2-pixel borders.
    if (dialog.width() > kLargestWindow.width() || dialog.height() > kLargestWindow.height())
        fail(title + " is " + std::to_string(dialog.width()) + "x" + std::to_string(dialog.height()) +
             ", larger than the " + std::to_string(kLargestWindow.width()) + "x" +
             std::to_string(kLargestWindow.height()) + " a small screen at double scale leaves");
    while (dialog.isVisible()) {
        if (!step())
            finish(0);
    }
    windows_.pop_back();
    out_.event({{"event", "closed"}, {"title", dialog.windowTitle().toStdString()}});
    if (!windows_.empty())
        windows_.back()->activateWindow();
    return dialog.result();
}

bool Runner::step()
{
    std::optional<Command> command;
    try {
        command = script_.next();
    } catch (const std::exception& e) {
        fail(e.what());
    }
    if (!command)
        return false;
    execute(*command);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

QWidget* Runner::topWindow()
{
    if (windows_.empty())
        fail("no window is open");
    return windows_.back();
}

std::string Runner::path(const std::string& rel) const
{
    if (rel.empty() || rel[0] == '/' || rel.find("..") != std::string::npos)
        const_cast<Runner*>(this)->fail("a path must be relative to the root: " + rel);
    return root_.toStdString() + "/" + rel;
}

QWidget* Runner::findControl(const std::string& name)
{
    QWidget* window = topWindow();
    const QString wanted = QString::fromStdString(name);
    bool isId = false;
    wanted.toInt(&isId);
    if (isId) {
        if (auto* widget = window->findChild<QWidget*>(wanted))
            return widget;
        fail("no control " + name);
    }
    const int slash = wanted.indexOf('/');
    if (slash > 0) {
        const QString group = wanted.left(slash), label = wanted.mid(slash + 1);
        for (auto* box : window->findChildren<QGroupBox*>()) {
            if (box->title() != group)
                continue;
            for (auto* text : box->findChildren<QLabel*>())
                if (text->text() == label && text->buddy())
                    return text->buddy();
        }
    }
    for (auto* button : window->findChildren<QAbstractButton*>())
        if (button->text() == wanted)
            return button;
    fail("no control " + name);
}

const std::vector<Runner::CommandSpec>& Runner::commands()
{
    // clang-format off: one command a line
    static const std::vector<CommandSpec> table = {
        {"today", 2, 3, &Runner::cmdToday},
        {"file", 3, 3, &Runner::cmdFile},
        {"remove", 2, 2, &Runner::cmdRemove},
        {"touch", 4, 4, &Runner::cmdTouch},
        {"program", 2, 3, &Runner::cmdProgram},
        {"set", 3, 3, &Runner::cmdSet},
        {"press", 2, 2, &Runner::cmdPress},
        {"close", 1, 1, &Runner::cmdClose},
        {"key", 2, 2, &Runner::cmdKey},
        {"rightclick", 1, 1, &Runner::cmdRightClick},
        {"menu", 2, 2, &Runner::cmdMenu},
        {"pdf", 2, 2, &Runner::cmdPdf},
        {"printto", 2, 2, &Runner::cmdPrintTo},
        {"pdftext", 3, 3, &Runner::cmdPdfText},
        {"answer", 2, 5, &Runner::cmdAnswer},
        {"copy", 1, 1, &Runner::cmdCopy},
        {"show", 2, 2, &Runner::cmdShow},
        {"clipboard", 2, 2, &Runner::cmdClipboard},
        {"cat", 2, 2, &Runner::cmdCat},
        {"ls", 2, 2, &Runner::cmdLs},
        {"fault", 3, 3, &Runner::cmdFault},
        {"intact", 1, 1, &Runner::cmdIntact},
        {"fifo", 2, 2, &Runner::cmdFifo},
        {"link", 3, 3, &Runner::cmdLink},
        {"fill", 4, 4, &Runner::cmdFill},
        {"export", 3, 5, &Runner::cmdExport},
        {"stopwatch", 1, 2, &Runner::cmdStopwatch},
    };
    // clang-format on
    return table;
}

void Runner::execute(const Command& c)
{
    const std::string& verb = c.words[0];
    for (const CommandSpec& command : commands()) {
        if (verb != command.verb)
            continue;
        if (c.words.size() < command.minWords || c.words.size() > command.maxWords)
            fail("line " + std::to_string(c.line) + ": wrong number of words for " + verb);
        (this->*command.handler)(c);
        return;
    }
    fail("line " + std::to_string(c.line) + ": unknown command " + verb);
}

void Runner::cmdToday(const Command& c)
{
    shell::DateTime t;
    if (std::sscanf(c.words[1].c_str(), "%d-%d-%d", &t.year, &t.month, &t.day) != 3)
        fail("line " + std::to_string(c.line) + ": a date is YYYY-MM-DD");
    if (c.words.size() == 3 && std::sscanf(c.words[2].c_str(), "%d:%d:%d", &t.hour, &t.minute, &t.second) != 3)
        fail("line " + std::to_string(c.line) + ": a time is HH:MM:SS");
    clock_.time = t;
}

void Runner::cmdRemove(const Command& c)
{
    const QString target = QString::fromStdString(path(c.words[1]));
    if (!QFile::remove(target))
        QDir(target).removeRecursively();
}

void Runner::cmdClose(const Command&)
{
    topWindow()->close();
}

// answer WORD [fault KIND REL]: the fault is set up while the box is shown.
void Runner::cmdAnswer(const Command& c)
{
    const std::size_t n = c.words.size();
    if (n != 2 && !(n == 5 && c.words[2] == "fault"))
        fail("line " + std::to_string(c.line) + ": answer WORD [fault KIND REL]");
    const std::string& w = c.words[1];
    QueuedAnswer queued{Answer::Ok, {c.words.begin() + 2, c.words.end()}, c.line};
    if (w == "yes")
        queued.answer = Answer::Yes;
    else if (w == "no")
        queued.answer = Answer::No;
    else if (w == "cancel")
        queued.answer = Answer::Cancel;
    else if (w != "ok")
        fail("line " + std::to_string(c.line) + ": unknown answer " + w);
    answers_.push_back(queued);
}

// Ctrl+C in the next box, queued like an answer before the command that shows it.
void Runner::cmdCopy(const Command&)
{
    copyNextBox_ = true;
}

void Runner::cmdClipboard(const Command& c)
{
    QApplication::clipboard()->setText(QString::fromStdString(c.words[1]));
}

void Runner::cmdProgram(const Command& c)
{
    if (!windows_.empty())
        fail("a program is still running");
    const bool withTips = c.words.size() == 3;
    if (withTips && c.words[2] != "with-tips")
        fail("line " + std::to_string(c.line) + ": expected with-tips");
    for (const RegisteredProgram& entry : registeredPrograms()) {
        if (entry.name == c.words[1]) {
            shell::runProgram(entry.program(), services_, true, withTips);
            return;
        }
    }
    fail("no program " + c.words[1]);
}

void Runner::cmdSet(const Command& c)
{
    QWidget* widget = findControl(c.words[1]);
    const QString value = QString::fromStdString(c.words[2]);
    if (!widget->isEnabled()) {
        out_.event({{"event", "disabled"}, {"control", c.words[1]}});
        return;
    }
    widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
        emit edit->textEdited(edit->text());
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        text->setPlainText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = value.isEmpty() ? -1 : combo->findText(value, Qt::MatchExactly);
        if (index < 0 && !value.isEmpty())
            fail("no item " + c.words[2] + " in " + c.words[1]);
        combo->setCurrentIndex(index);
        if (index >= 0)
            emit combo->activated(index);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        const auto found = list->findItems(value, Qt::MatchExactly);
        if (found.isEmpty())
            fail("no item " + c.words[2] + " in " + c.words[1]);
        list->setCurrentItem(found.first());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (c.words[2] != "on" && c.words[2] != "off")
            fail("a check or radio is set on or off");
        if (button->isChecked() != (c.words[2] == "on"))
            button->click();
    } else {
        fail("control " + c.words[1] + " cannot be set");
    }
}

void Runner::cmdPress(const Command& c)
{
    auto* button = qobject_cast<QAbstractButton*>(findControl(c.words[1]));
    if (!button)
        fail("control " + c.words[1] + " is not a button");
    if (!button->isEnabled() || !button->isVisible()) {
        out_.event({{"event", "disabled"}, {"control", c.words[1]}});
        return;
    }
    button->setFocus();
    button->click();
}

void Runner::cmdKey(const Command& c)
{
    QWidget* window = topWindow();
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(c.words[1]));
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        fail("unknown key " + c.words[1]);
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window;
    QTest::keyClick(target, sequence[0].key(), sequence[0].keyboardModifiers());
}

// A right-click on the window's top margin, where no control takes it.
static void openContextMenu(QWidget* window)
{
    const QPoint at(window->width() / 2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
    QApplication::sendEvent(window, &event);
}

void Runner::cmdRightClick(const Command&)
{
    QWidget* window = topWindow();
    // A context menu would wait for a choice: report its entries and close it.
    QTimer::singleShot(0, window, [this] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QStringList items;
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    items << action->text();
            out_.event({{"event", "menu"}, {"items", Output::raw(jsonArray(out_, items))}});
            menu->close();
        }
    });
    openContextMenu(window);
}

void Runner::cmdMenu(const Command& c)
{
    QWidget* window = topWindow();
    const QString wanted = QString::fromStdString(c.words[1]);
    // As a user would: the menu opens, the entry is chosen and the menu closes; the window
    // then runs the entry.
    auto found = std::make_shared<bool>(false);
    QTimer::singleShot(0, window, [found, wanted] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == wanted && action->isEnabled()) {
                *found = true;
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
    openContextMenu(window);
    if (!*found)
        fail("no menu entry " + c.words[1]);
}

void Runner::cmdPdf(const Command& c)
{
    auto* printable = dynamic_cast<shell::PrintableDialog*>(topWindow());
    if (!printable)
        fail("the top window does not print");
    if (!printable->saveAsPdf(QString::fromStdString(path(c.words[1]))))
        fail("cannot write the PDF " + c.words[1]);
    out_.event({{"event", "pdf"}, {"path", c.words[1]}});
}

// printto REL: in the print dialog, the user picks "Print to File (PDF)", names REL and
// presses Print.
void Runner::cmdPrintTo(const Command& c)
{
    auto* dialog = qobject_cast<QPrintDialog*>(topWindow());
    if (!dialog)
        fail("the top window is not the print dialog");
    dialog->printer()->setOutputFileName(QString::fromStdString(path(c.words[1])));
    // done() keeps the printer as set here; accept() would first copy the dialog's own
    // fields (a printer that the test machine may not have) into it.
    dialog->done(QDialog::Accepted);
}

// pdftext REL TEXT: the PDF's text, as pdftotext reads it, holds TEXT; runs of blanks and
// line breaks count as one blank on both sides.
void Runner::cmdPdfText(const Command& c)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {QString::fromStdString(path(c.words[1])), "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0)
        fail("pdftotext could not read " + c.words[1] + " (is poppler-utils installed?)");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    const QString wanted = QString::fromStdString(c.words[2]).simplified();
    if (!text.contains(wanted))
        fail("the PDF's text does not hold \"" + c.words[2] + "\"; it reads: " + text.left(2000).toStdString());
    out_.event({{"event", "pdftext"}, {"path", c.words[1]}, {"holds", c.words[2]}});
}

void Runner::cmdShow(const Command& c)
{
    std::string value;
    // A picture that lists what it shows (the biorhythm chart, the stars calendar): a
    // value for each of its entries.
    if (auto* picture = topWindow()->findChild<QWidget*>(QString::fromStdString(c.words[1]));
        picture && picture->property("listedValues").isValid()) {
        for (const QString& entry : picture->property("listedValues").toStringList())
            out_.event({{"event", "value"}, {"control", c.words[1]}, {"value", entry.toStdString()}});
        showCompatibility(*picture, c.words[1]);
        return;
    }
    if (c.words[1] == "clipboard") {
        value = QApplication::clipboard()->text().toStdString();
    } else {
        QWidget* widget = findControl(c.words[1]);
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            value = edit->text().toStdString();
        else if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            value = text->toPlainText().toStdString();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            value = combo->currentIndex() < 0 ? "" : combo->currentText().toStdString();
        else if (auto* list = qobject_cast<QListWidget*>(widget))
            value = list->currentItem() ? list->currentItem()->text().toStdString() : "";
        else if (auto* bar = qobject_cast<QProgressBar*>(widget))
            value = std::to_string(bar->value());
        else if (auto* label = qobject_cast<QLabel*>(widget))
            value = label->text().toStdString();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            value = button->isChecked() ? "on" : "off";
        else
            fail("control " + c.words[1] + " has no value to show");
    }
    out_.event({{"event", "value"}, {"control", c.words[1]}, {"value", value}});
}

// The compatibility of two people that a picture shows, when it shows one.
void Runner::showCompatibility(const QWidget& picture, const std::string& name)
{
    const QVariant compatibility = picture.property("compatibility");
    if (compatibility.isValid())
        out_.event({{"event", "compatibility"}, {"control", name}, {"value", compatibility.toString().toStdString()}});
}

// export calendar REL [year] [bad] | export critical REL: the export of the top window
// written to REL, as the user would choose it in its dialogs.
void Runner::cmdExport(const Command& c)
{
    auto* exporting = dynamic_cast<shell::CalendarExporting*>(topWindow());
    if (!exporting || c.words[1] != exporting->exportKind())
        fail("line " + std::to_string(c.line) + ": the top window does not export " + c.words[1]);
    shell::ExportChoice choice;
    for (std::size_t i = 3; i < c.words.size(); ++i) {
        if (c.words[i] == "year" && c.words[1] == "calendar")
            choice.twelveMonths = true;
        else if (c.words[i] == "bad" && c.words[1] == "calendar")
            choice.badDays = true;
        else
            fail("line " + std::to_string(c.line) + ": export calendar REL [year] [bad] | export critical REL");
    }
    // A failed write shows its box and leaves the old file; only a written file is told.
    if (exporting->exportCalendar(QString::fromStdString(path(c.words[2])), choice))
        out_.event({{"event", "export"}, {"path", c.words[2]}});
}

void Runner::cmdFile(const Command& c)
{
    const QString target = QString::fromStdString(path(c.words[1]));
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail("cannot write " + c.words[1]);
    file.write(c.words[2].data(), qint64(c.words[2].size()));
}

void Runner::cmdTouch(const Command& c)
{
    std::tm when{};
    if (std::sscanf(c.words[2].c_str(), "%d-%d-%d", &when.tm_year, &when.tm_mon, &when.tm_mday) != 3 ||
        std::sscanf(c.words[3].c_str(), "%d:%d:%d", &when.tm_hour, &when.tm_min, &when.tm_sec) != 3)
        fail("line " + std::to_string(c.line) + ": touch REL YYYY-MM-DD HH:MM:SS");
    when.tm_year -= 1900;
    when.tm_mon -= 1;
    const time_t stamp = timegm(&when);
    const struct utimbuf times {
        stamp, stamp
    };
    if (::utime(path(c.words[1]).c_str(), &times) != 0)
        fail("cannot touch " + c.words[1]);
}

void Runner::cmdCat(const Command& c)
{
    QFile file(QString::fromStdString(path(c.words[1])));
    if (!file.open(QIODevice::ReadOnly))
        fail("no file " + c.words[1]);
    const QByteArray content = file.readAll();
    out_.event({{"event", "file"}, {"path", c.words[1]}, {"content", content.toStdString()}});
}

void Runner::cmdLs(const Command& c)
{
    QStringList names = QDir(QString::fromStdString(path(c.words[1])))
                            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    names.sort();
    out_.event({{"event", "list"}, {"path", c.words[1]}, {"names", Output::raw(jsonArray(out_, names))}});
}

void Runner::cmdFault(const Command& c)
{
    if (const auto problem = faults_.arm(c.words[1], path(c.words[2])))
        fail("line " + std::to_string(c.line) + ": " + *problem);
}

void Runner::cmdIntact(const Command&)
{
    if (!faults_.armed())
        fail("intact without a fault");
    const std::string rel = QDir(root_).relativeFilePath(QString::fromStdString(faults_.path())).toStdString();
    if (const auto change = faults_.intact())
        fail("a failed write changed what it should have kept: " + *change);
    out_.event({{"event", "intact"}, {"path", rel}});
}

void Runner::cmdFifo(const Command& c)
{
    const std::string target = path(c.words[1]);
    QDir().mkpath(QFileInfo(QString::fromStdString(target)).path());
    QFile::remove(QString::fromStdString(target));
    if (::mkfifo(target.c_str(), 0644) != 0)
        fail("cannot make the pipe " + c.words[1]);
}

void Runner::cmdLink(const Command& c)
{
    const std::string target = path(c.words[1]);
    QDir().mkpath(QFileInfo(QString::fromStdString(target)).path());
    QFile::remove(QString::fromStdString(target));
    if (::symlink(c.words[2].c_str(), target.c_str()) != 0)
        fail("cannot make the link " + c.words[1]);
}

void Runner::cmdFill(const Command& c)
{
    bool ok = false;
    const qint64 size = QString::fromStdString(c.words[2]).toLongLong(&ok);
    const std::string& piece = c.words[3];
    if (!ok || size < 0 || piece.empty())
        fail("line " + std::to_string(c.line) + ": fill REL BYTES TEXT");
    const QString target = QString::fromStdString(path(c.words[1]));
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail("cannot write " + c.words[1]);
    QByteArray block;
    while (block.size() < 65536)
        block += QByteArray::fromStdString(piece);
    for (qint64 left = size; left > 0; left -= block.size())
        file.write(block.constData(), std::min<qint64>(left, block.size()));
}

void Runner::cmdStopwatch(const Command& c)
{
    if (c.words.size() == 1) {
        stopwatch_.start();
        return;
    }
    bool ok = false;
    const double seconds = QString::fromStdString(c.words[1]).toDouble(&ok);
    if (!ok || !stopwatch_.isValid())
        fail("line " + std::to_string(c.line) + ": stopwatch, then stopwatch SECONDS");
    const qint64 took = stopwatch_.elapsed();
    if (took >= qint64(seconds * 1000))
        fail("took " + std::to_string(took) + " ms, more than " + c.words[1] + " s");
    out_.event({{"event", "stopwatch"}, {"below", c.words[1] + " s"}});
}
