// The main of the window tests: the environment QTEST_MAIN sets up for a widget test, then
// the one class named on the command line.
#include <cstdio>
#include <map>
#include <string>

#include <QApplication>
#include <QTest>

#include "tests/support/window_test.h"

static std::map<std::string, WindowTestFactory>& registry()
{
    static std::map<std::string, WindowTestFactory> tests;
    return tests;
}

bool registerWindowTest(const char* name, WindowTestFactory factory)
{
    return registry().emplace(name, std::move(factory)).second;
}

int main(int argc, char* argv[])
{
    const auto found = argc > 1 ? registry().find(argv[1]) : registry().end();
    if (found == registry().end()) {
        std::fprintf(stderr, "usage: %s NAME [Qt Test options]; NAME is one of:\n", argv[0]);
        for (const auto& [name, factory] : registry())
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    // The class's name stands where the program's name stood, so that Qt Test reads only
    // its own options.
    argv[1] = argv[0];
    --argc;
    ++argv;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const std::unique_ptr<QObject> test = found->second();
    return QTest::qExec(test.get(), argc, argv);
}
