// Placeholder until the statistics reader lands.
#include "results/stats_reader.h"
namespace tessaro {
void BuildStatsPaths(MainWindow&) {}
std::vector<std::string> SplitLines(std::string_view) { return {}; }
std::string ExtractRunValue(const std::vector<std::string>&) { return {}; }
std::optional<int> ConvertRunValue(const std::string&, const std::string&) { return {}; }
void RecordRunStats(MainWindow&) {}
void DeleteStatsFiles(MainWindow&) {}
}  // namespace tessaro
