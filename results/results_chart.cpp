// Placeholder until the chart lands.
#include "results/results_chart.h"
namespace tessaro {
void ResetChart(ResultsChart&) {}
void SetChartSubtitle(ResultsChart&, const std::string&) {}
void AddBar(ResultsChart&, int, const std::string&, Rgb) {}
void SetChartWidth(ResultsChart&, int) {}
void DrawChart(const ResultsChart&, Canvas&) {}
std::optional<std::string> ExportChart(MainWindow&) { return {}; }
}  // namespace tessaro
