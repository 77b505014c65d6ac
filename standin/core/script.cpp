#include "standin/core/script.h"

#include <fstream>
#include <sstream>

#include "standin/core/text.h"

namespace tessaro::standin {
namespace {

bool ReadWholeFile(const std::filesystem::path& file, std::string& text) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return true;
}

std::filesystem::path UsedCountFile(const std::filesystem::path& script) {
    std::filesystem::path used = script;
    used += ".used";
    return used;
}

ScriptTake Bad(std::string error) {
    ScriptTake take;
    take.kind = ScriptTake::Kind::Bad;
    take.error = std::move(error);
    return take;
}

}  // namespace

ParsedScriptStep ParseScriptStep(std::string_view line) {
    ParsedScriptStep parsed;
    std::string_view trimmed = TrimBlanks(line);
    size_t blank = trimmed.find_first_of(" \t");
    std::string_view verb = trimmed.substr(0, blank);
    std::string_view rest = blank == std::string_view::npos ? "" : trimmed.substr(blank + 1);
    using Verb = ScriptStep::Verb;
    if (EqualsIgnoringCase(verb, "fps")) {
        auto number = ParseNumber(rest);
        if (!number) {
            parsed.error = "fps needs a number: " + std::string(line);
            return parsed;
        }
        parsed.step = {Verb::Fps, *number, {}};
    } else if (EqualsIgnoringCase(verb, "value")) {
        // The text is taken from the untrimmed line: blanks may be what the test is about.
        size_t start = line.find_first_not_of(" \t");
        size_t afterVerb = start + verb.size();
        std::string_view text = afterVerb < line.size() ? line.substr(afterVerb + 1) : "";
        if (text.size() > kMaxValueLength) {
            parsed.error = "value longer than 7 characters: " + std::string(line);
            return parsed;
        }
        parsed.step = {Verb::Value, 0, std::string(text)};
    } else if (EqualsIgnoringCase(trimmed, "nomarker")) {
        parsed.step = {Verb::NoMarker, 0, {}};
    } else if (EqualsIgnoringCase(trimmed, "nostats")) {
        parsed.step = {Verb::NoStats, 0, {}};
    } else if (EqualsIgnoringCase(trimmed, "crash")) {
        parsed.step = {Verb::Crash, 0, {}};
    } else {
        parsed.error = "unknown script line: " + std::string(line);
        return parsed;
    }
    parsed.ok = true;
    return parsed;
}

std::vector<std::string> ScriptEntries(std::string_view text) {
    std::vector<std::string> entries;
    for (std::string_view line : SplitLines(text)) {
        std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == '#')
            continue;
        entries.emplace_back(line);
    }
    return entries;
}

ScriptTake TakeNextScriptStep(const std::filesystem::path& script) {
    std::string text;
    if (!ReadWholeFile(script, text))
        return Bad("cannot read the script " + PathUtf8(script));
    std::vector<std::string> entries = ScriptEntries(text);

    const std::filesystem::path usedFile = UsedCountFile(script);
    int used = 0;
    std::string usedText;
    if (ReadWholeFile(usedFile, usedText)) {
        auto count = ParseInteger(TrimBlanks(usedText.substr(0, usedText.find_first_of("\r\n"))));
        if (!count || *count < 0)
            return Bad("bad count in " + PathUtf8(usedFile));
        used = *count;
    }
    if (static_cast<size_t>(used) >= entries.size())
        return {};

    std::ofstream out(usedFile, std::ios::binary | std::ios::trunc);
    out << (used + 1) << "\n";
    out.close();
    if (!out)
        return Bad("cannot write " + PathUtf8(usedFile));

    ParsedScriptStep parsed = ParseScriptStep(entries[static_cast<size_t>(used)]);
    if (!parsed.ok)
        return Bad(parsed.error);
    ScriptTake take;
    take.kind = ScriptTake::Kind::Step;
    take.step = parsed.step;
    return take;
}

}  // namespace tessaro::standin
