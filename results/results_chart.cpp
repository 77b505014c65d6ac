#include "results/results_chart.h"

#include <algorithm>

#include "results/jpeg_encoder.h"
#include "ui/main_window.h"

namespace tessaro {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kTitleColour{0x00, 0x6F, 0xA4};
constexpr Rgb kSubtitleColour{0x00, 0x80, 0xC0};
constexpr Rgb kTextColour{0, 0, 0};
constexpr Rgb kAxisColour{0x40, 0x40, 0x40};
constexpr Rgb kGridColour{0xDC, 0xDC, 0xDC};
constexpr Rgb kMarkFill{0xFF, 0xFF, 0xE1};
constexpr Rgb kMarkBorder{0x80, 0x80, 0x80};

constexpr FontSpec kTitleFont{13, true};
constexpr FontSpec kSubtitleFont{12, false};
constexpr FontSpec kAxisTitleFont{11, true};
constexpr FontSpec kTextFont{11, false};

constexpr int kJpegQuality = 90;
constexpr int kMargin = 4;
constexpr int kLineGap = 4;  // between a line of text and what follows it
constexpr int kArrowLength = 8;
constexpr int kBarWidthPercent = 70;
constexpr int kMaxTicks = 7;

int LineHeight(const FontSpec& font) {
    return font.pixelHeight + kLineGap;
}

// The value axis: from zero to a round top that leaves room for the marks above
// the tallest bar.
struct ValueAxis {
    int top = 10;
    int step = 2;
};

int RoundStep(int atLeast) {
    for (int scale = 1;; scale *= 10)
        for (int m : {1, 2, 5})
            if (m * scale >= atLeast)
                return m * scale;
}

ValueAxis ScaleAxis(const std::vector<ChartBar>& bars, int plotHeight, int markSpace) {
    int highest = 0;
    for (const auto& b : bars)
        highest = std::max(highest, b.value);
    if (highest <= 0)
        return {};
    // The tallest bar must end markSpace pixels below the plot's top.
    const long long needed =
        static_cast<long long>(highest) * plotHeight / std::max(1, plotHeight - markSpace) + 1;
    ValueAxis axis;
    axis.step = RoundStep(static_cast<int>((needed + kMaxTicks - 1) / kMaxTicks));
    axis.top = static_cast<int>((needed + axis.step - 1) / axis.step) * axis.step;
    return axis;
}

struct Plot {
    int left, top, right, bottom;
    ValueAxis axis;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    int YOf(int value) const {
        const int v = std::clamp(value, 0, axis.top);
        return bottom - static_cast<int>(static_cast<long long>(v) * Height() / axis.top);
    }
};

Plot LayOut(const ResultsChart& chart, Canvas& canvas, int width, int height) {
    Plot p{};
    p.top = kMargin + LineHeight(kTitleFont) + LineHeight(kSubtitleFont) + kLineGap;
    // Under the plot: the bars' labels, then the axis title.
    p.bottom = height - kMargin - LineHeight(kAxisTitleFont) - LineHeight(kTextFont) - kLineGap;
    const int markSpace = LineHeight(kTextFont) + kArrowLength + 2;
    p.axis = ScaleAxis(chart.bars, p.bottom - p.top, markSpace);
    const int tickWidth = canvas.TextWidth(std::to_string(p.axis.top), kTextFont);
    p.left = kMargin + LineHeight(kAxisTitleFont) + kLineGap + tickWidth + 2 * kLineGap;
    p.right = width - 3 * kMargin;
    return p;
}

void DrawTitles(const ResultsChart& chart, Canvas& canvas, int width) {
    canvas.Text(width / 2, kMargin, "Veltrane Tessaro", kTitleFont, kTitleColour,
                TextAlign::Center);
    canvas.Text(width / 2, kMargin + LineHeight(kTitleFont), chart.subtitle, kSubtitleFont,
                kSubtitleColour, TextAlign::Center);
}

void DrawAxes(const Plot& p, Canvas& canvas, int height) {
    for (int v = 0; v <= p.axis.top; v += p.axis.step) {
        const int y = p.YOf(v);
        if (v > 0)
            canvas.Line(p.left + 1, y, p.right, y, kGridColour);
        canvas.Line(p.left - kLineGap, y, p.left, y, kAxisColour);
        canvas.Text(p.left - kLineGap - 2, y - LineHeight(kTextFont) / 2, std::to_string(v),
                    kTextFont, kTextColour, TextAlign::Right);
    }
    canvas.Line(p.left, p.top, p.left, p.bottom, kAxisColour);
    canvas.Line(p.left, p.bottom, p.right, p.bottom, kAxisColour);
    canvas.VerticalText(kMargin, (p.top + p.bottom) / 2, "FPS", kAxisTitleFont, kTextColour);
    canvas.Text((p.left + p.right) / 2, height - kMargin - LineHeight(kAxisTitleFont), "Resolution",
                kAxisTitleFont, kTextColour, TextAlign::Center);
}

Rgb Darker(Rgb c) {
    auto d = [](std::uint8_t v) { return static_cast<std::uint8_t>(v * 3 / 5); };
    return {d(c.r), d(c.g), d(c.b)};
}

// The value's mark in its box, with the arrow down to the bar's top.
void DrawMark(Canvas& canvas, int centre, int barTop, int value) {
    const std::string text = std::to_string(value);
    const int boxWidth = canvas.TextWidth(text, kTextFont) + 2 * kLineGap;
    const int boxHeight = LineHeight(kTextFont);
    const int boxTop = barTop - kArrowLength - boxHeight;
    const int boxLeft = centre - boxWidth / 2;
    canvas.Line(centre, boxTop + boxHeight, centre, barTop - 1, kMarkBorder);
    canvas.FillRect(boxLeft, boxTop, boxWidth, boxHeight, kMarkBorder);
    canvas.FillRect(boxLeft + 1, boxTop + 1, boxWidth - 2, boxHeight - 2, kMarkFill);
    canvas.Text(centre, boxTop + kLineGap / 2, text, kTextFont, kTextColour, TextAlign::Center);
}

void DrawBars(const ResultsChart& chart, const Plot& p, Canvas& canvas) {
    const int count = static_cast<int>(chart.bars.size());
    for (int i = 0; i < count; ++i) {
        const ChartBar& bar = chart.bars[static_cast<std::size_t>(i)];
        const int slotLeft = p.left + p.Width() * i / count;
        const int slotRight = p.left + p.Width() * (i + 1) / count;
        const int barWidth = std::max(1, (slotRight - slotLeft) * kBarWidthPercent / 100);
        const int barLeft = slotLeft + (slotRight - slotLeft - barWidth) / 2;
        const int centre = barLeft + barWidth / 2;
        const int barTop = p.YOf(bar.value);
        if (barTop < p.bottom) {
            canvas.FillRect(barLeft, barTop, barWidth, p.bottom - barTop, Darker(bar.colour));
            canvas.FillRect(barLeft + 1, barTop + 1, barWidth - 2, p.bottom - barTop - 1,
                            bar.colour);
        }
        DrawMark(canvas, centre, barTop, bar.value);
        canvas.Text(centre, p.bottom + kLineGap + 1, bar.label, kTextFont, kTextColour,
                    TextAlign::Center);
    }
}

}  // namespace

void ResetChart(ResultsChart& chart) {
    chart.bars.clear();
}

void SetChartSubtitle(ResultsChart& chart, const std::string& demoName) {
    chart.subtitle = "Demo: " + demoName;
}

void AddBar(ResultsChart& chart, int value, const std::string& label, Rgb colour) {
    chart.bars.push_back({value, label, colour});
}

void SetChartWidth(ResultsChart& chart, int selectedSlots) {
    if (selectedSlots >= 2 && selectedSlots <= 5)
        chart.width = 380 + 76 * (selectedSlots - 2);
}

void DrawChart(const ResultsChart& chart, Canvas& canvas) {
    const int width = chart.width, height = ResultsChart::kHeight;
    canvas.FillRect(0, 0, width, height, kWhite);
    const Plot plot = LayOut(chart, canvas, width, height);
    DrawTitles(chart, canvas, width);
    DrawAxes(plot, canvas, height);
    DrawBars(chart, plot, canvas);
}

std::optional<std::string> ExportChart(MainWindow& mw) {
    SetChartWidth(mw.chart, mw.batch.SelectedSlots);
    const int width = mw.chart.width, height = ResultsChart::kHeight;
    // Encoded straight from memory: no intermediate bitmap beside the program, whose
    // folder is often not writable, and so no wait for one to settle.
    std::unique_ptr<Canvas> canvas = mw.ports.canvases.Create(width, height);
    if (!canvas)
        return std::nullopt;
    DrawChart(mw.chart, *canvas);
    const std::string jpeg = EncodeJpeg(canvas->Pixels(), width, height, kJpegQuality);
    if (jpeg.empty())
        return std::nullopt;
    const std::string name = "result_" + mw.batch.Stamp + "chart.jpg";
    if (!mw.ports.files.WriteFile(mw.controls.ResEdit + "\\" + name, jpeg))
        return std::nullopt;
    return name;
}

}  // namespace tessaro
