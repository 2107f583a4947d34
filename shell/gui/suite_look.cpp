#include "shell/gui/suite_look.h"

#include <cstdio>
#include <map>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

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
    explicit IconOnFirstExpose(QString id) : id_(std::move(id)) {}

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
    qApp->installEventFilter(new IconOnFirstExpose(desktopId(program)));
    QApplication::setFont(windowFont());
}

std::optional<int> handleCommandLine(const Program& program, const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QString("%1, a program of the Mystorin suite (for entertainment purposes only).\n"
                "Started by the launcher with the word execv; a plain start shows the tip of the day first.")
            .arg(QString::fromStdString(program.name)));
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument("execv", "The word the launcher and the programs pass on a hand-over.", "[execv]");
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s\n", program.name.c_str(), qPrintable(parser.errorText()));
        std::fprintf(stderr, "Try '%s --help'.\n", program.name.c_str());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", program.name.c_str(), MYSTORIN_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace shell
