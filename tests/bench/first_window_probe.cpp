// Preloaded into a program by scripts/bench: as soon as the first window has been exposed
// and painted, it appends one line to $MYSTORIN_BENCH_LOG, the milliseconds since
// $MYSTORIN_BENCH_T0 (nanoseconds of the real-time clock, taken just before the start) and
// the resident memory in KiB, and ends the process.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

namespace {

const char* environment(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

long residentKiB()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    long kib = -1;
    char line[256];
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
            break;
    if (status)
        std::fclose(status);
    return kib;
}

void report()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const double started = std::strtod(environment("MYSTORIN_BENCH_T0", "0"), nullptr);
    const double ms = ((double(now.tv_sec) * 1e9 + double(now.tv_nsec)) - started) / 1e6;
    char line[128];
    const int length = std::snprintf(line, sizeof line, "%.3f %ld\n", ms, residentKiB());
    const int fd = ::open(environment("MYSTORIN_BENCH_LOG", "/dev/null"), O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (fd >= 0 && length > 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, line, size_t(length));
        ::close(fd);
    }
    ::_exit(0);
}

class FirstExpose : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            // The window handles its expose, which paints and flushes it to the display;
            // then the time is taken and the process ends.
            window->removeEventFilter(this);
            qApp->removeEventFilter(this);
            QCoreApplication::sendEvent(window, event);
            report();
        }
        return false;
    }
};

void startProbe()
{
    // The plain core application of the command line comes first; the probe waits for the
    // one that shows windows.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        qApp->installEventFilter(new FirstExpose);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
