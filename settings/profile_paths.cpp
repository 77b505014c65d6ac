#include "settings/profile_paths.h"

#include "ui/main_window.h"

namespace tessaro {

namespace {
constexpr const char* kProfileFolder = "\\My Games\\Unreal Tournament 3\\UTGame\\";
}  // namespace

std::string DocumentsFolder(MainWindow& mw) {
    std::string folder = mw.ports.shell.DocumentsFolder();
    // Wine answers "C:\users\<user>\Documents\"; the profile texts add their own.
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    return folder;
}

void DeriveProfilePaths(MainWindow& mw) {
    const std::string profile = DocumentsFolder(mw) + kProfileFolder;
    ProfileLocator& loc = mw.locations;
    loc.ConfigFolder = profile + "Config\\";
    loc.StatsFolder = profile + "Stats\\";
    loc.StatsBackupFolder = profile + "Statsold\\";
    loc.EngineIni = loc.ConfigFolder + "UTEngine.ini";
    loc.GameIni = loc.ConfigFolder + "UTGame.ini";
}

}  // namespace tessaro
