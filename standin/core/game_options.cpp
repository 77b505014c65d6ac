#include "standin/core/game_options.h"

#include "standin/core/text.h"

namespace tessaro::standin {
namespace {

// Blank-separated tokens. Quotes carry no meaning in the game's arguments, but a shell or
// Wine may put them around a group of them; they are dropped.
std::vector<std::string> SplitAtBlanks(std::string_view text) {
    std::vector<std::string> tokens;
    std::string token;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!token.empty())
                tokens.push_back(std::move(token));
            token.clear();
        } else if (c != '"') {
            token += c;
        }
    }
    if (!token.empty())
        tokens.push_back(std::move(token));
    return tokens;
}

// The map name becomes part of file names in the statistics folder: nothing that could
// lead out of it.
bool IsSafeMapName(std::string_view name) {
    if (name.empty() || name.front() == '.')
        return false;
    for (char c : name) {
        bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                  c == '-' || c == '_' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

bool ParseMapUrl(std::string_view url, GameOptions& options, std::string& error) {
    size_t question = url.find('?');
    std::string_view name = url.substr(0, question);
    if (!IsSafeMapName(name)) {
        error = "not a map name: \"" + std::string(name) + "\"";
        return false;
    }
    options.mapName = std::string(name);
    while (question != std::string_view::npos) {
        size_t next = url.find('?', question + 1);
        std::string_view option = url.substr(question + 1, next - question - 1);
        size_t equals = option.find('=');
        std::string key(option.substr(0, equals));
        std::string value(equals == std::string_view::npos ? "" : option.substr(equals + 1));
        options.urlOptions.emplace_back(std::move(key), std::move(value));
        question = next;
    }
    options.botmatch = UrlOption(options, "automatedperftesting") == "1";
    return true;
}

bool ParseResolution(std::string_view text, int& value) {
    auto number = ParseInteger(text);
    if (!number || *number < 1 || *number > kMaxResolution)
        return false;
    value = *number;
    return true;
}

struct Flag {
    std::string_view name;
    bool GameOptions::*field;
};

constexpr Flag kFlags[] = {
    {"-unattended", &GameOptions::unattended}, {"-novsync", &GameOptions::noVSync},
    {"-fixedseed", &GameOptions::fixedSeed},   {"-nomoviestartup", &GameOptions::noMovieStartup},
    {"-onethread", &GameOptions::oneThread},
};

bool ParseSwitch(std::string_view token, GameOptions& options, std::string& error) {
    for (const Flag& flag : kFlags) {
        if (EqualsIgnoringCase(token, flag.name)) {
            options.*flag.field = true;
            return true;
        }
    }
    auto valueOf = [&](std::string_view prefix, std::string_view& value) {
        if (!StartsWithIgnoringCase(token, prefix))
            return false;
        value = token.substr(prefix.size());
        return true;
    };
    std::string_view value;
    if (valueOf("-seconds=", value)) {
        if (ParseRunSeconds(value, options.seconds))
            return true;
    } else if (valueOf("-ResX=", value)) {
        if (ParseResolution(value, options.resX))
            return true;
    } else if (valueOf("-ResY=", value)) {
        if (ParseResolution(value, options.resY))
            return true;
    } else if (valueOf("-CaptureFPSChartInfo=", value)) {
        options.captureFpsChart = value == "1";
        return true;
    } else {
        options.ignoredSwitches.emplace_back(token);
        return true;
    }
    error = "bad value in " + std::string(token);
    return false;
}

}  // namespace

bool ParseRunSeconds(std::string_view text, double& seconds) {
    auto number = ParseNumber(text);
    if (!number || *number < 0 || *number > kMaxSeconds)
        return false;
    seconds = *number;
    return true;
}

std::string UrlOption(const GameOptions& options, std::string_view name) {
    for (const auto& [key, value] : options.urlOptions) {
        if (EqualsIgnoringCase(key, name))
            return value;
    }
    return {};
}

ParsedGameOptions ParseGameArguments(std::string_view arguments) {
    ParsedGameOptions parsed;
    bool haveMap = false;
    for (const std::string& token : SplitAtBlanks(arguments)) {
        if (token.front() == '-') {
            if (!ParseSwitch(token, parsed.options, parsed.error))
                return parsed;
        } else if (haveMap) {
            parsed.error = "a second map URL: " + std::string(token);
            return parsed;
        } else {
            if (!ParseMapUrl(token, parsed.options, parsed.error))
                return parsed;
            haveMap = true;
        }
    }
    if (!haveMap) {
        parsed.error = "no map given";
        return parsed;
    }
    if (static_cast<long long>(parsed.options.resX) * parsed.options.resY > kMaxPixels) {
        parsed.error = "resolution too large";
        return parsed;
    }
    parsed.ok = true;
    return parsed;
}

}  // namespace tessaro::standin
