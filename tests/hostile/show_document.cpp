// show_document viewer|help FILE: shows FILE in the report viewer or the help window,
// offscreen, lays it out whole and paints its first and last screen, then prints the
// processor seconds that took and the peak memory in MB: "seconds S peak P".
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>

#include "shell/gui/document_viewer.h"
#include "shell/gui/help_window.h"
#include "tests/support/fake_services.h"

int main(int argc, char* argv[])
{
    if (argc != 3 || (std::strcmp(argv[1], "viewer") != 0 && std::strcmp(argv[1], "help") != 0)) {
        std::fprintf(stderr, "usage: show_document viewer|help FILE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakeUi ui;
    const QString file = QString::fromLocal8Bit(argv[2]);
    const std::clock_t start = std::clock();
    QWidget* window = nullptr;
    std::unique_ptr<shell::DocumentViewer> viewer;
    if (std::strcmp(argv[1], "viewer") == 0) {
        viewer = std::make_unique<shell::DocumentViewer>(ui, file);
        window = viewer.get();
    } else {
        shell::showHelpWindow(file);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->findChild<QTextBrowser*>())
                window = widget;
    }
    if (!window) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    window->show();
    auto* browser = window->findChild<QTextBrowser*>();
    window->grab();
    browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
    window->grab();
    QApplication::processEvents();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("seconds %.3f peak %ld\n", double(std::clock() - start) / CLOCKS_PER_SEC, usage.ru_maxrss / 1024);
    return 0;
}
