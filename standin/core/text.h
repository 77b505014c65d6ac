#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::standin {

std::string_view TrimBlanks(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
// Lines split at CR LF, LF or CR; a final terminator adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);
// A decimal number, the whole text (after trimming blanks) and finite; none otherwise.
std::optional<double> ParseNumber(std::string_view text);
std::optional<int> ParseInteger(std::string_view text);
// A number printed with exactly two decimals, independent of the locale.
std::string FormatTwoDecimals(double value);

// A path as UTF-8 text, for messages (string() may throw on Windows for other letters).
std::string PathUtf8(const std::filesystem::path& path);

// What follows the executable on a process's command line. The executable may be quoted,
// or unquoted with blanks in it (the batch starts the game with an unquoted path), so the
// first token that ends in ".exe" closes it.
std::string_view ArgumentsTail(std::string_view commandLine);

}  // namespace tessaro::standin
