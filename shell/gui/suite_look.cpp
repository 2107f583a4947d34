#include "shell/gui/suite_look.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

#include "shell/command_line.h"
#include "shell/gui/program_dialog.h"

namespace shell {

QString desktopId(const Program& program)
{
    QString name = program.name == "bar" ? QString("mystorin") : QString::fromStdString(program.name);
    name[0] = name[0].toUpper();
    return "org.mystorin." + name;
}

namespace {

// The program's icon from the sizes compiled in, each decoded only when a size is first
// asked for: QIcon::addFile would decode every file at start-up and load every image
// format plugin to guess a format that is known to be PNG.
class CompiledIconEngine : public QIconEngine {
public:
    explicit CompiledIconEngine(QString id) : id_(std::move(id))
    {
        for (int size : {16, 32, 48, 64, 128, 256})
            if (QFile::exists(fileOf(size)))
                sizes_.append(QSize(size, size));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        if (sizes_.isEmpty())
            return {};
        // The smallest that is large enough, else the largest there is.
        QSize best = sizes_.last();
        for (const QSize& candidate : sizes_)
            if (candidate.width() >= size.width() && candidate.height() >= size.height()) {
                best = candidate;
                break;
            }
        QPixmap& decoded = decoded_[best.width()];
        if (decoded.isNull())
            decoded = QPixmap::fromImage(QImage(fileOf(best.width()), "PNG"));
        return best == size ? decoded : decoded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
    bool isNull() override { return sizes_.isEmpty(); }
    QIconEngine* clone() const override { return new CompiledIconEngine(*this); }

private:
    QString fileOf(int size) const { return QString(":/icons/%1/%2.png").arg(id_).arg(size); }

    QString id_;
    QList<QSize> sizes_;
    std::map<int, QPixmap> decoded_;
};

// Gives the application its icon once the first window has been painted. Setting it
// before would make the first window wait for every size to be decoded (the X11 window
// icon takes them all) and for Qt's image format plugins to load.
class IconOnFirstExpose : public QObject {
public:
    IconOnFirstExpose(QString id, QObject* parent) : QObject(parent), id_(std::move(id)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [id = id_] { QApplication::setWindowIcon(QIcon(new CompiledIconEngine(id))); });
            deleteLater();
        }
        return false;
    }

private:
    QString id_;
};

}  // namespace

void applySuiteLook(const Program& program)
{
    QApplication::setApplicationName(QString::fromStdString(program.name));
    QApplication::setApplicationVersion(MYSTORIN_VERSION);
    QApplication::setOrganizationName("Mystorin");
    QApplication::setDesktopFileName(desktopId(program));
    qApp->installEventFilter(new IconOnFirstExpose(desktopId(program), qApp));
    // One family for every window, box, help window, viewer and dialog of the program.
    // A desktop theme gives fonts to some kinds of widget (message boxes, menus, item
    // views...); making the style can bring those back, so the style is made first and
    // the suite's font, set for the whole application, then replaces them all.
    QApplication::style();
    QApplication::setFont(windowFont());
}

std::optional<int> handleCommandLine(const Program& program, int argc, char* argv[])
{
    const CommandLine commandLine = ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    const char* name = program.name.c_str();
    switch (commandLine.action) {
    case CommandLine::Action::Help: std::fputs(HelpText(program.name).c_str(), stdout); return 0;
    case CommandLine::Action::Version: std::printf("%s %s\n", name, MYSTORIN_VERSION); return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s: unknown option '%s' (try '%s --help')\n", name, commandLine.refused.c_str(), name);
        return kExitUsage;
    case CommandLine::Action::Start: break;
    }
    const auto missing = MissingDesktop(commandLine, [](const char* variable) {
        const char* value = std::getenv(variable);
        return std::string(value ? value : "");
    });
    if (missing) {
        std::fprintf(stderr, "%s (Mystorin) needs a graphical desktop session: %s\n", name, missing->c_str());
        return kExitNoDesktop;
    }
    return std::nullopt;
}

}  // namespace shell
