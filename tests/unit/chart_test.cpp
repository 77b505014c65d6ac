#include <gtest/gtest.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "engine/resolution_slots.h"
#include "fakes/fake_ports.h"
#include "results/jpeg_encoder.h"
#include "results/results_chart.h"

namespace tessaro {
namespace {

using fakes::FakeCanvas;
using fakes::FakeWorld;

const std::string k800 = std::string("800") + kTimes + "600";
const std::string k1024 = std::string("1024") + kTimes + "768";

// --- a small JPEG reader, to look at the picture as a viewer would -------------

struct Decoded {
    int width = 0, height = 0, components = 0;
    bool progressive = true;
    std::vector<std::uint8_t> rgb;

    Rgb At(int x, int y) const {
        auto i = static_cast<std::size_t>((y * width + x) * 3);
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

struct DecodeError {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void DecodeJump(j_common_ptr info) {
    std::longjmp(reinterpret_cast<DecodeError*>(info->err)->back, 1);
}
void Quiet(j_common_ptr) {}

struct Decoding {
    jpeg_decompress_struct info{};
    DecodeError error{};
    ~Decoding() { jpeg_destroy_decompress(&info); }
};

bool DecodeInto(Decoding& d, const std::string& bytes, Decoded& out) {
    d.info.err = jpeg_std_error(&d.error.manager);
    d.error.manager.error_exit = DecodeJump;
    d.error.manager.output_message = Quiet;
    if (setjmp(d.error.back))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    out.progressive = d.info.progressive_mode != 0;
    out.components = d.info.num_components;
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    out.width = static_cast<int>(d.info.output_width);
    out.height = static_cast<int>(d.info.output_height);
    out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = out.rgb.data() + static_cast<std::size_t>(d.info.output_scanline) *
                                            static_cast<std::size_t>(out.width) * 3;
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

std::optional<Decoded> Decode(const std::string& bytes) {
    Decoding d;
    Decoded out;
    if (!DecodeInto(d, bytes, out))
        return std::nullopt;
    return out;
}

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

// --- reading a drawn chart back ------------------------------------------------

// A bar as found in the pixels: the columns of bar colour on the row just above the
// baseline, and how high the colour reaches in the bar's middle column.
struct FoundBar {
    int left, right, top, bottom;
    int Centre() const { return (left + right) / 2; }
};

std::vector<FoundBar> FindBars(const FakeCanvas& c, Rgb colour) {
    // The baseline: the lowest row holding the colour.
    int base = -1;
    for (int y = c.height - 1; y >= 0 && base < 0; --y)
        for (int x = 0; x < c.width; ++x)
            if (c.At(x, y) == colour) {
                base = y;
                break;
            }
    std::vector<FoundBar> bars;
    if (base < 0)
        return bars;
    for (int x = 0; x < c.width; ++x) {
        if (c.At(x, base) != colour)
            continue;
        FoundBar b{x, x, base, base};
        while (b.right + 1 < c.width && c.At(b.right + 1, base) == colour)
            ++b.right;
        x = b.right;
        while (b.top > 0 && c.At(b.Centre(), b.top - 1) == colour)
            --b.top;
        bars.push_back(b);
    }
    return bars;
}

const FakeCanvas::TextCall* FindText(const FakeCanvas& c, const std::string& text) {
    for (const auto& t : c.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

int CentreOf(FakeCanvas& c, const FakeCanvas::TextCall& t) {
    return t.x + c.TextWidth(t.text, t.font) / 2;
}

ResultsChart TwoBars() {
    ResultsChart chart;
    SetChartSubtitle(chart, "Arsenal");
    AddBar(chart, 61, k800, kBarColour);
    AddBar(chart, 48, k1024, kBarColour);
    SetChartWidth(chart, 2);
    return chart;
}

FakeCanvas Draw(const ResultsChart& chart) {
    FakeCanvas canvas(chart.width, ResultsChart::kHeight);
    DrawChart(chart, canvas);
    return canvas;
}

// --- the tests -------------------------------------------------------------------

TEST(ChartWidth, FollowsTheSelectedSlotsFromTwoToFiveAndIsKeptOtherwise) {
    struct Case {
        int before, slots, after;
    };
    const Case cases[] = {
        {681, 2, 380}, {681, 3, 456}, {681, 4, 532}, {681, 5, 608}, {681, 0, 681},
        {681, 1, 681}, {681, 6, 681}, {681, 9, 681}, {456, 7, 456}, {532, -1, 532},
    };
    for (const auto& c : cases) {
        ResultsChart chart;
        chart.width = c.before;
        SetChartWidth(chart, c.slots);
        EXPECT_EQ(chart.width, c.after) << c.slots << " slots from " << c.before;
    }
}

TEST(ChartDrawing, ShowsTheFixedTitlesAndTheSubtitle) {
    FakeCanvas c = Draw(TwoBars());
    struct Expected {
        std::string text;
        FontSpec font;
        bool vertical;
    };
    const Expected expected[] = {
        {"Veltrane Tessaro", {13, true}, false},
        {"Demo: Arsenal", {12, false}, false},
        {"Resolution", {11, true}, false},
        {"FPS", {11, true}, true},
    };
    for (const auto& e : expected) {
        const auto* t = FindText(c, e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(t->font.pixelHeight, e.font.pixelHeight) << e.text;
        EXPECT_EQ(t->font.bold, e.font.bold) << e.text;
        EXPECT_EQ(t->vertical, e.vertical) << e.text;
    }
    EXPECT_EQ(FindText(c, "Veltrane Tessaro")->colour, (Rgb{0x00, 0x6F, 0xA4}));
    EXPECT_EQ(FindText(c, "Demo: Arsenal")->colour, (Rgb{0x00, 0x80, 0xC0}));
    // Title above subtitle above the bars' marks, all inside the picture.
    EXPECT_LT(FindText(c, "Veltrane Tessaro")->y, FindText(c, "Demo: Arsenal")->y);
    EXPECT_LT(FindText(c, "Demo: Arsenal")->y, FindText(c, "61")->y);
    EXPECT_EQ(c.At(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(c.At(c.width - 1, c.height - 1), (Rgb{255, 255, 255}));
}

TEST(ChartDrawing, BarsStandInOrderWithTheirMarksOverThemAndLabelsUnder) {
    FakeCanvas c = Draw(TwoBars());
    auto bars = FindBars(c, kBarColour);
    ASSERT_EQ(bars.size(), 2u);
    const FoundBar& first = bars[0];
    const FoundBar& second = bars[1];
    EXPECT_LT(first.Centre(), c.width / 2);
    EXPECT_GT(second.Centre(), c.width / 2);
    EXPECT_EQ(first.bottom, second.bottom);
    // Heights follow the values on a value axis starting at zero.
    const double h61 = first.bottom - first.top + 1, h48 = second.bottom - second.top + 1;
    EXPECT_NEAR(h61 / h48, 61.0 / 48.0, 0.03);

    struct Expected {
        std::string mark, label;
        const FoundBar& bar;
    };
    const Expected expected[] = {{"61", k800, first}, {"48", k1024, second}};
    for (const auto& e : expected) {
        const auto* mark = FindText(c, e.mark);
        const auto* label = FindText(c, e.label);
        ASSERT_NE(mark, nullptr) << e.mark;
        ASSERT_NE(label, nullptr) << e.label;
        EXPECT_NEAR(CentreOf(c, *mark), e.bar.Centre(), 2) << e.mark;
        EXPECT_NEAR(CentreOf(c, *label), e.bar.Centre(), 2) << e.label;
        EXPECT_LT(mark->y + mark->font.pixelHeight, e.bar.top) << e.mark;
        EXPECT_GT(label->y, e.bar.bottom) << e.label;
        // The arrow: a line of non-white pixels between the mark and the bar's top.
        const int gapY = e.bar.top - 3, x = e.bar.Centre();
        const Rgb white{255, 255, 255};
        EXPECT_TRUE(c.At(x - 1, gapY) != white || c.At(x, gapY) != white ||
                    c.At(x + 1, gapY) != white)
            << e.mark;
    }
}

TEST(ChartDrawing, ValueAxisScalesToTheBarsWithRoundSteps) {
    for (int highest : {1, 7, 48, 61, 99, 100, 250, 1234, 99999}) {
        ResultsChart chart;
        AddBar(chart, highest / 3, k800, kBarColour);
        AddBar(chart, highest, k1024, kBarColour);
        SetChartWidth(chart, 2);
        FakeCanvas c = Draw(chart);
        // The tick labels: right-aligned numbers at the plot's left.
        std::vector<int> ticks;
        for (const auto& t : c.texts)
            if (!t.vertical && !t.text.empty() &&
                std::all_of(t.text.begin(), t.text.end(), ::isdigit) && t.x < c.width / 5)
                ticks.push_back(std::stoi(t.text));
        ASSERT_GE(ticks.size(), 3u) << highest;
        EXPECT_LE(ticks.size(), 9u) << highest;
        EXPECT_EQ(ticks.front(), 0) << highest;
        const int step = ticks[1] - ticks[0];
        for (std::size_t i = 1; i < ticks.size(); ++i)
            EXPECT_EQ(ticks[i] - ticks[i - 1], step);
        int mantissa = step;
        while (mantissa % 10 == 0)
            mantissa /= 10;
        EXPECT_TRUE(mantissa == 1 || mantissa == 2 || mantissa == 5) << step;
        EXPECT_GE(ticks.back(), highest);
        // The tallest bar's mark stays below the subtitle.
        const auto* mark = FindText(c, std::to_string(highest));
        ASSERT_NE(mark, nullptr);
        EXPECT_GT(mark->y, FindText(c, "Veltrane Tessaro")->y + 13 + 12) << highest;
    }
}

TEST(ChartDrawing, WithoutBarsStillDrawsTheFrame) {
    ResultsChart chart;
    SetChartSubtitle(chart, "Arsenal");
    FakeCanvas c = Draw(chart);
    EXPECT_NE(FindText(c, "Veltrane Tessaro"), nullptr);
    EXPECT_NE(FindText(c, "0"), nullptr);
    EXPECT_TRUE(FindBars(c, kBarColour).empty());
}

TEST(ChartBatches, ABatchAfterAnotherShowsOnlyItsOwnBarsAndDemo) {
    FakeWorld w;
    ResultsChart& chart = w.mw.chart;
    ResetChart(chart);
    SetChartSubtitle(chart, "Arsenal");
    AddBar(chart, 61, k800, kBarColour);
    AddBar(chart, 48, k1024, kBarColour);

    ResetChart(chart);
    SetChartSubtitle(chart, "Strident");
    AddBar(chart, 35, k1024, kBarColour);
    EXPECT_EQ(chart.subtitle, "Demo: Strident");
    ASSERT_EQ(chart.bars.size(), 1u);

    FakeCanvas c = Draw(chart);
    EXPECT_NE(FindText(c, "Demo: Strident"), nullptr);
    EXPECT_NE(FindText(c, "35"), nullptr);
    for (const char* gone : {"Demo: Arsenal", "61", "48"})
        EXPECT_EQ(FindText(c, gone), nullptr);
    EXPECT_EQ(FindText(c, k800), nullptr);
    EXPECT_EQ(FindBars(c, kBarColour).size(), 1u);
}

class ChartExport : public ::testing::Test {
  protected:
    void SetUp() override {
        w.files.AddFolder("C:\\Tessaro\\Benchmark");
        w.mw.controls.ResEdit = "C:\\Tessaro\\Benchmark\\";
        w.mw.batch.Stamp = "143005__09_12_2009";
        w.mw.batch.SelectedSlots = 2;
        w.mw.chart = TwoBars();
        w.mw.chart.width = ResultsChart::kInitialWidth;
    }
    FakeWorld w;
    const std::string path = "C:\\Tessaro\\Benchmark\\\\result_143005__09_12_2009chart.jpg";
};

TEST_F(ChartExport, WritesADecodableBaselineJpegOfTheChart) {
    auto name = ExportChart(w.mw);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, "result_143005__09_12_2009chart.jpg");
    // The path is the folder text, a separator and the name, even after a separator.
    EXPECT_EQ(w.files.log, std::vector<std::string>{"write " + path});
    EXPECT_TRUE(w.clock.sleeps.empty());

    auto picture = Decode(w.files.Bytes(path).value());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 380);
    EXPECT_EQ(picture->height, 343);
    EXPECT_EQ(picture->components, 3);
    EXPECT_FALSE(picture->progressive);

    long white = 0;
    for (int y = 0; y < picture->height; ++y)
        for (int x = 0; x < picture->width; ++x)
            white += Near(picture->At(x, y), {255, 255, 255}, 8);
    EXPECT_GT(white, 380L * 343 / 2);

    // The bars stand where the same chart, drawn again, has them.
    auto bars = FindBars(Draw(w.mw.chart), kBarColour);
    ASSERT_EQ(bars.size(), 2u);
    for (const auto& b : bars) {
        Rgb middle = picture->At(b.Centre(), (b.top + b.bottom) / 2);
        EXPECT_TRUE(Near(middle, kBarColour, 12))
            << int(middle.r) << "," << int(middle.g) << "," << int(middle.b);
    }
}

TEST_F(ChartExport, ReplacesAnEarlierPictureOfTheSameName) {
    w.files.AddFile(path, "old");
    ASSERT_TRUE(ExportChart(w.mw).has_value());
    EXPECT_NE(w.files.Bytes(path).value(), "old");
}

TEST_F(ChartExport, AnswersNoneWhenThePictureCannotBeWritten) {
    w.mw.controls.ResEdit = "C:\\Removed";
    EXPECT_FALSE(ExportChart(w.mw).has_value());
    w.mw.controls.ResEdit = "C:\\Tessaro\\Benchmark\\";
    w.files.readOnlyFolders.insert(fakes::NormalisePath("C:\\Tessaro\\Benchmark"));
    EXPECT_FALSE(ExportChart(w.mw).has_value());
}

TEST(JpegEncoder, RefusesPixelsThatDoNotMatchTheSize) {
    EXPECT_TRUE(EncodeJpeg(std::vector<std::uint8_t>(10 * 10 * 3 - 1), 10, 10, 90).empty());
    EXPECT_TRUE(EncodeJpeg({}, 0, 0, 90).empty());
    auto ok = Decode(EncodeJpeg(std::vector<std::uint8_t>(10 * 10 * 3, 200), 10, 10, 90));
    ASSERT_TRUE(ok.has_value());
    EXPECT_TRUE(Near(ok->At(5, 5), {200, 200, 200}, 2));
}

}  // namespace
}  // namespace tessaro
