// The stand-in's statistics page, read back by the front-end's own statistics reader.
#ifdef TESSARO_HAS_STANDIN_CORE
#include <gtest/gtest.h>

#include <algorithm>

#include "results/stats_reader.h"
#include "standin/core/stats_page.h"

namespace tessaro::standin {
namespace {

RunFacts SomeRun() {
    RunFacts facts;
    facts.mapName = "DM-Arsenal";
    facts.resX = 800;
    facts.resY = 600;
    facts.secondsAsked = 2;
    facts.secondsElapsed = 2.01;
    facts.frames = 93;
    facts.framesPerSecond = 46.27;
    facts.threads = 2;
    return facts;
}

std::string ReadBack(const std::string& page) {
    return tessaro::ExtractRunValue(tessaro::SplitLines(page));
}

TEST(StandinStatsPage, TheReaderFindsTheFrameRateForOneToFourDigits) {
    struct Case {
        double fps;
        const char* value;
        int score;
    } cases[] = {
        {7.25, "7.25", 7},       {46.5, "46.50", 46},        {47.5, "47.50", 48},
        {123.45, "123.45", 123}, {1234.56, "1234.56", 1235}, {0, "0.00", 0},
        {99.999, "100.00", 100},
    };
    for (const Case& c : cases) {
        PageFigure figure;
        figure.fps = c.fps;
        const std::string value = ReadBack(StatsPageText(SomeRun(), figure));
        EXPECT_EQ(value, c.value) << c.fps;
        EXPECT_EQ(tessaro::ConvertRunValue(value, "."), c.score) << c.fps;
        EXPECT_EQ(tessaro::ConvertRunValue(value, ","), c.score) << c.fps;
    }
}

TEST(StandinStatsPage, AValueStandsExactlyWhereTheReaderCuts) {
    for (const char* value : {"46,50", "abc", "", " 12 ", "1234567"}) {
        PageFigure figure;
        figure.kind = PageFigure::Kind::Value;
        figure.value = value;
        const std::vector<std::string> lines =
            tessaro::SplitLines(StatsPageText(SomeRun(), figure));
        auto marker = std::find(lines.begin(), lines.end(), std::string(kDataRowMarker));
        ASSERT_NE(marker, lines.end());
        ASSERT_GT(lines.end() - marker, 6);
        EXPECT_EQ(marker[5], "");  // the reader passes over it and takes the next line
        EXPECT_EQ(marker[6].size(), 32 + std::string(value).size()) << value;
        EXPECT_EQ(marker[6].substr(std::min<size_t>(32, marker[6].size())), value);
        EXPECT_EQ(ReadBack(StatsPageText(SomeRun(), figure)), value) << value;
    }
}

TEST(StandinStatsPage, TheReaderStillRemovesFromAValue) {
    PageFigure figure;
    figure.kind = PageFigure::Kind::Value;
    figure.value = "V>46.50";
    EXPECT_EQ(ReadBack(StatsPageText(SomeRun(), figure)), "46.50");
}

TEST(StandinStatsPage, WithoutTheMarkerThereIsNoRunValue) {
    PageFigure figure;
    figure.fps = 46.5;
    figure.marker = false;
    const std::string page = StatsPageText(SomeRun(), figure);
    EXPECT_EQ(page.find(kDataRowMarker), std::string::npos);
    EXPECT_EQ(ReadBack(page), "");
    EXPECT_NE(page.find("46.50"), std::string::npos);  // still a readable page
}

TEST(StandinStatsPage, PagesAreReadableAndEndLinesWithCrLf) {
    PageFigure figure;
    figure.fps = 46.27;
    RunFacts facts = SomeRun();
    facts.settings.maxAnisotropy = 16;
    facts.settings.motionBlur = true;
    const std::string page = StatsPageText(facts, figure);
    for (const char* part : {"<TITLE>DM-Arsenal FlyThrough statistics</TITLE>", "800 x 600",
                             "<TD>93</TD>", "<TD>Anisotropic filtering</TD><TD>16</TD>",
                             "<TD>Motion blur</TD><TD>On</TD>", "</HTML>\r\n"}) {
        EXPECT_NE(page.find(part), std::string::npos) << part;
    }
    for (size_t at = page.find('\n'); at != std::string::npos; at = page.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && page[at - 1] == '\r') << at;
    }
    EXPECT_NE(GlobalPageText(facts, figure).find("46.27"), std::string::npos);
    EXPECT_NE(StatsLogText(facts, figure).find("Frames 93\r\n"), std::string::npos);
}

TEST(StandinStatsPage, FileNamesFollowTheMode) {
    StatsFileNames flyby = StatsFileNamesFor("DM-Arsenal", false);
    EXPECT_EQ(flyby.page, "DM-Arsenal-FlyThrough-PC.html");
    EXPECT_EQ(flyby.log, "DM-Arsenal-FlyThrough-PC.log");
    EXPECT_EQ(flyby.global, "Global-FlyThrough-PC.html");
    StatsFileNames botmatch = StatsFileNamesFor("CTF-Strident", true);
    EXPECT_EQ(botmatch.page, "CTF-Strident-FPS-PC.html");
    EXPECT_EQ(botmatch.log, "CTF-Strident-FPS-PC.log");
    EXPECT_EQ(botmatch.global, "Global-FPS-PC.html");
}

}  // namespace
}  // namespace tessaro::standin
#endif
