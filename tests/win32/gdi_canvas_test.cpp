// The chart's canvas on the real GDI: what it paints, how it hands the pixels over,
// and that it gives back every GDI object it makes.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/resolution_slots.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/resource_counts.h"
#include "results/jpeg_encoder.h"
#include "results/results_chart.h"
#include "ui/main_window.h"

namespace tessaro::win32 {
namespace {

constexpr Rgb kWhite{255, 255, 255};

struct Picture {
    int width, height;
    std::vector<std::uint8_t> rgb;
    Rgb At(int x, int y) const {
        auto i = static_cast<std::size_t>((y * width + x) * 3);
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
    // The box around every pixel that is not white, as left, top, right, bottom.
    RECT Ink() const {
        RECT r{width, height, -1, -1};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (At(x, y) != kWhite) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x);
                    r.bottom = std::max<LONG>(r.bottom, y);
                }
        return r;
    }
};

class GdiCanvasTest : public ::testing::Test {
  protected:
    std::unique_ptr<Canvas> WhiteCanvas(int w, int h) {
        auto c = factory.Create(w, h);
        EXPECT_NE(c, nullptr);
        c->FillRect(0, 0, w, h, kWhite);
        width = w;
        height = h;
        return c;
    }
    Picture Take(Canvas& c) { return {width, height, c.Pixels()}; }

    GdiCanvasFactory factory;
    int width = 0, height = 0;
};

TEST_F(GdiCanvasTest, FillsRectanglesInTheirColourAndNothingBeyond) {
    auto c = WhiteCanvas(13, 9);  // an odd width: GDI pads its rows, Pixels() must not
    const Rgb green{10, 200, 30};
    c->FillRect(2, 3, 5, 4, green);
    Picture p = Take(*c);
    EXPECT_EQ(p.rgb.size(), 13u * 9u * 3u);
    EXPECT_EQ(p.At(2, 3), green);
    EXPECT_EQ(p.At(6, 6), green);
    for (auto [x, y] : {std::pair{1, 3}, {7, 3}, {2, 2}, {2, 7}, {12, 8}})
        EXPECT_EQ(p.At(x, y), kWhite) << x << "," << y;
}

TEST_F(GdiCanvasTest, PixelsAreRgbRowsTopRowFirst) {
    auto c = WhiteCanvas(7, 5);
    c->FillRect(0, 0, 7, 1, {255, 0, 0});
    c->FillRect(3, 4, 1, 1, {0, 0, 255});
    Picture p = Take(*c);
    EXPECT_EQ(p.rgb[0], 255);
    EXPECT_EQ(p.rgb[1], 0);
    EXPECT_EQ(p.rgb[2], 0);
    EXPECT_EQ(p.At(0, 1), kWhite);
    const std::size_t last = (4 * 7 + 3) * 3;
    EXPECT_EQ(p.rgb[last], 0);
    EXPECT_EQ(p.rgb[last + 2], 255);
}

TEST_F(GdiCanvasTest, LinesIncludeBothEnds) {
    auto c = WhiteCanvas(20, 20);
    c->Line(2, 5, 12, 5, {0, 0, 0});
    c->Line(15, 2, 15, 10, {0, 0, 0});
    Picture p = Take(*c);
    for (auto [x, y] : {std::pair{2, 5}, {7, 5}, {12, 5}, {15, 2}, {15, 10}})
        EXPECT_EQ(p.At(x, y), (Rgb{0, 0, 0})) << x << "," << y;
    EXPECT_EQ(p.At(13, 5), kWhite);
    EXPECT_EQ(p.At(15, 11), kWhite);
}

TEST_F(GdiCanvasTest, DrawsTextWhereItIsAnchored) {
    const FontSpec font{13, true};
    const std::string text = "Veltrane Tessaro";
    struct Case {
        TextAlign align;
        int anchor;
    };
    for (const Case& k :
         {Case{TextAlign::Left, 10}, Case{TextAlign::Center, 150}, Case{TextAlign::Right, 290}}) {
        auto c = WhiteCanvas(300, 40);
        const int w = c->TextWidth(text, font);
        c->Text(k.anchor, 8, text, font, {0, 0, 0}, k.align);
        RECT ink = Take(*c).Ink();
        ASSERT_GE(ink.right, 0) << "no text drawn";
        const int expectedLeft = k.align == TextAlign::Left     ? k.anchor
                                 : k.align == TextAlign::Center ? k.anchor - w / 2
                                                                : k.anchor - w;
        EXPECT_NEAR(ink.left, expectedLeft, 3);
        EXPECT_NEAR(ink.right, expectedLeft + w, 3);
        EXPECT_GE(ink.top, 8);
        EXPECT_LE(ink.bottom, 8 + 20);
        EXPECT_GE(ink.bottom - ink.top, 7);  // capitals of a 13-pixel font
    }
}

TEST_F(GdiCanvasTest, VerticalTextReadsUpwardsCentredOnItsPoint) {
    auto c = WhiteCanvas(40, 120);
    c->VerticalText(6, 60, "Resolution", {11, true}, {0, 0, 0});
    RECT ink = Take(*c).Ink();
    ASSERT_GE(ink.right, 0) << "no text drawn";
    EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left));
    EXPECT_NEAR((ink.top + ink.bottom) / 2, 60, 4);
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 6 + 16);
}

TEST_F(GdiCanvasTest, TextWidthGrowsWithTheText) {
    auto c = WhiteCanvas(10, 10);
    const FontSpec small{11, false}, bold{11, true}, large{13, false};
    const int one = c->TextWidth("8", small);
    const int three = c->TextWidth("888", small);
    EXPECT_GT(one, 0);
    EXPECT_GT(three, 2 * one);
    EXPECT_GE(c->TextWidth("Resolution", bold), c->TextWidth("Resolution", small));
    EXPECT_GT(c->TextWidth("Resolution", large), c->TextWidth("Resolution", small));
    // The multiplication sign is one character, not two bytes' worth of them.
    const std::string label = std::string("800") + kTimes + "600";
    EXPECT_LT(c->TextWidth(label, small), c->TextWidth("800xx600", small) + 2);
    EXPECT_GT(c->TextWidth(label, small), c->TextWidth("800600", small));
}

TEST_F(GdiCanvasTest, RefusesAnEmptySize) {
    EXPECT_EQ(factory.Create(0, 343), nullptr);
    EXPECT_EQ(factory.Create(380, -1), nullptr);
}

ResultsChart SampleChart() {
    ResultsChart chart;
    SetChartSubtitle(chart, "Arsenal");
    AddBar(chart, 61, std::string("800") + kTimes + "600", kBarColour);
    AddBar(chart, 48, std::string("1024") + kTimes + "768", kBarColour);
    SetChartWidth(chart, 2);
    return chart;
}

DWORD GdiObjects() {
    return GdiObjectCount();
}

TEST(GdiObjectCount, SeesOneObjectMoreWhileABrushLives) {
    const DWORD before = GdiObjects();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GdiObjects(), before + 1);
    DeleteObject(brush);
    EXPECT_EQ(GdiObjects(), before);
}

TEST_F(GdiCanvasTest, DrawingChartsForHundredsOfBatchesKeepsTheGdiObjectCount) {
    const ResultsChart chart = SampleChart();
    auto drawOne = [&] {
        auto canvas = factory.Create(chart.width, ResultsChart::kHeight);
        ASSERT_NE(canvas, nullptr);
        DrawChart(chart, *canvas);
        std::string jpeg = EncodeJpeg(canvas->Pixels(), chart.width, ResultsChart::kHeight, 90);
        ASSERT_FALSE(jpeg.empty());
    };
    drawOne();  // GDI's own first-use objects (font cache and the like) come now
    const DWORD before = GdiObjects();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 500; ++i)
        drawOne();
    const auto spent = std::chrono::steady_clock::now() - start;
    const DWORD after = GdiObjects();
    std::printf("GDI objects before %lu, after 500 charts %lu; %.2f ms per chart (draw+encode)\n",
                static_cast<unsigned long>(before), static_cast<unsigned long>(after),
                std::chrono::duration<double, std::milli>(spent).count() / 500);
    EXPECT_GT(before, 0u);
    EXPECT_LE(after, before);
}

}  // namespace
}  // namespace tessaro::win32
