#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace tessaro {

struct ChartBar {
    int value = 0;
    std::string label;  // UTF-8
    Rgb colour;
};

// The results chart: never shown, only rendered into the report's picture.
struct ResultsChart {
    static constexpr int kInitialWidth = 681;
    static constexpr int kHeight = 343;

    std::vector<ChartBar> bars;
    std::string subtitle;
    int width = kInitialWidth;
};

}  // namespace tessaro

namespace tessaro {

struct MainWindow;

void ResetChart(ResultsChart& chart);
void SetChartSubtitle(ResultsChart& chart, const std::string& demoName);
void AddBar(ResultsChart& chart, int value, const std::string& label, Rgb colour);
// The export width for a number of selected slots; the chart keeps its width otherwise.
void SetChartWidth(ResultsChart& chart, int selectedSlots);
// Draws the whole chart onto a canvas of the chart's size.
void DrawChart(const ResultsChart& chart, Canvas& canvas);
// Renders and writes "result_" + Stamp + "chart.jpg" beside the report; answers the
// file name without folder, or none when the picture could not be written.
std::optional<std::string> ExportChart(MainWindow& mw);

}  // namespace tessaro
