// A program's profile: an INI file named after the program in the config folder, with
// sections of "key=value" lines ("Tip/StartUp" is the key StartUp of section [Tip]).
// It is read as bounded_read.h says and written whole through the atomic writer, so a
// pipe put in its place cannot block the start, and a full disk never empties it.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QString>
#include <QVariant>

#include "shell/seams.h"

namespace shell {

class Profile {
public:
    explicit Profile(std::string path);
    ~Profile();  // writes what changed, like sync()
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // The value of "Section/Key" as text; an invalid QVariant when there is none.
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    // Writes the file when a value changed; false when that failed (the old file then
    // stays as it was). Failures are the caller's to report or, as everywhere here, not.
    [[nodiscard]] bool sync();

    // The file text of the values as they stand.
    std::string text() const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
    };
    std::pair<std::string, std::string> split(const QString& key) const;
    std::string path_;
    std::vector<Section> sections_;
    bool changed_ = false;
};

std::unique_ptr<Profile> openProfile(const Paths& paths, const std::string& program);

// An integer setting, or `fallback` when it is missing or not a number.
int profileInt(const Profile& profile, const QString& key, int fallback);

}  // namespace shell
