#include "results/report_writer.h"

#include <array>
#include <cstdio>
#include <utility>

#include "results/results_chart.h"
#include "results/stats_reader.h"
#include "results/system_summary.h"
#include "settings/profile_tweaks.h"
#include "ui/main_window.h"

namespace tessaro {

namespace {

constexpr const char* kCopyright = "Copyright &copy; 2009 Veltrane Benchmarks";

// Windows-1252 bytes 0x80 to 0x9F; zero where the code page has no character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The next code point of UTF-8 text, or none for a malformed sequence (one byte is
// then consumed).
std::optional<char32_t> NextCodePoint(const std::string& text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5 || at + static_cast<std::size_t>(extra) > text.size())
        return std::nullopt;
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto c = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr std::array<char32_t, 4> kSmallest = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[static_cast<std::size_t>(extra)] || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp < 0xE000))
        return std::nullopt;
    at += static_cast<std::size_t>(extra);
    return cp;
}

char ToCodePage(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

std::size_t CodePointCount(const std::string& utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string FontLine(const std::string& text) {
    return "<FONT size=2><b>" + text + "</FONT><br>";
}

// Shown once the progress panel, the run button and the profile are seen to.
void TellUser(MainWindow& mw, const std::vector<std::string>& failures) {
    for (const std::string& text : failures)
        mw.ports.dialogs.ShowMessage(text);
}

}  // namespace

std::string OneRunScoreLine(int score) {
    return "<span class=\"style5\"><b>Score = " + std::to_string(score) + " FPS</b></span><br>";
}

std::string PerRunScoreLine(int score) {
    return "<b>Score = " + std::to_string(score) + " FPS</b><br>";
}

std::string AverageLine(int average) {
    return "<span class=\"style5\"><b>Average score = " + std::to_string(average) +
           " FPS</b></span><br>";
}

std::string FormatStamp(const LocalTime& t) {
    char b[48];
    std::snprintf(b, sizeof b, "%02d%02d%02d__%02d_%02d_%04d", t.hour, t.minute, t.second, t.day,
                  t.month, t.year);
    return b;
}

std::string FormatStartedText(MainWindow& mw, const LocalTime& t) {
    std::string text = mw.ports.locale.ShortDate(t);
    // At midnight exactly the time is left out.
    if (t.hour != 0 || t.minute != 0 || t.second != 0) {
        text += ' ';
        text += mw.ports.locale.LongTime(t);
    }
    return text;
}

void BeginReport(MainWindow& mw) {
    mw.reportLines.clear();
    const BenchmarkBatch& b = mw.batch;
    for (const char* line : {
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
             "<meta http-equiv=\"Content-Type\" content=\"text/html; "
             "charset=iso-8859-1\"></head>",
             "<body>",
             "<p align=\"center\" class=\"style7\">Tessaro</p><br>",
         })
        AddReportLine(mw, line);
    AddReportLine(mw, "   <FONT size=2>The benchmark started at " + b.StartedText + "</FONT><br>");
    AddReportLine(mw, "<p align=\"left\"><span class=\"style4\">System Information<br></span>");
    for (const std::string& line : DescribeSystem(mw))
        AddReportLine(mw, line);
    // Inserted as typed: the report is a template, not escaped markup.
    if (!mw.controls.NoteEdit.empty())
        AddReportLine(mw, "<FONT size=2><span class=\"style6\">Comment:</span> " +
                              mw.controls.NoteEdit + "</FONT><br>");
    AddReportLine(mw, "<span class=\"style4\">Benchmark Information</span><br>");
    AddReportLine(mw, FontLine(b.BenchmarkTypeLine));
    AddReportLine(mw, "<FONT size=2><b>Demo:</b> " + b.MapName + "</FONT><br>");
    AddReportLine(mw, FontLine(mw.MotionBlurLine));
    AddReportLine(mw, FontLine(mw.PhysicsLine));
    AddReportLine(mw, FontLine(mw.FilteringLine));
    AddReportLine(mw, "<hr>");
}

void AddReportLine(MainWindow& mw, const std::string& line) {
    mw.reportLines.push_back(line);
}

void FinishBatch(MainWindow& mw) {
    std::vector<std::string> failures;
    mw.SavedReportPath.clear();
    mw.NoReportReason.clear();

    if (mw.batch.SelectedSlots > 1) {
        if (auto picture = ExportChart(mw)) {
            AddReportLine(mw, "<p align=\"center\"><img src=\"" + *picture + "\"><br>");
        } else {
            // The report then goes without a picture line rather than a broken image.
            failures.push_back("The chart picture could not be written: " + mw.controls.ResEdit +
                               "\\result_" + mw.batch.Stamp + "chart.jpg");
        }
    }

    mw.controls.ProgressPanelVisible = false;
    mw.controls.BenchButtonEnabled = true;
    mw.ports.window.Repaint();
    RestoreProfile(mw);

    AddReportLine(mw, "</p>");
    AddReportLine(mw, "<br><br><P></P><P></P>");
    AddReportLine(mw, std::string("<CENTER>") + kCopyright + "</CENTER><BR></BODY></HTML>");

    if (mw.LastRunValue.empty()) {
        mw.NoReportReason = "No report was saved: no run gave a value.";
    } else {
        const std::string path = ReportFilePath(mw.controls.ResEdit, mw.batch.Stamp);
        if (mw.ports.files.WriteFile(path, EncodeReport(mw.reportLines))) {
            mw.SavedReportPath = path;
            mw.ports.shell.Open(path);
        } else {
            mw.NoReportReason = "No report was saved: the file could not be written: " + path;
            failures.push_back("The report could not be written: " + path);
        }
    }
    mw.batch.Running = false;
    TellUser(mw, failures);

    mw.ports.clock.Sleep(1000);
    DeleteStatsFiles(mw);
}

std::string ReportFilePath(const std::string& resultsFolder, const std::string& stamp) {
    // A drive root ("D:\") already ends in its separator; longer folder texts get one
    // more, which the file system takes as one.
    const char* glue = CodePointCount(resultsFolder) >= 4 ? "\\result_" : "result_";
    return resultsFolder + glue + stamp + ".htm";
}

std::string EncodeReport(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += ToWindows1252(line) + "\r\n";
    return bytes;
}

std::string ToWindows1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        auto cp = NextCodePoint(utf8, at);
        out += cp ? ToCodePage(*cp) : '?';
    }
    return out;
}

}  // namespace tessaro
