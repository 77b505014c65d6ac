#include "standin/core/game_run.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#include "standin/core/flythrough.h"
#include "standin/core/game_options.h"
#include "standin/core/profile.h"
#include "standin/core/script.h"
#include "standin/core/stats_page.h"
#include "standin/core/text.h"
#include "standin/core/worker_pool.h"

namespace tessaro::standin {
namespace {

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "UT3 stand-in: %s\n", message.c_str());
    return code;
}

void AppendStartLog(const std::filesystem::path& log, const GameStart& start) {
    std::ofstream out(log, std::ios::binary | std::ios::app);
    out << start.commandLine << '\t' << start.workingFolder << '\n';
}

std::string ReadIniFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return IniTextFromBytes(bytes.str());
}

// A game's first start leaves its default configuration in the profile.
bool EnsureProfile(const ProfileFolders& folders) {
    std::error_code error;
    std::filesystem::create_directories(folders.config, error);
    auto ensure = [](const std::filesystem::path& file, const std::string& text) {
        if (std::filesystem::exists(file))
            return true;
        std::ofstream out(file, std::ios::binary);
        out << text;
        out.close();
        return static_cast<bool>(out);
    };
    return ensure(folders.engineIni, DefaultEngineIni()) &&
           ensure(folders.gameIni, DefaultGameIni());
}

PageFigure FigureFor(const std::optional<ScriptStep>& step, double measuredFps) {
    PageFigure figure;
    figure.fps = measuredFps;
    if (!step)
        return figure;
    switch (step->verb) {
        case ScriptStep::Verb::Fps:
            figure.fps = step->fps;
            break;
        case ScriptStep::Verb::Value:
            figure.kind = PageFigure::Kind::Value;
            figure.value = step->value;
            break;
        case ScriptStep::Verb::NoMarker:
            figure.marker = false;
            break;
        default:
            break;
    }
    return figure;
}

}  // namespace

int RunGame(const GameStart& start) {
    if (start.startLog)
        AppendStartLog(*start.startLog, start);

    std::optional<ScriptStep> step;
    if (start.script) {
        ScriptTake take = TakeNextScriptStep(*start.script);
        if (take.kind == ScriptTake::Kind::Bad)
            return Fail(kGameExitBadScript, take.error);
        if (take.kind == ScriptTake::Kind::Step)
            step = take.step;
    }
    if (step && step->verb == ScriptStep::Verb::Crash)
        return kGameExitCrashed;

    ParsedGameOptions parsed = ParseGameArguments(ArgumentsTail(start.commandLine));
    if (!parsed.ok)
        return Fail(kGameExitBadCommandLine, parsed.error);
    const GameOptions& options = parsed.options;
    double seconds = options.seconds;
    if (start.secondsOverride && !ParseRunSeconds(*start.secondsOverride, seconds)) {
        return Fail(kGameExitBadCommandLine, "UT3_STANDIN_SECONDS is no run length");
    }

    if (start.documentsFolder.empty())
        return Fail(kGameExitProfileFailed, "no documents folder");
    const ProfileFolders folders = ProfileFoldersUnder(start.documentsFolder);
    if (!EnsureProfile(folders)) {
        return Fail(kGameExitProfileFailed, "cannot create " + PathUtf8(folders.config));
    }
    const RenderSettings settings =
        ReadRenderSettings(ReadIniFile(folders.engineIni), ReadIniFile(folders.gameIni));

    FlythroughConfig config;
    config.width = options.resX;
    config.height = options.resY;
    config.settings = settings;
    config.threads = RenderThreadCount(options.oneThread);
    config.seed = SceneSeed(options.fixedSeed);
    config.seconds = seconds;
    const FlythroughResult run = RunFlythrough(config);

    if (step && step->verb == ScriptStep::Verb::NoStats)
        return kGameExitOk;
    RunFacts facts;
    facts.mapName = options.mapName;
    facts.botmatch = options.botmatch;
    facts.resX = options.resX;
    facts.resY = options.resY;
    facts.secondsAsked = seconds;
    facts.secondsElapsed = run.seconds;
    facts.frames = run.frames;
    facts.framesPerSecond = run.framesPerSecond;
    facts.threads = run.threads;
    facts.settings = settings;
    if (!WriteStatsFiles(folders.stats, facts, FigureFor(step, run.framesPerSecond))) {
        return Fail(kGameExitProfileFailed,
                    "cannot write the statistics in " + PathUtf8(folders.stats));
    }
    return kGameExitOk;
}

}  // namespace tessaro::standin
