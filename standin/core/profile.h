#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::standin {

// The settings that change the work per frame.
struct RenderSettings {
    int maxAnisotropy = 4;         // [SystemSettings] MaxAnisotropy, 0 to 16
    bool motionBlur = false;       // [SystemSettings] MotionBlur
    bool hardwarePhysics = false;  // [Engine.Engine] bDisablePhysXHardwareSupport=False
    bool showHud = true;           // [Engine.HUD] bShowHud (UTGame.ini)
};

// A key's value as the private-profile reader finds it: section and key names in any
// letter case, the first occurrence wins, blanks around the value dropped.
std::optional<std::string> IniValue(std::string_view iniText, std::string_view section,
                                    std::string_view key);

// Values that do not read as their type leave the default in place, as a game would.
RenderSettings ReadRenderSettings(std::string_view engineIni, std::string_view gameIni);

// The files a first start creates when the profile has none.
std::string DefaultEngineIni();
std::string DefaultGameIni();

// Ini files may be stored as UTF-16 (the private-profile writer keeps a file's encoding);
// the keys read here are ASCII either way.
std::string IniTextFromBytes(std::string_view bytes);

struct ProfileFolders {
    std::filesystem::path config;
    std::filesystem::path stats;
    std::filesystem::path engineIni;
    std::filesystem::path gameIni;
};

// The profile under the documents folder; a trailing separator on it is dropped so the
// paths keep single separators.
ProfileFolders ProfileFoldersUnder(const std::filesystem::path& documentsFolder);

}  // namespace tessaro::standin
