#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/resolution_slots.h"
#include "fakes/fake_ports.h"
#include "results/report_writer.h"
#include "results/stats_reader.h"
#include "settings/profile_paths.h"
#include "settings/profile_tweaks.h"

namespace tessaro::fakes {
namespace {

// A botmatch batch of DM-Arsenal with every option line set and a comment that
// holds markup characters.
void PrepareHeader(FakeWorld& w, const std::string& note) {
    w.mw.batch.MapName = "DM-Arsenal";
    w.mw.controls.BOTBox.ticked = true;
    BuildStatsPaths(w.mw);
    w.mw.batch.StartedText = "09/12/2009 14:30:05";
    w.mw.controls.NoteEdit = note;
    w.mw.MotionBlurLine = "Motion Blur:</b> Disabled";
    w.mw.PhysicsLine = "Hardware Physics:</b> Enabled";
    w.mw.FilteringLine = std::string("Anisotropic filtering:</b> 16") + kTimes;
    w.system.cpu = "      Intel(R) Core(TM)2 Duo CPU     E6600  @ 2.40GHz";
}

TEST(ReportWriter, HeaderGoldenText) {
    FakeWorld w;
    PrepareHeader(w, "Fast <GPU> & more");
    BeginReport(w.mw);
    const std::vector<std::string> expected = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
        "\"http://www.w3.org/TR/html4/loose.dtd\">",
        "<html>",
        "<head>",
        "<title>Tessaro - Veltrane Benchmarks</title>",
        "<style type=\"text/css\">",
        "<!--",
        ".style4 {",
        "\tcolor: #0066FF;",
        "\tfont-weight: bold;",
        "}",
        ".style5 {color: #990000}",
        ".style6 {color: #0066FF}",
        ".style8 {color: #FF0000}",
        ".style7 {",
        "font-size: 36px;",
        "font-weight: bold;)",
        "}",
        "-->",
        "</style>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"></head>",
        "<body>",
        "<p align=\"center\" class=\"style7\">Tessaro</p><br>",
        "   <FONT size=2>The benchmark started at 09/12/2009 14:30:05</FONT><br>",
        "<p align=\"left\"><span class=\"style4\">System Information<br></span>",
        "   <FONT size=2><b>Operating system:</b> Microsoft Windows 10 Pro</FONT><br>",
        "   <FONT size=2><b>System memory:</b> 4096 MB</FONT><br>",
        "   <FONT size=2><b>CPU:</b>       Intel(R) Core(TM)2 Duo CPU     E6600  @ "
        "2.40GHz</FONT><br>",
        "   <FONT size=2><b>CPU speed:</b> 2394 MHz</FONT><br>",
        "   <FONT size=2><b>Graphics card:</b> NVIDIA GeForce 8800 GT - 512 MB</FONT><br>",
        "<FONT size=2><span class=\"style6\">Comment:</span> Fast <GPU> & more</FONT><br>",
        "<span class=\"style4\">Benchmark Information</span><br>",
        "<FONT size=2><b>Benchmark type:</b> BotMatch</FONT><br><span class=\"style8\">NOT "
        "recommended for compare results!</FONT></span></FONT><br>",
        "<FONT size=2><b>Demo:</b> DM-Arsenal</FONT><br>",
        "<FONT size=2><b>Motion Blur:</b> Disabled</FONT><br>",
        "<FONT size=2><b>Hardware Physics:</b> Enabled</FONT><br>",
        "<FONT size=2><b>Anisotropic filtering:</b> 16\xC3\x97</FONT><br>",
        "<hr>",
    };
    EXPECT_EQ(w.mw.reportLines, expected);
}

TEST(ReportWriter, CommentLineOnlyForANonEmptyComment) {
    struct Case {
        std::string note;
        std::size_t lines;
    };
    for (const Case& c : {Case{"", 36}, Case{"   ", 37}}) {
        FakeWorld w;
        PrepareHeader(w, c.note);
        w.mw.reportLines = {"left over from the last batch"};
        BeginReport(w.mw);
        EXPECT_EQ(w.mw.reportLines.size(), c.lines) << "'" << c.note << "'";
        EXPECT_EQ(w.mw.reportLines[29],
                  c.note.empty() ? "<span class=\"style4\">Benchmark Information</span><br>"
                                 : "<FONT size=2><span class=\"style6\">Comment:</span>    "
                                   "</FONT><br>");
    }
}

TEST(ReportWriter, StampAndStartedText) {
    FakeWorld w;
    EXPECT_EQ(FormatStamp({2009, 3, 3, 14, 5, 9}), "140509__03_03_2009");
    EXPECT_EQ(FormatStamp({2009, 12, 9, 0, 0, 0}), "000000__09_12_2009");
    EXPECT_EQ(FormatStartedText(w.mw, {2009, 3, 3, 14, 5, 9}), "03/03/2009 14:05:09");
    EXPECT_EQ(FormatStartedText(w.mw, {2009, 3, 3, 0, 0, 0}), "03/03/2009");
    EXPECT_EQ(FormatStartedText(w.mw, {2009, 3, 3, 0, 0, 1}), "03/03/2009 00:00:01");
}

TEST(ReportWriter, ReportFilePathForms) {
    const std::string stamp = "140509__03_03_2009";
    EXPECT_EQ(ReportFilePath("C:\\Tessaro\\Benchmark\\", stamp),
              "C:\\Tessaro\\Benchmark\\\\result_140509__03_03_2009.htm");
    EXPECT_EQ(ReportFilePath("D:\\R", stamp), "D:\\R\\result_140509__03_03_2009.htm");
    EXPECT_EQ(ReportFilePath("D:\\", stamp), "D:\\result_140509__03_03_2009.htm");
    // Counted in characters, not bytes: a two-character root stays a root.
    EXPECT_EQ(ReportFilePath("\xC3\xA9\\", stamp), "\xC3\xA9\\result_140509__03_03_2009.htm");
}

TEST(ReportWriter, EncodesWindows1252WithCrLf) {
    EXPECT_EQ(ToWindows1252(std::string("800") + kTimes + "600"),
              "800\xD7"
              "600");
    EXPECT_EQ(ToWindows1252("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x94"), "caf\xE9 \x80 \x97");
    EXPECT_EQ(ToWindows1252("\xE4\xB8\xAD|\xFF|\xC3"), "?|?|?");  // unmappable, malformed, cut
    EXPECT_EQ(EncodeReport({"<html>", std::string("1024") + kTimes + "768", ""}),
              "<html>\r\n1024\xD7"
              "768\r\n\r\n");
}

// The end of a batch of one slot whose profile was prepared.
class FinishBatchTest : public ::testing::Test {
  protected:
    FakeWorld w;
    const std::string results = "C:\\Tessaro\\Benchmark\\";
    const std::string userEngine = "[Engine.Engine]\r\nUser=1\r\n";

    void SetUp() override {
        w.mw.ProgramFolder = "C:\\Tessaro\\";
        w.files.AddFile("C:\\Tessaro\\UTEngine.ini", "[Template]\r\n");
        w.files.AddFolder(results);
        w.mw.controls.ResEdit = results;
        DeriveProfilePaths(w.mw);
        w.files.AddFile(w.mw.locations.EngineIni, userEngine);
        w.files.AddFolder(w.mw.locations.StatsFolder);
        w.mw.batch.MapName = "DM-Arsenal";
        BuildStatsPaths(w.mw);
        BackupProfile(w.mw);
        w.files.AddFile(w.mw.batch.StatsFile, "page");
        w.mw.batch.Stamp = "140509__03_03_2009";
        w.mw.batch.SelectedSlots = 1;
        w.mw.batch.Running = true;
        w.mw.controls.ProgressPanelVisible = true;
        w.mw.controls.BenchButtonEnabled = false;
        w.mw.reportLines = {"<html>", std::string("800") + kTimes + "600"};
        w.mw.LastRunValue = "46";
    }

    void ExpectBatchEndedCleanly() {
        EXPECT_FALSE(w.mw.controls.ProgressPanelVisible);
        EXPECT_TRUE(w.mw.controls.BenchButtonEnabled);
        EXPECT_FALSE(w.mw.batch.Running);
        EXPECT_EQ(w.files.Bytes(w.mw.locations.EngineIni), userEngine);
        EXPECT_FALSE(w.files.FileExists(w.mw.locations.ConfigFolder + "UTEngineold.ini"));
        EXPECT_FALSE(w.files.FileExists(w.mw.batch.StatsFile));
    }
};

TEST_F(FinishBatchTest, SavesOpensAndCleansUp) {
    FinishBatch(w.mw);
    const std::string path = results + "\\result_140509__03_03_2009.htm";
    const std::vector<std::string> tail(w.mw.reportLines.end() - 3, w.mw.reportLines.end());
    EXPECT_EQ(tail[0], "</p>");  // no picture line for one slot, but the paragraph ends
    EXPECT_EQ(tail[1], "<br><br><P></P><P></P>");
    EXPECT_EQ(tail[2].rfind("<CENTER>", 0), 0u);
    EXPECT_NE(tail[2].find("</CENTER><BR></BODY></HTML>"), std::string::npos);
    EXPECT_EQ(w.files.Bytes(path), EncodeReport(w.mw.reportLines));
    EXPECT_EQ(w.shell.opened, std::vector<std::string>{path});
    EXPECT_EQ(w.mw.SavedReportPath, path);
    EXPECT_TRUE(w.mw.NoReportReason.empty());
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_EQ(w.clock.sleeps, std::vector<int>{1000});
    ExpectBatchEndedCleanly();
}

TEST_F(FinishBatchTest, NoRunValueSavesNothing) {
    w.mw.LastRunValue.clear();
    FinishBatch(w.mw);
    EXPECT_FALSE(w.files.FileExists(results + "result_140509__03_03_2009.htm"));
    EXPECT_TRUE(w.shell.opened.empty());
    EXPECT_TRUE(w.mw.SavedReportPath.empty());
    EXPECT_NE(w.mw.NoReportReason.find("no run gave a value"), std::string::npos);
    ExpectBatchEndedCleanly();
}

TEST_F(FinishBatchTest, ReportThatCannotBeWrittenIsToldAndTheBatchStillEnds) {
    w.files.folders.erase(NormalisePath(results));  // the folder was removed meanwhile
    FinishBatch(w.mw);
    const std::string path = results + "\\result_140509__03_03_2009.htm";
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_NE(w.dialogs.messages[0].find(path), std::string::npos);
    EXPECT_TRUE(w.shell.opened.empty());
    EXPECT_TRUE(w.mw.SavedReportPath.empty());
    EXPECT_NE(w.mw.NoReportReason.find("could not be written"), std::string::npos);
    ExpectBatchEndedCleanly();
}

TEST_F(FinishBatchTest, SeveralSlotsGetThePictureLineBeforeTheParagraphEnd) {
    w.mw.batch.SelectedSlots = 2;
    FinishBatch(w.mw);
    const auto& lines = w.mw.reportLines;
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 4],
              "<p align=\"center\"><img src=\"result_140509__03_03_2009chart.jpg\"><br>");
    EXPECT_EQ(lines[lines.size() - 3], "</p>");
    EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST_F(FinishBatchTest, PictureThatCannotBeWrittenIsToldAndLeftOutOfTheReport) {
    w.mw.batch.SelectedSlots = 2;
    w.files.readOnlyFolders.insert(NormalisePath(results));
    FinishBatch(w.mw);
    EXPECT_EQ(w.mw.reportLines[w.mw.reportLines.size() - 3], "</p>");
    EXPECT_EQ(w.mw.reportLines[w.mw.reportLines.size() - 4], std::string("800") + kTimes + "600");
    ASSERT_EQ(w.dialogs.messages.size(), 2u);  // the picture, then the report
    EXPECT_NE(w.dialogs.messages[0].find("result_140509__03_03_2009chart.jpg"), std::string::npos);
    ExpectBatchEndedCleanly();
}

}  // namespace
}  // namespace tessaro::fakes
