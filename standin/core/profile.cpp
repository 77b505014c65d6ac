#include "standin/core/profile.h"

#include <algorithm>

#include "standin/core/text.h"

namespace tessaro::standin {
namespace {

std::optional<bool> ParseIniBool(std::string_view text) {
    if (EqualsIgnoringCase(text, "true") || text == "1" || EqualsIgnoringCase(text, "yes")) {
        return true;
    }
    if (EqualsIgnoringCase(text, "false") || text == "0" || EqualsIgnoringCase(text, "no")) {
        return false;
    }
    return {};
}

void ReadBool(std::string_view ini, std::string_view section, std::string_view key, bool& field) {
    if (auto text = IniValue(ini, section, key)) {
        if (auto value = ParseIniBool(*text))
            field = *value;
    }
}

std::string WithCrLf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace

std::optional<std::string> IniValue(std::string_view iniText, std::string_view section,
                                    std::string_view key) {
    bool inSection = false;
    for (std::string_view line : SplitLines(iniText)) {
        std::string_view trimmed = TrimBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            size_t close = trimmed.find(']');
            std::string_view name =
                trimmed.substr(1, close == std::string_view::npos ? close : close - 1);
            inSection = EqualsIgnoringCase(TrimBlanks(name), section);
            continue;
        }
        if (!inSection)
            continue;
        size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos)
            continue;
        if (EqualsIgnoringCase(TrimBlanks(trimmed.substr(0, equals)), key)) {
            return std::string(TrimBlanks(trimmed.substr(equals + 1)));
        }
    }
    return {};
}

RenderSettings ReadRenderSettings(std::string_view engineIni, std::string_view gameIni) {
    RenderSettings settings;
    if (auto text = IniValue(engineIni, "SystemSettings", "MaxAnisotropy")) {
        if (auto level = ParseInteger(*text))
            settings.maxAnisotropy = std::clamp(*level, 0, 16);
    }
    ReadBool(engineIni, "SystemSettings", "MotionBlur", settings.motionBlur);
    bool physXDisabled = !settings.hardwarePhysics;
    ReadBool(engineIni, "Engine.Engine", "bDisablePhysXHardwareSupport", physXDisabled);
    settings.hardwarePhysics = !physXDisabled;
    ReadBool(gameIni, "Engine.HUD", "bShowHud", settings.showHud);
    return settings;
}

std::string DefaultEngineIni() {
    return WithCrLf({
        "[Engine.Engine]",
        "bDisablePhysXHardwareSupport=True",
        "bSmoothFrameRate=True",
        "MinSmoothedFrameRate=22",
        "MaxSmoothedFrameRate=62",
        "",
        "[SystemSettings]",
        "StaticDecals=True",
        "DynamicLights=True",
        "DynamicShadows=True",
        "MotionBlur=False",
        "DepthOfField=True",
        "Bloom=True",
        "MaxAnisotropy=4",
        "ResX=1024",
        "ResY=768",
        "Fullscreen=False",
        "",
        "[Engine.GameEngine]",
        "bClearAnimSetLinkupCachesOnLoadMap=True",
    });
}

std::string DefaultGameIni() {
    return WithCrLf({
        "[Engine.HUD]",
        "bShowHud=True",
        "bShowDebugInfo=False",
        "",
        "[UTGame.UTPawn]",
        "Bob=0.010",
        "",
        "[Engine.GameInfo]",
        "GoalScore=25",
        "TimeLimit=20",
    });
}

std::string IniTextFromBytes(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return std::string(bytes.substr(3));
    if (bytes.size() < 2 || bytes.substr(0, 2) != "\xFF\xFE")
        return std::string(bytes);
    std::string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        unsigned low = static_cast<unsigned char>(bytes[i]);
        unsigned high = static_cast<unsigned char>(bytes[i + 1]);
        text += (high == 0 && low < 0x80) ? static_cast<char>(low) : '?';
    }
    return text;
}

ProfileFolders ProfileFoldersUnder(const std::filesystem::path& documentsFolder) {
    auto documents = documentsFolder.native();
    while (documents.size() > 1 && (documents.back() == '\\' || documents.back() == '/') &&
           documents[documents.size() - 2] != ':') {
        documents.pop_back();
    }
    const std::filesystem::path game =
        std::filesystem::path(documents) / "My Games" / "Unreal Tournament 3" / "UTGame";
    ProfileFolders folders;
    folders.config = game / "Config";
    folders.stats = game / "Stats";
    folders.engineIni = folders.config / "UTEngine.ini";
    folders.gameIni = folders.config / "UTGame.ini";
    return folders;
}

}  // namespace tessaro::standin
