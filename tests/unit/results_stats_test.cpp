#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/resolution_slots.h"
#include "fakes/fake_ports.h"
#include "results/report_writer.h"
#include "results/stats_reader.h"

namespace tessaro::fakes {
namespace {

// A line whose characters 33 to 39 are the given window.
std::string Row(const std::string& window) {
    return "      <TD CLASS=\"dataCell\">xxxxx" + window + "</TD>";
}

// The marker, the four lines the reader skips, then the given lines.
std::vector<std::string> Page(const std::vector<std::string>& afterSkipped) {
    std::vector<std::string> lines = {"<HTML>", kDataRowMarker, "a", "b", "c", "d"};
    lines.insert(lines.end(), afterSkipped.begin(), afterSkipped.end());
    return lines;
}

struct ExtractCase {
    const char* name;
    std::vector<std::string> lines;
    std::string value;
};

TEST(StatsReader, ExtractRunValue) {
    const std::vector<ExtractCase> cases = {
        {"worked example: empty fifth line passed over", Page({"", Row("V>46.50")}), "46.50"},
        {"window with closing tag", Page({Row("52.48</")}), "52.48"},
        {"marker with leading blanks is no marker",
         {"  <TR CLASS=\"dataRow\">", "a", "b", "c", "d", Row("V>46.50")},
         ""},
        {"marker in other case is no marker",
         {"<tr class=\"dataRow\">", "a", "b", "c", "d", Row("V>46.50")},
         ""},
        {"no marker at all", {"<HTML>", Row("V>46.50"), "</HTML>"}, ""},
        {"lines before the marker are ignored",
         [] {
             auto p = Page({Row("V>61.00")});
             p.insert(p.begin(), Row("V>99.00"));
             return p;
         }(),
         "61.00"},
        {"first marker counts",
         Page({Row("V>61.00"), kDataRowMarker, "a", "b", "c", "d", Row("V>12.00")}), "61.00"},
        {"one character without = is passed over", Page({"x", Row("V>47.00")}), "47.00"},
        {"two characters without = are taken, too short", Page({"xy", Row("V>47.00")}), ""},
        {"ending in its first = is passed over", Page({"k=", Row("V>48.00")}), "48.00"},
        {"text after the first = is taken, too short", Page({"k=v", Row("V>48.00")}), ""},
        {"a second = after the first counts as text", Page({"k==", Row("V>48.00")}), ""},
        {"page ends within five lines", {kDataRowMarker, "a", "b", "c", "d"}, ""},
        {"page ends after a passed-over candidate", Page({""}), ""},
        {"line shorter than 39 gives fewer characters", Page({Row("").substr(0, 32) + "V>4"}), "4"},
        {"one of each removed, in order", Page({Row("DV/<>12")}), "12"},
        {"second > kept", Page({Row("V>>46.5")}), ">46.5"},
        {"case respected", Page({Row("v>46.5d")}), "v46.5d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractRunValue(c.lines), c.value) << c.name;
}

TEST(StatsReader, SplitLinesTakesEveryLineBreakAndNoExtraLastLine) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

struct ConvertCase {
    const char* value;
    const char* separator;
    std::optional<int> score;
};

TEST(StatsReader, ConvertRunValue) {
    const std::vector<ConvertCase> cases = {
        {"46.5", ".", 46},   {"45.5", ".", 46},  {"47.5", ".", 48},    {"0.4", ".", 0},
        {"52.48", ".", 52},  {"46.50", ",", 46}, {"46,50", ".", 46},   {"46,5", ",", 46},
        {" 47.5 ", ".", 48}, {"+47.5", ".", 48}, {"-2.5", ".", -2},    {"4.65E1", ".", 46},
        {"465e-1", ".", 46}, {"61", ".", 61},    {"1046.", ".", 1046}, {">46.5", ".", {}},
        {"46.5x", ".", {}},  {"", ".", {}},      {"4 6", ".", {}},     {"1,2.5", ".", {}},
        {"1.2.5", ",", {}},  {".5", ".", {}},    {"1e", ".", {}},      {"1e999", ".", {}},
        {"V46.5", ".", {}},  {"+-1", ".", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertRunValue(c.value, c.separator), c.score)
            << c.value << " with " << c.separator;
}

struct BuildPathsCase {
    bool botmatch;
    const char* page;
    const char* log;
    const char* global;
    const char* typeLine;
};

TEST(StatsReader, BuildStatsPathsByMode) {
    const std::string stats =
        "C:\\users\\tester\\Documents\\My Games\\Unreal Tournament 3\\UTGame\\Stats\\";
    const std::vector<BuildPathsCase> cases = {
        {false, "DM-Arsenal-FlyThrough-PC.html", "DM-Arsenal-FlyThrough-PC.log",
         "Global-FlyThrough-PC.html", "Benchmark type:</b> Flyby"},
        {true, "DM-Arsenal-FPS-PC.html", "DM-Arsenal-FPS-PC.log", "Global-FPS-PC.html",
         "Benchmark type:</b> BotMatch</FONT><br><span class=\"style8\">NOT recommended for "
         "compare results!</FONT></span>"},
    };
    for (const auto& c : cases) {
        FakeWorld w;  // the shell gives the documents folder with a trailing separator
        w.mw.batch.MapName = "DM-Arsenal";
        w.mw.controls.BOTBox.ticked = c.botmatch;
        BuildStatsPaths(w.mw);
        EXPECT_EQ(w.mw.batch.StatsFile, stats + c.page);
        EXPECT_EQ(w.mw.batch.StatsLogFile, stats + c.log);
        EXPECT_EQ(w.mw.batch.GlobalStatsFile, stats + c.global);
        EXPECT_EQ(w.mw.batch.BenchmarkTypeLine, c.typeLine);
    }
}

// What a run leaves behind: no page, a page without the marker, or a page with the
// given row where the reader takes the value.
struct RunOutcome {
    enum Kind { Missing, NoMarker, Value } kind;
    std::string row;
};
RunOutcome Scored(const std::string& window) {
    return {RunOutcome::Value, Row(window)};
}
const RunOutcome kMissing{RunOutcome::Missing, ""};
const RunOutcome kNoMarker{RunOutcome::NoMarker, ""};
const RunOutcome kEmptyValue{RunOutcome::Value, "<TD>too short</TD>"};

class RecordRunStatsTest : public ::testing::Test {
  protected:
    FakeWorld w;
    const std::string page = "C:\\Stats\\DM-Arsenal-FlyThrough-PC.html";

    void SetUp() override {
        w.mw.batch.StatsFile = page;
        w.mw.batch.CurrentTag = "1024";
        w.mw.batch.ChartLabel = std::string("1024") + kTimes + "768";
        w.mw.batch.SelectedSlots = 2;
        w.locale.separator = ",";
    }

    // One slot's runs, as the sequencer counts them.
    void RunSlot(const std::vector<RunOutcome>& runs) {
        w.mw.RunsPerSlot = static_cast<int>(runs.size());
        w.mw.batch.CaptionWritten = false;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            w.mw.batch.RunsDoneInSlot = static_cast<int>(i) + 1;
            const RunOutcome& r = runs[i];
            if (r.kind == RunOutcome::Missing) {
                w.files.files.clear();
            } else {
                std::vector<std::string> lines =
                    r.kind == RunOutcome::NoMarker
                        ? std::vector<std::string>{"<HTML>", Row("V>46.50")}
                        : Page({"", r.row});
                std::string bytes;
                for (auto& l : lines)
                    bytes += l + "\r\n";
                w.files.AddFile(page, bytes);
            }
            RecordRunStats(w.mw);
        }
    }

    std::vector<std::string> ScoreLines() const {
        std::vector<std::string> out;
        for (auto& l : w.mw.reportLines)
            if (l.find("core = ") != std::string::npos || l == kSeparatorLine)
                out.push_back(l);
        return out;
    }
};

struct SlotCase {
    const char* name;
    std::vector<RunOutcome> runs;
    std::vector<std::string> lines;
    std::string lastRunValue;
};

TEST_F(RecordRunStatsTest, ScoreLinesAndAverages) {
    const std::string none = kNoScoreLine, sep = kSeparatorLine;
    const std::vector<SlotCase> cases = {
        {"one run", {Scored("V>46.50")}, {OneRunScoreLine(46)}, "46"},
        {"two runs average drops the remainder",
         {Scored("V>50.00"), Scored("V>53.00")},
         {PerRunScoreLine(50), PerRunScoreLine(53), AverageLine(51)},
         "53"},
        {"missing page still counts in the divisor",
         {Scored("V>60.00"), kMissing, Scored("V>63.00")},
         {PerRunScoreLine(60), PerRunScoreLine(63), AverageLine(41)},
         "63"},
        {"last run missing: no average",
         {Scored("V>60.00"), Scored("V>63.00"), kMissing},
         {PerRunScoreLine(60), PerRunScoreLine(63)},
         "63"},
        {"empty value on the last run: no-score and separator",
         {Scored("V>60.00"), kEmptyValue},
         {PerRunScoreLine(60), none, sep},
         ""},
        {"empty value before the last run: no separator",
         {kEmptyValue, Scored("V>60.00")},
         {none, PerRunScoreLine(60), AverageLine(30)},
         "60"},
        {"page without marker", {kNoMarker}, {none, sep}, ""},
        {"value converting with neither separator", {Scored("V>>46.5")}, {none, sep}, ""},
    };
    for (const auto& c : cases) {
        w.mw.reportLines.clear();
        w.mw.LastRunValue = "stale";
        RunSlot(c.runs);
        EXPECT_EQ(ScoreLines(), c.lines) << c.name;
        EXPECT_EQ(w.mw.LastRunValue, c.lastRunValue) << c.name;
        EXPECT_EQ(w.mw.batch.ScoreSum, 0) << c.name;
    }
}

TEST_F(RecordRunStatsTest, NextSlotAverageStartsFromZero) {
    RunSlot({Scored("V>60.00"), Scored("V>63.00"), kMissing});
    RunSlot({Scored("V>30.00"), Scored("V>30.00"), Scored("V>30.00")});
    EXPECT_EQ(ScoreLines().back(), AverageLine(30));
}

TEST_F(RecordRunStatsTest, CaptionOncePerSlotAndOnlyWithAPage) {
    const ResolutionSlot* slot = SlotByTag("1024");
    ASSERT_NE(slot, nullptr);
    const std::string caption = SlotTexts(*slot, w.mw.controls).ReportCaption;

    RunSlot({kMissing, Scored("V>50.00"), Scored("V>52.00")});
    EXPECT_EQ(w.mw.reportLines, (std::vector<std::string>{caption, PerRunScoreLine(50),
                                                          PerRunScoreLine(52), AverageLine(34)}));

    w.mw.reportLines.clear();
    RunSlot({kMissing, kMissing});
    EXPECT_TRUE(w.mw.reportLines.empty());
}

TEST_F(RecordRunStatsTest, BarOnlyForOneRunBatchesOfSeveralSlots) {
    struct BarCase {
        int selectedSlots;
        std::vector<RunOutcome> runs;
        std::size_t bars;
    };
    const std::vector<BarCase> cases = {
        {2, {Scored("V>61.00")}, 1},
        {1, {Scored("V>61.00")}, 0},
        {2, {Scored("V>61.00"), Scored("V>62.00")}, 0},
        {2, {kEmptyValue}, 0},
    };
    for (const auto& c : cases) {
        w.mw.chart.bars.clear();
        w.mw.batch.SelectedSlots = c.selectedSlots;
        RunSlot(c.runs);
        ASSERT_EQ(w.mw.chart.bars.size(), c.bars) << c.selectedSlots << " slots";
    }
    w.mw.batch.SelectedSlots = 2;
    RunSlot({Scored("V>61.00")});
    ASSERT_EQ(w.mw.chart.bars.size(), 1u);
    EXPECT_EQ(w.mw.chart.bars[0].value, 61);
    EXPECT_EQ(w.mw.chart.bars[0].label, w.mw.batch.ChartLabel);
    EXPECT_EQ(w.mw.chart.bars[0].colour, kBarColour);
}

TEST(StatsReader, DeleteStatsFilesDeletesOnlyThoseThatExistInOrder) {
    FakeWorld w;
    w.mw.batch.StatsFile = "C:\\S\\m.html";
    w.mw.batch.StatsLogFile = "C:\\S\\m.log";
    w.mw.batch.GlobalStatsFile = "C:\\S\\Global.html";
    w.files.AddFile(w.mw.batch.StatsFile, "p");
    w.files.AddFile(w.mw.batch.GlobalStatsFile, "g");
    DeleteStatsFiles(w.mw);
    EXPECT_EQ(w.files.log,
              (std::vector<std::string>{"delete C:\\S\\m.html", "delete C:\\S\\Global.html"}));
    EXPECT_TRUE(w.files.files.empty());
}

}  // namespace
}  // namespace tessaro::fakes
