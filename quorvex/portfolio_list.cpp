#include "quorvex/portfolio_list.h"

#include <QString>

#include "quorvex/portfolio_item.h"
#include "shell/bounded_read.h"
#include "shell/files.h"
#include "shell/utf8_text.h"

namespace quorvex {

namespace {

constexpr std::size_t kMostNames = 10000;
constexpr std::size_t kNameLineBytes = 127;  // a name is kept whole up to this size

template <typename Match>
std::optional<std::size_t> findFirst(const PortfolioNames& names, Match match)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (match(QString::fromStdString(names[i])))
            return i;
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> FindByPrefix(const PortfolioNames& names, const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    return findFirst(names, [&](const QString& entry) { return entry.startsWith(wanted, Qt::CaseInsensitive); });
}

std::optional<std::size_t> FindExactly(const PortfolioNames& names, const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    return findFirst(names, [&](const QString& entry) { return entry.compare(wanted, Qt::CaseInsensitive) == 0; });
}

PortfolioNames LoadPortfolioNames(const std::string& path)
{
    PortfolioNames names;
    for (const std::string& line :
         shell::readFileLines(path, kMostNames, shell::kListFileBytes, kNameLineBytes).value_or(PortfolioNames{}))
        if (!line.empty())
            names.push_back(line);
    return names;
}

std::string PortfolioFileText(const PortfolioNames& names)
{
    std::string text;
    for (const std::string& name : names)
        text += shell::oneLine(name) + "\n";
    return text;
}

}  // namespace quorvex
