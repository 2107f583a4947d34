// Plays a scenario script against a program's real windows, offscreen, with scripted
// seams, and prints what a user would see.
#pragma once
#include <deque>
#include <utility>
#include <string>
#include <vector>

#include <QString>

#include <QElapsedTimer>

#include "tools/file_faults.h"
#include "tools/output.h"
#include "tools/script.h"
#include "shell/seams.h"

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

class ScriptedClock : public shell::Clock {
public:
    shell::DateTime now() const override { return time; }
    shell::DateTime time;
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

class ScriptedPacer : public shell::Pacer {
public:
    void pause(int) override {}
};

class ScriptedPaths : public shell::Paths {
public:
    explicit ScriptedPaths(std::string root) : root_(std::move(root)) {}
    std::string dataDir() const override { return root_ + "/data"; }
    std::string docsDir() const override { return root_ + "/docs"; }
    std::string configDir() const override { return root_ + "/config"; }
    std::string applicationsDir() const override { return root_ + "/applications"; }

private:
    std::string root_;
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
    QWidget* topWindow();
    QWidget* findControl(const std::string& name);
    std::string path(const std::string& rel) const;

    void cmdProgram(const Command& c);
    void cmdSet(const Command& c);
    void cmdPress(const Command& c);
    void cmdKey(const Command& c);
    void cmdRightClick();
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
    void cmdIntact();
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
    ScriptedClock clock_;
    ScriptedLauncher launcher_{out_};
    ScriptedOpener opener_{out_};
    ScriptedPacer pacer_;
    ScriptedPaths paths_;
    shell::Reports reports_;
    shell::Services services_{ui_, clock_, launcher_, opener_, pacer_, paths_, reports_};
};
