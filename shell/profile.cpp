#include "shell/profile.h"

#include "shell/bounded_read.h"
#include "shell/file_log.h"
#include "shell/files.h"

namespace shell {

namespace {

constexpr const char* kNoSection = "General";  // keys without a section live here

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A value in double quotes keeps its blanks; \" and \\ stand for themselves.
std::string unquoted(const std::string& value)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return value;
    std::string out;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size())
            ++i;
        out += value[i];
    }
    return out;
}

// Blanks at either end would be trimmed away, and a leading quote taken for quoting.
std::string quotedIfNeeded(const std::string& value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (value.empty() || (!blank(value.front()) && !blank(value.back()) && value.front() != '"'))
        return value;
    std::string out = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

Profile::Profile(std::string path) : path_(std::move(path))
{
    std::string section = kNoSection;
    for (const std::string& raw : readFileLines(path_, 10000).value_or(std::vector<std::string>{})) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            const auto close = line.find(']');
            section = trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            continue;
        }
        const auto equals = line.find('=');
        const std::string key = trimmed(line.substr(0, equals));
        if (equals == std::string::npos || key.empty())
            continue;
        Section* found = nullptr;
        for (Section& s : sections_)
            if (s.name == section)
                found = &s;
        if (!found)
            found = &sections_.emplace_back(Section{section, {}});
        found->values.emplace_back(key, unquoted(trimmed(line.substr(equals + 1))));
    }
}

Profile::~Profile()
{
    // Nobody is left to tell: the writer has recorded the cause (file_log.h).
    if (!sync())
        qCInfo(mystorinFiles, "%s: the profile's last changes were not saved", path_.c_str());
}

std::pair<std::string, std::string> Profile::split(const QString& key) const
{
    const int slash = key.indexOf('/');
    if (slash < 0)
        return {kNoSection, key.toStdString()};
    return {key.left(slash).toStdString(), key.mid(slash + 1).toStdString()};
}

QVariant Profile::value(const QString& key) const
{
    const auto [section, name] = split(key);
    for (const Section& s : sections_)
        if (s.name == section)
            for (const auto& [k, v] : s.values)
                if (k == name)
                    return QString::fromStdString(v);
    return {};
}

void Profile::setValue(const QString& key, const QVariant& value)
{
    const auto [section, name] = split(key);
    const std::string text = oneLine(value.toString().toStdString());
    for (Section& s : sections_) {
        if (s.name != section)
            continue;
        for (auto& [k, v] : s.values) {
            if (k == name) {
                changed_ |= v != text;
                v = text;
                return;
            }
        }
        s.values.emplace_back(name, text);
        changed_ = true;
        return;
    }
    sections_.push_back({section, {{name, text}}});
    changed_ = true;
}

std::string Profile::text() const
{
    std::string out;
    for (const Section& s : sections_) {
        if (!out.empty())
            out += "\n";
        out += "[" + s.name + "]\n";
        for (const auto& [k, v] : s.values)
            out += k + "=" + quotedIfNeeded(v) + "\n";
    }
    return out;
}

bool Profile::sync()
{
    if (!changed_)
        return true;
    const auto slash = path_.rfind('/');
    if (slash != std::string::npos)
        makeFolder(path_.substr(0, slash));
    if (!writeFileAtomically(path_, text()))
        return false;
    changed_ = false;
    return true;
}

std::unique_ptr<Profile> openProfile(const Paths& paths, const std::string& program)
{
    return std::make_unique<Profile>(paths.configDir() + "/" + program + ".ini");
}

int profileInt(const Profile& profile, const QString& key, int fallback)
{
    bool ok = false;
    const int value = profile.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace shell
