#include "shell/gui/suite_look.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>

#include "shell/gui/program_dialog.h"

namespace shell {

QString desktopId(const Program& program)
{
    QString name = program.name == "bar" ? QString("mystorin") : QString::fromStdString(program.name);
    name[0] = name[0].toUpper();
    return "org.mystorin." + name;
}

static QIcon programIcon(const QString& id)
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString file = QString(":/icons/%1/%2.png").arg(id).arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

void applySuiteLook(const Program& program)
{
    QApplication::setApplicationName(QString::fromStdString(program.name));
    QApplication::setApplicationVersion(MYSTORIN_VERSION);
    QApplication::setOrganizationName("Mystorin");
    QApplication::setDesktopFileName(desktopId(program));
    const QIcon icon = programIcon(desktopId(program));
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
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
