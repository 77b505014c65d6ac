#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

struct MainWindow;

// The options of `tessaro-cli run`. An option not given leaves its control alone.
struct RunOptions {
    std::optional<int> demoItem;               // demo radio item, 0 to 34
    std::optional<std::vector<int>> resItems;  // res items to tick; the rest unticked
    std::optional<std::pair<std::string, std::string>> custom;  // CusWidth, CusHeight
    std::optional<int> runs;                                    // 1 to 5
    std::optional<int> af;                                      // 0 to 3
    bool physics = false, motionBlur = false, botmatch = false, oneThread = false;
    std::optional<std::string> edition;  // "DVD" or "Steam"
    std::optional<std::string> game;
    std::optional<std::string> steamFolder;
    std::optional<std::string> results;
    std::optional<std::string> note;
    bool dryRun = false;
    bool noOpen = false;  // do not open the report (tests, automation)
    int repeat = 1;       // batches in one sitting (benchmarks)
    bool figures = false;
};

struct ParsedRunOptions {
    RunOptions options;
    std::string error;  // a usage error, when not empty
};

ParsedRunOptions ParseRunOptions(const std::vector<std::string>& args);

// Puts the options into the controls and values, as the user would have set them in
// the window, for this run only (nothing is stored).
void ApplyRunOptions(const RunOptions& options, MainWindow& mw);

}  // namespace tessaro
