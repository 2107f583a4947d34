// Plays a scenario script against a program's real windows, offscreen, with scripted
// seams, and prints what a user would see.
#pragma once
#include <deque>
#include <utility>
#include <string>
#include <vector>

#include <QString>

#include <QElapsedTimer>

#include "shell/seams.h"
#include "tests/support/fake_services.h"
#include "tools/file_faults.h"
#include "tools/output.h"
#include "tools/script.h"

class QDialog;
class QWidget;

class Runner;

class ScriptedUi : public shell::Ui {
public:
    explicit ScriptedUi(Runner& runner) : runner_(runner) {}
    shell::Answer message(const std::string& caption, const std::string& text, shell::Icon icon,
                          shell::Buttons buttons) override;
    int exec(QDialog& dialog) override;

private:
    Runner& runner_;
};

class ScriptedLauncher : public shell::Launcher {
public:
    explicit ScriptedLauncher(Output& out) : out_(out) {}
    void handOver(const std::string& program) override;

private:
    Output& out_;
};

class ScriptedOpener : public shell::Opener {
public:
    explicit ScriptedOpener(Output& out) : out_(out) {}
    void open(const std::string& file) override;
    void help(const std::string& file) override;

private:
    Output& out_;
};

class Runner {
public:
    // `expected`: the golden output to compare with at the end, or empty to just print.
    Runner(std::istream& script, const QString& root, const QString& docsSource, std::string expected, bool check);

    // Plays the whole script; never returns.
    [[noreturn]] void run();

    // Called by the scripted Ui.
    shell::Answer takeAnswer(shell::Buttons buttons);
    bool takeCopyRequest() { return std::exchange(copyNextBox_, false); }
    int runDialog(QDialog& dialog);
    Output& output() { return out_; }
    [[noreturn]] void fail(const std::string& message);

private:
    bool step();  // one command; false at the end of the script
    [[noreturn]] void finish(int code);
    void execute(const Command& command);
    // One command of the script language: its word, how many words it takes (itself
    // included), and what it does.
    struct CommandSpec {
        const char* verb;
        std::size_t minWords, maxWords;
        void (Runner::*handler)(const Command&);
    };
    static const std::vector<CommandSpec>& commands();
    QWidget* topWindow();
    QWidget* findControl(const std::string& name);
    std::string path(const std::string& rel) const;

    void cmdToday(const Command& c);
    void cmdRemove(const Command& c);
    void cmdClose(const Command& c);
    void cmdAnswer(const Command& c);
    void cmdCopy(const Command& c);
    void cmdClipboard(const Command& c);
    void cmdProgram(const Command& c);
    void cmdSet(const Command& c);
    void cmdPress(const Command& c);
    void cmdKey(const Command& c);
    void cmdRightClick(const Command& c);
    void cmdMenu(const Command& c);
    void cmdPdf(const Command& c);
    void cmdPdfText(const Command& c);
    void cmdPrintTo(const Command& c);
    void cmdShow(const Command& c);
    void cmdFile(const Command& c);
    void cmdTouch(const Command& c);
    void cmdCat(const Command& c);
    void cmdLs(const Command& c);
    void cmdFault(const Command& c);
    void cmdIntact(const Command& c);
    void cmdFifo(const Command& c);
    void cmdLink(const Command& c);
    void cmdFill(const Command& c);
    void cmdExport(const Command& c);
    void showCompatibility(const QWidget& picture, const std::string& name);
    void cmdStopwatch(const Command& c);

    Script script_;
    QString root_;
    std::string expected_;
    bool check_;
    Output out_;
    bool copyNextBox_ = false;
    struct QueuedAnswer {
        shell::Answer answer;
        std::vector<std::string> fault;  // "KIND REL" to set up as the box is answered
        int line = 0;
    };
    std::deque<QueuedAnswer> answers_;
    std::vector<QDialog*> windows_;
    FileFaults faults_;
    QElapsedTimer stopwatch_;

    ScriptedUi ui_{*this};
    FakeClock clock_;
    ScriptedLauncher launcher_{out_};
    ScriptedOpener opener_{out_};
    FakePacer pacer_;
    FakePaths paths_;
    shell::Reports reports_;
    shell::Services services_{ui_, clock_, launcher_, opener_, pacer_, paths_, reports_};
};
