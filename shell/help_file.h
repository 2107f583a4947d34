// What the help window reads: the help file itself and the pictures or pages it refers
// to, only from the help file's own folder and only as bounded_read.h allows.
#pragma once
#include <optional>

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace shell {

// Our help files are a few KB; one a hundred times larger is still read, no further.
inline constexpr qsizetype kHelpFileBytes = qsizetype{512} * 1024;

// The help file's HTML; none when it cannot be read.
std::optional<QString> readHelpFile(const QString& file);

// A resource a help page refers to (a picture, or another `page`, read as the help file
// is): a regular file inside `helpFolder`, after links and ".." are resolved. Anything
// else (another folder, a device, a web address) is none, so the page shows without it.
std::optional<QByteArray> helpResource(const QString& helpFolder, const QUrl& name, bool page = false);

}  // namespace shell
