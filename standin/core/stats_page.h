#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "standin/core/profile.h"

namespace tessaro::standin {

// What a run did, as the statistics files report it.
struct RunFacts {
    std::string mapName;
    bool botmatch = false;
    int resX = 0;
    int resY = 0;
    double secondsAsked = 0;
    double secondsElapsed = 0;
    long long frames = 0;
    double framesPerSecond = 0;
    unsigned threads = 1;
    RenderSettings settings;
};

// What the page shows at the place the front-end reads the frame rate from.
struct PageFigure {
    enum class Kind { Fps, Value };
    Kind kind = Kind::Fps;
    double fps = 0;      // Fps: printed with two decimals
    std::string value;   // Value: exactly these characters, at most seven
    bool marker = true;  // false: the page has no data-row marker
};

inline constexpr std::string_view kDataRowMarker = "<TR CLASS=\"dataRow\">";
// The figure cell opens with exactly 32 characters, so the figure starts at character 33
// of its line and the closing "</DIV>" that may follow a short figure is made of the
// characters the reader removes.
inline constexpr std::string_view kFigureCellOpen = "<TD ALIGN=\"right\"><DIV ID=\"fps\">";
inline constexpr std::string_view kFigureCellClose = "</DIV></TD>";
static_assert(kFigureCellOpen.size() == 32);

struct StatsFileNames {
    std::string page;
    std::string log;
    std::string global;
};

StatsFileNames StatsFileNamesFor(std::string_view mapName, bool botmatch);

std::string StatsPageText(const RunFacts& facts, const PageFigure& figure);
std::string StatsLogText(const RunFacts& facts, const PageFigure& figure);
std::string GlobalPageText(const RunFacts& facts, const PageFigure& figure);

// Writes the page, the log and the global page into the statistics folder, creating the
// folder when missing. False when any of them could not be written.
bool WriteStatsFiles(const std::filesystem::path& statsFolder, const RunFacts& facts,
                     const PageFigure& figure);

}  // namespace tessaro::standin
