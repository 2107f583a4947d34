// Everything a program does to the outside world goes through these seams, so that
// tests and the scenario runner can stand in for the desktop. Plain C++ except for the
// forward-declared QDialog that Ui::exec runs.
#pragma once
#include <string>

class QDialog;

namespace shell {

enum class Icon { Information, Question, Exclamation, Stop, None };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Ui {
public:
    virtual ~Ui() = default;
    // A modal message box with no owner; returns the button pressed.
    virtual Answer message(const std::string& caption, const std::string& text, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // Runs a modal dialog (a program's main window included) until it closes;
    // returns QDialog's result code.
    virtual int exec(QDialog& dialog) = 0;

    // Shortcuts for the common boxes.
    void info(const std::string& caption, const std::string& text) { message(caption, text, Icon::Information); }
    void stop(const std::string& caption, const std::string& text) { message(caption, text, Icon::Stop); }
    void warn(const std::string& caption, const std::string& text) { message(caption, text, Icon::Exclamation); }
    bool askYesNo(const std::string& caption, const std::string& text)
    {
        return message(caption, text, Icon::Question, Buttons::YesNo) == Answer::Yes;
    }
    // A result in an information box with a bar filled to `percent` of 100 under its
    // text ("longer bar is better"). Where nothing can be drawn it is the plain box.
    virtual void infoWithBar(const std::string& caption, const std::string& text, int percent)
    {
        (void)percent;
        info(caption, text);
    }
};

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 12, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;  // local date and time
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Replaces this process with the sibling program NAME, arguments NAME and "execv".
    // Returns only when the program could not be started.
    virtual void handOver(const std::string& program) = 0;
};

class Opener {
public:
    virtual ~Opener() = default;
    // Shows a document (or an http(s) web address) in the viewer the desktop associates
    // with it; silent on failure.
    virtual void open(const std::string& file) = 0;
    // Shows a help file in the suite's help window.
    virtual void help(const std::string& file) = 0;
};

class Pacer {
public:
    virtual ~Pacer() = default;
    // A short pause of a progress walk; the window keeps repainting meanwhile.
    virtual void pause(int milliseconds) = 0;
};

class Paths {
public:
    virtual ~Paths() = default;
    virtual std::string dataDir() const = 0;          // saved inputs, reports, program data
    virtual std::string docsDir() const = 0;          // help, tips and read-me files
    virtual std::string configDir() const = 0;        // per-program profiles
    virtual std::string applicationsDir() const = 0;  // the user's freedesktop menu entries
    std::string data(const std::string& rel) const { return dataDir() + "/" + rel; }
    std::string docs(const std::string& rel) const { return docsDir() + "/" + rel; }
};

// The reports this run wrote, so that the last one can be shown again and printed.
class Reports {
public:
    void wrote(const std::string& file) { last_ = file; }
    const std::string& last() const { return last_; }

private:
    std::string last_;
};

// The seams handed to a program at start-up.
struct Services {
    Ui& ui;
    Clock& clock;
    Launcher& launcher;
    Opener& opener;
    Pacer& pacer;
    Paths& paths;
    Reports& reports;
};

}  // namespace shell
