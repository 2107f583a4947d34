// The names of the securities in the portfolio, in the order they were added, and the
// Portfolio.ini file that keeps them, one name a line.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

using PortfolioNames = std::vector<std::string>;

// The first entry that begins with `name`, letter case ignored; how the portfolio tells
// whether it already holds a security.
std::optional<std::size_t> FindByPrefix(const PortfolioNames& names, const std::string& name);

// The entry that is `name` itself, letter case ignored.
std::optional<std::size_t> FindExactly(const PortfolioNames& names, const std::string& name);

// Reads the names, each line whole up to its line feed (at most 127 bytes), skipping
// empty lines; a missing file gives none.
PortfolioNames LoadPortfolioNames(const std::string& path);
std::string PortfolioFileText(const PortfolioNames& names);

}  // namespace quorvex
