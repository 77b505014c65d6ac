#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::standin {

// One line of a test script: what a single start of the stand-in does instead of
// reporting what it measured.
struct ScriptStep {
    enum class Verb { Fps, Value, NoMarker, NoStats, Crash };
    Verb verb = Verb::Fps;
    double fps = 0;     // Fps: printed with two decimals
    std::string value;  // Value: the exact characters at the place the reader cuts
};

inline constexpr size_t kMaxValueLength = 7;

struct ParsedScriptStep {
    bool ok = false;
    ScriptStep step;
    std::string error;
};

ParsedScriptStep ParseScriptStep(std::string_view line);

// The lines of a script that count: blank lines and "#" comments are skipped.
std::vector<std::string> ScriptEntries(std::string_view text);

struct ScriptTake {
    enum class Kind { Exhausted, Step, Bad };
    Kind kind = Kind::Exhausted;
    ScriptStep step;
    std::string error;
};

// Takes the next unused entry of the script file and counts it as used in "<file>.used"
// before acting on it, so a start that crashes does not repeat itself. A missing or
// unreadable script, or a line of no known form, is Bad: a test asked for something the
// stand-in cannot give.
ScriptTake TakeNextScriptStep(const std::filesystem::path& script);

}  // namespace tessaro::standin
