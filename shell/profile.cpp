#include "shell/profile.h"

namespace shell {

std::unique_ptr<QSettings> openProfile(const Paths& paths, const std::string& program)
{
    const QString file = QString::fromStdString(paths.configDir() + "/" + program + ".ini");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

int profileInt(const QSettings& profile, const QString& key, int fallback)
{
    bool ok = false;
    const int value = profile.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace shell
