#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

struct MainWindow;

inline constexpr const char* kDataRowMarker = "<TR CLASS=\"dataRow\">";

// Fixes the batch's three statistics files and its benchmark-type line.
void BuildStatsPaths(MainWindow& mw);

// The statistics page as lines, split at CR LF, LF or CR.
std::vector<std::string> SplitLines(std::string_view bytes);
// The run value behind the data-row marker; empty when there is none.
std::string ExtractRunValue(const std::vector<std::string>& lines);
// The score of a run value; none when it converts with neither separator.
std::optional<int> ConvertRunValue(const std::string& value, const std::string& decimalSeparator);

// The per-run scoring: caption, score lines, sum, average and chart bar.
void RecordRunStats(MainWindow& mw);
void DeleteStatsFiles(MainWindow& mw);

}  // namespace tessaro
