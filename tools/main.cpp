// mystorin-scenario FILE | - | --check FILE.scn
// Plays a scenario script against one program's real windows, offscreen. With --check,
// compares what it printed with FILE.out beside the script.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tools/runner.h"

int main(int argc, char* argv[])
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::cerr << "usage: mystorin-scenario FILE | - | --check FILE.scn\n";
        return 2;
    }
    const std::string scriptName = argv[argc - 1];
    std::ifstream file;
    std::istream* script = &std::cin;
    if (scriptName != "-") {
        file.open(scriptName);
        if (!file) {
            std::cerr << "cannot read " << scriptName << "\n";
            return 2;
        }
        script = &file;
    }
    std::string expected;
    if (check) {
        std::ifstream golden(scriptName.substr(0, scriptName.size() - 4) + ".out");
        std::stringstream text;
        text << golden.rdbuf();
        expected = text.str();
    }

    setenv("TZ", "UTC", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // What the desktop has installed (the suite's own menu entry, say) plays no part.
    setenv("XDG_DATA_HOME", "/nonexistent/mystorin-scenario", 1);
    setenv("XDG_DATA_DIRS", "/nonexistent/mystorin-scenario", 1);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Mystorin");
    // Everything the programs write goes below this root, and the runner removes it as it
    // leaves: without it the programs' folders would become /data... and the removal would
    // take the current folder, so stop before anything is played.
    QTemporaryDir root;
    if (!root.isValid() || !QFileInfo(root.path()).isAbsolute()) {
        std::cerr << "mystorin-scenario: cannot make a temporary folder in " << QDir::tempPath().toStdString() << " ("
                  << root.errorString().toStdString() << "); set TMPDIR to a writable folder\n";
        return 2;
    }
    root.setAutoRemove(false);  // the runner removes it as it leaves
    const QString docs = QCoreApplication::applicationDirPath() + "/../share/mystorin";
    Runner runner(*script, root.path(), docs, expected, check);
    runner.run();
}
