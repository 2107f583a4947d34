// Stand-ins for the seams in unit tests: boxes are recorded and answered from a queue.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "shell/seams.h"

struct RecordedBox {
    std::string caption, text;
    shell::Icon icon;
    shell::Buttons buttons;
};

class FakeUi : public shell::Ui {
public:
    shell::Answer message(const std::string& caption, const std::string& text, shell::Icon icon,
                          shell::Buttons buttons) override
    {
        boxes.push_back({caption, text, icon, buttons});
        if (buttons == shell::Buttons::Ok || answers.empty())
            return buttons == shell::Buttons::Ok ? shell::Answer::Ok : shell::Answer::No;
        const shell::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int exec(QDialog&) override { return 0; }

    std::vector<std::string> captions() const
    {
        std::vector<std::string> out;
        for (const RecordedBox& box : boxes)
            out.push_back(box.caption);
        return out;
    }

    std::vector<RecordedBox> boxes;
    std::deque<shell::Answer> answers;
};

class FakeClock : public shell::Clock {
public:
    shell::DateTime now() const override { return time; }
    shell::DateTime time;
};

class FakeLauncher : public shell::Launcher {
public:
    void handOver(const std::string& program) override { started.push_back(program); }
    std::vector<std::string> started;
};

class FakeOpener : public shell::Opener {
public:
    void open(const std::string& file) override { opened.push_back(file); }
    void help(const std::string& file) override { helped.push_back(file); }
    std::vector<std::string> opened, helped;
};

class FakePacer : public shell::Pacer {
public:
    void pause(int milliseconds) override { paused += milliseconds; }
    int paused = 0;
};

class FakePaths : public shell::Paths {
public:
    explicit FakePaths(std::string root = "/nonexistent") : root(std::move(root)) {}
    std::string dataDir() const override { return root + "/data"; }
    std::string docsDir() const override { return root + "/docs"; }
    std::string configDir() const override { return root + "/config"; }
    std::string applicationsDir() const override { return root + "/applications"; }
    std::string root;
};

struct FakeServices {
    FakeUi ui;
    FakeClock clock;
    FakeLauncher launcher;
    FakeOpener opener;
    FakePacer pacer;
    FakePaths paths;
    shell::Reports reports;
    shell::Services services{ui, clock, launcher, opener, pacer, paths, reports};
};
