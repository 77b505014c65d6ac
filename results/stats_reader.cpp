#include "results/stats_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "engine/batch_sequencer.h"
#include "engine/resolution_slots.h"
#include "results/report_writer.h"
#include "results/results_chart.h"
#include "settings/profile_paths.h"
#include "ui/main_window.h"

namespace tessaro {

namespace {

constexpr const char* kStatsSubfolder = "\\My Games\\Unreal Tournament 3\\UTGame\\Stats\\";
constexpr const char* kFlybyTypeLine = "Benchmark type:</b> Flyby";
constexpr const char* kBotmatchTypeLine =
    "Benchmark type:</b> BotMatch</FONT><br><span class=\"style8\">NOT recommended for compare "
    "results!</FONT></span>";

// The run value sits in characters 33 to 39 of its line.
constexpr std::size_t kValueColumn = 32;
constexpr std::size_t kValueWidth = 7;
// The marker line and the four after it are skipped.
constexpr std::size_t kCandidateOffset = 5;

bool ValuePartEmpty(const std::string& line) {
    auto eq = line.find('=');
    if (eq != std::string::npos)
        return eq + 1 == line.size();
    return line.size() <= 1;
}

void EraseFirst(std::string& text, char c) {
    auto at = text.find(c);
    if (at != std::string::npos)
        text.erase(at, 1);
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    return at;
}

// The number grammar of the locale's conversion: blanks, optional sign, digits,
// optionally the separator and further digits, optionally an exponent, blanks.
// A separator with no digits after it ("1046.") is taken: a four-digit frame rate
// is cut right behind its separator. The answer is the text in C notation.
std::optional<std::string> Normalise(std::string_view text, std::string_view separator) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    std::string out;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-')
            out += '-';
        ++at;
    }
    std::size_t end = SkipDigits(text, at);
    if (end == at)
        return std::nullopt;
    out.append(text.substr(at, end - at));
    at = end;
    if (!separator.empty() && text.substr(at, separator.size()) == separator) {
        at += separator.size();
        end = SkipDigits(text, at);
        out += '.';
        out.append(text.substr(at, end - at));
        at = end;
    }
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        out += 'e';
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            out += text[at++];
        end = SkipDigits(text, at);
        if (end == at)
            return std::nullopt;
        out.append(text.substr(at, end - at));
        at = end;
    }
    while (at < text.size() && text[at] == ' ')
        ++at;
    if (at != text.size())
        return std::nullopt;
    return out;
}

std::optional<int> ToScore(std::string_view text, std::string_view separator) {
    auto c = Normalise(text, separator);
    if (!c)
        return std::nullopt;
    double value = 0;
    auto [ptr, ec] = std::from_chars(c->data(), c->data() + c->size(), value);
    if (ec != std::errc() || ptr != c->data() + c->size() || !std::isfinite(value))
        return std::nullopt;
    // Halfway goes to the even neighbour.
    double lower = std::floor(value);
    double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1;
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::string SwapSeparator(std::string text) {
    auto comma = text.find(',');
    if (comma != std::string::npos) {
        text[comma] = '.';
    } else {
        auto dot = text.find('.');
        if (dot != std::string::npos)
            text[dot] = ',';
    }
    return text;
}

void WriteCaptionOnce(MainWindow& mw) {
    if (mw.batch.CaptionWritten)
        return;
    mw.batch.CaptionWritten = true;
    if (const ResolutionSlot* slot = SlotByTag(mw.batch.CurrentTag))
        AddReportLine(mw, SlotTexts(*slot, mw.controls).ReportCaption);
}

void WriteScore(MainWindow& mw, int score, bool lastRun) {
    const int runs = EffectiveRunsPerSlot(mw);
    if (runs == 1) {
        AddReportLine(mw, OneRunScoreLine(score));
        if (mw.batch.SelectedSlots > 1)
            AddBar(mw.chart, score, mw.batch.ChartLabel, kBarColour);
        return;
    }
    AddReportLine(mw, PerRunScoreLine(score));
    mw.batch.ScoreSum += score;
    // Runs without a score still count in the divisor.
    if (lastRun)
        AddReportLine(mw, AverageLine(mw.batch.ScoreSum / runs));
}

}  // namespace

void BuildStatsPaths(MainWindow& mw) {
    BenchmarkBatch& b = mw.batch;
    const std::string folder = DocumentsFolder(mw) + kStatsSubfolder;
    const bool botmatch = mw.controls.BOTBox.ticked;
    const std::string mode = botmatch ? "-FPS-PC" : "-FlyThrough-PC";
    b.StatsFile = folder + b.MapName + mode + ".html";
    b.StatsLogFile = folder + b.MapName + mode + ".log";
    b.GlobalStatsFile = folder + "Global" + mode + ".html";
    b.BenchmarkTypeLine = botmatch ? kBotmatchTypeLine : kFlybyTypeLine;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    // A final line break ends the last line; it does not open another.
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string ExtractRunValue(const std::vector<std::string>& lines) {
    std::size_t marker = 0;
    while (marker < lines.size() && lines[marker] != kDataRowMarker)
        ++marker;
    std::size_t at = marker + kCandidateOffset;
    if (marker == lines.size() || at >= lines.size())
        return {};
    if (ValuePartEmpty(lines[at]) && ++at >= lines.size())
        return {};

    const std::string& line = lines[at];
    if (line.size() <= kValueColumn)
        return {};
    std::string value = line.substr(kValueColumn, kValueWidth);
    for (char c : {'>', '<', '/', 'D', 'V'})
        EraseFirst(value, c);
    return value;
}

std::optional<int> ConvertRunValue(const std::string& value, const std::string& decimalSeparator) {
    if (auto score = ToScore(value, decimalSeparator))
        return score;
    return ToScore(SwapSeparator(value), decimalSeparator);
}

void RecordRunStats(MainWindow& mw) {
    BenchmarkBatch& b = mw.batch;
    const bool lastRun = b.RunsDoneInSlot == EffectiveRunsPerSlot(mw);

    if (mw.ports.files.FileExists(b.StatsFile)) {
        mw.ports.window.Repaint();
        WriteCaptionOnce(mw);

        auto page = mw.ports.files.ReadFile(b.StatsFile);
        std::string value = page ? ExtractRunValue(SplitLines(*page)) : std::string();
        std::optional<int> score;
        if (!value.empty())
            score = ConvertRunValue(value, mw.ports.locale.DecimalSeparator());

        // A value that converts with neither separator is no score: the run reads as
        // one that gave no value, so the report is not saved on its strength alone.
        mw.LastRunValue = score ? std::to_string(*score) : std::string();
        if (score) {
            WriteScore(mw, *score, lastRun);
        } else {
            AddReportLine(mw, kNoScoreLine);
            if (lastRun)
                AddReportLine(mw, kSeparatorLine);
        }
    }

    if (lastRun)
        b.ScoreSum = 0;
}

void DeleteStatsFiles(MainWindow& mw) {
    for (const std::string* file :
         {&mw.batch.StatsFile, &mw.batch.StatsLogFile, &mw.batch.GlobalStatsFile}) {
        if (!file->empty() && mw.ports.files.FileExists(*file))
            mw.ports.files.DeleteFile(*file);
    }
}

}  // namespace tessaro
