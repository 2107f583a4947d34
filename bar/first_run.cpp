#include "bar/first_run.h"

#include <QFile>
#include <QFileInfo>

#include "shell/file_log.h"
#include "shell/files.h"

namespace bar {

bool IsFirstRun(const shell::Paths& paths)
{
    return !QFileInfo::exists(QString::fromStdString(paths.data(kMarkerFile)));
}

std::string MarkerLine(const shell::DateTime& today)
{
    return "160 " + std::to_string(today.month) + " " + std::to_string(today.day) + " " + std::to_string(today.year);
}

std::string NoticeText(const shell::Paths& paths, bool wroteMenuEntry)
{
    const std::string entry = paths.applicationsDir() + "/" + kMenuEntryFile;
    return "IMPORTANT - PLEASE READ\n\n"
           "The Mystorin programs are for entertainment purposes only. Their readings are not advice "
           "of any kind: please do not base decisions about your health, money or relationships on them.\n\n"
           "The windows are laid out for the desktop's normal (small) font size on a screen of at least "
           "800 by 600 pixels.\n\n"
           "This software is provided \"as is\", without warranty of any kind, express or implied.\n\n"
           "The suite keeps your saved inputs, reports and program data in the folder " +
           paths.dataDir() + " and each program's settings in the folder " + paths.configDir() + "." +
           (wroteMenuEntry ? " This first run also added the menu entry " + entry + "." : "") +
           "\n\nTo uninstall, delete " + (wroteMenuEntry ? "both folders and the menu entry" : "both folders") +
           ", then remove the programs the way you installed them.";
}

// A string value of a menu entry: the escapes every key understands.
static std::string entryString(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string ExecArgument(const std::string& path)
{
    // Inside double quotes the Exec key wants `"`, `` ` ``, `$` and `\` escaped by a
    // backslash, and `%` doubled; the string escapes of the file apply on top of that.
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return entryString(quoted + "\"");
}

std::string MenuEntry(const std::string& launcherPath, const std::string& iconPath, bool buildFolder)
{
    const std::string folder = QFileInfo(QString::fromStdString(launcherPath)).path().toStdString();
    std::string entry = "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=" +
                        std::string(buildFolder ? "Mystorin (build folder)" : "Zendary") +
                        "\n"
                        "Comment=Numerology and astrology readings for entertainment\n"
                        "TryExec=" +
                        entryString(launcherPath) +
                        "\n"
                        "Exec=" +
                        ExecArgument(launcherPath) +
                        "\n"
                        "Path=" +
                        entryString(folder) + "\n";
    if (!iconPath.empty())
        entry += "Icon=" + entryString(iconPath) + "\n";
    entry += "Terminal=false\n"
             "Categories=Game;Amusement;\n";
    return entry;
}

void FirstRunIfNeeded(shell::Services& services, const Installation& installation)
{
    const shell::Paths& paths = services.paths;
    const std::string entry = paths.applicationsDir() + "/" + kMenuEntryFile;
    if (installation.menuEntryInstalled && QFileInfo(QString::fromStdString(entry)).isFile())
        QFile::remove(QString::fromStdString(entry));
    if (!IsFirstRun(paths))
        return;
    shell::makeFolder(paths.dataDir());
    // Without the marker the next start is a first run again: the notice shows once more.
    if (!shell::writeFileAtomically(paths.data(kMarkerFile), MarkerLine(services.clock.now())))
        qCInfo(mystorinFiles, "the first run's marker was not written");

    bool wroteEntry = false;
    if (!installation.menuEntryInstalled) {
        std::string iconPath;
        if (!installation.iconPng.empty() && shell::writeFileAtomically(paths.data(kIconFile), installation.iconPng))
            iconPath = paths.data(kIconFile);
        shell::makeFolder(paths.applicationsDir());
        wroteEntry =
            shell::writeFileAtomically(entry, MenuEntry(installation.launcherPath, iconPath, installation.buildFolder));
    }
    services.ui.warn("ZENDARY", NoticeText(paths, wroteEntry));
}

}  // namespace bar
