#include "tools/file_faults.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool makeFile(const std::string& path, const std::string& content)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content.data(), qint64(content.size())) == qint64(content.size());
}

void removeAny(const std::string& path)
{
    const QString name = QString::fromStdString(path);
    if (QFileInfo(name).isDir() && !QFileInfo(name).isSymLink())
        QDir(name).removeRecursively();
    else
        QFile::remove(name);
}

}  // namespace

FileFaults::Snapshot FileFaults::snapshot(const std::string& folder)
{
    Snapshot entries;
    const QFileInfo self(QString::fromStdString(folder));
    QFileInfoList infos;
    if (self.isDir() && !self.isSymLink())
        infos =
            QDir(self.filePath()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    else
        infos << self;  // a file standing where the folder should be
    for (const QFileInfo& info : infos) {
        Entry entry{'?', {}};
        if (info.isSymLink()) {
            entry = {'l', info.symLinkTarget().toStdString()};
        } else if (info.isDir()) {
            entry.type = 'd';
            for (const QString& name :
                 QDir(info.filePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
                entry.content += name.toStdString() + "\n";
        } else if (info.isFile()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                entry = {'f', file.readAll().toStdString()};
        } else if (!info.exists()) {
            continue;
        }
        entries[info.fileName().toStdString()] = entry;
    }
    return entries;
}

std::optional<std::string> FileFaults::arm(const std::string& kind, const std::string& path)
{
    if (armed())
        return "a fault is already in place";
    const std::string folder = QFileInfo(QString::fromStdString(path)).path().toStdString();
    const std::string old = "old content, to be kept\n";
    if (kind == "full") {
        if (!dlsym(RTLD_DEFAULT, "mystorin_full_disk_shim"))
            return "a full disk needs the full-disk library preloaded";
        QDir().mkpath(QString::fromStdString(folder));
        if (!QFileInfo::exists(QString::fromStdString(path)) && !makeFile(path, old))
            return "cannot make " + path;
        setenv("MYSTORIN_FULL_DISK", folder.c_str(), 1);
    } else if (kind == "readonly") {
        if (::geteuid() == 0)
            return "a read-only folder needs a user other than root";
        QDir().mkpath(QString::fromStdString(folder));
        if (!QFileInfo::exists(QString::fromStdString(path)) && !makeFile(path, old))
            return "cannot make " + path;
        if (::chmod(folder.c_str(), 0555) != 0)
            return "cannot make the folder read-only";
        readOnly_ = true;
    } else if (kind == "file-for-folder") {
        removeAny(folder);
        QDir().mkpath(QFileInfo(QString::fromStdString(folder)).path());
        if (!makeFile(folder, "a file where the folder should be\n"))
            return "cannot make " + folder;
    } else if (kind == "folder-for-file") {
        removeAny(path);
        QDir().mkpath(QString::fromStdString(path));
        if (!makeFile(path + "/kept", "kept\n"))
            return "cannot make " + path;
    } else {
        return "unknown fault " + kind;
    }
    path_ = path;
    folder_ = folder;
    key_ = QFileInfo(QString::fromStdString(kind == "file-for-folder" ? folder : path)).fileName().toStdString();
    before_ = snapshot(folder);
    return std::nullopt;
}

std::optional<std::string> FileFaults::intact()
{
    const Snapshot after = snapshot(folder_);
    end();
    const auto kept = before_.find(key_);
    const auto now = after.find(key_);
    if (kept != before_.end() && now == after.end())
        return key_ + " is gone";
    if (kept != before_.end() && !(now->second == kept->second))
        return key_ + " was changed";
    // Other files may have been written meanwhile; a temporary must not be left behind.
    for (const auto& [name, entry] : after)
        if (!before_.count(name) && name.starts_with("."))
            return "the temporary " + name + " was left behind";
    return std::nullopt;
}

void FileFaults::end()
{
    unsetenv("MYSTORIN_FULL_DISK");
    if (readOnly_)
        ::chmod(folder_.c_str(), 0755);
    readOnly_ = false;
    path_.clear();
}
