// The desktop's side of the seams: Qt message boxes, the local clock, execv, the
// desktop's viewers, real pauses and the standard folders.
#pragma once
#include "shell/seams.h"

namespace shell {

class QtUi : public Ui {
public:
    Answer message(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override;
    int exec(QDialog& dialog) override;
    void infoWithBar(const std::string& caption, const std::string& text, int percent) override;
};

class SystemClock : public Clock {
public:
    DateTime now() const override;
};

class ExecLauncher : public Launcher {
public:
    void handOver(const std::string& program) override;
};

class DesktopOpener : public Opener {
public:
    explicit DesktopOpener(Ui& ui) : ui_(ui) {}
    void open(const std::string& file) override;
    void help(const std::string& file) override;

private:
    Ui& ui_;  // for the suite's own viewer
};

class SleepPacer : public Pacer {
public:
    void pause(int milliseconds) override;
};

// $MYSTORIN_HOME or ~/.local/share/Mystorin for data, share/mystorin beside the
// executable's folder for documents, the XDG config folder for profiles.
class StandardPaths : public Paths {
public:
    StandardPaths();
    std::string dataDir() const override { return data_; }
    std::string docsDir() const override { return docs_; }
    std::string configDir() const override { return config_; }
    std::string applicationsDir() const override { return applications_; }

private:
    std::string data_, docs_, config_, applications_;
};

class QtServices {
public:
    Services& services() { return services_; }

private:
    QtUi ui_;
    SystemClock clock_;
    ExecLauncher launcher_;
    DesktopOpener opener_{ui_};
    SleepPacer pacer_;
    StandardPaths paths_;
    Reports reports_;
    Services services_{ui_, clock_, launcher_, opener_, pacer_, paths_, reports_};
};

}  // namespace shell
