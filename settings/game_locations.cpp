#include "settings/game_locations.h"

#include <string>

#include "settings/profile_paths.h"
#include "settings/settings_store.h"
#include "ui/main_window.h"

namespace tessaro {

namespace {

void ShowPathRequest(MainControls& c) {
    c.UT3PathEdit = kPathRequest;
    c.UT3PathEditRed = true;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

void LocateGame(MainWindow& mw) {
    Registry& reg = mw.ports.registry;
    FileSystem& files = mw.ports.files;
    MainControls& c = mw.controls;
    c.UT3PathEdit = reg.ReadString(setting::Path);
    if (c.UT3PathEdit.empty() || !files.FileExists(c.UT3PathEdit)) {
        ShowPathRequest(c);
        return;
    }
    const std::string folder = reg.ReadString(setting::FPath);
    if (!files.FolderExists(folder)) {
        ShowPathRequest(c);
        return;
    }
    c.UT3PathEditRed = false;
    mw.locations.GameExePath = c.UT3PathEdit;
    DeriveProfilePaths(mw);
    mw.locations.GameFolder = folder;
}

void DetectSteam(MainWindow& mw) {
    Registry& reg = mw.ports.registry;
    reg.SelectRoot(RegistryRoot::CurrentUser);
    if (!reg.OpenKey(kSteamKey, false)) {
        mw.controls.UT3TypeBox = 0;
        return;
    }
    // An empty record would make the client "/steam.exe": treat it as no record.
    const std::string record = reg.ReadString("SteamPath");
    if (reg.ValueExists("SteamPath") && !record.empty())
        mw.locations.SteamFolder = record + "/";
    mw.controls.UT3TypeBox = 1;
}

void RzToolButton2Click(MainWindow& mw, FileChooser& chooser) {
    std::optional<std::string> chosen = chooser.ChooseFile(kGameFileFilter, kGameFileTitle);
    if (!chosen)
        return;
    // The folder keeps its separator; a name without any (a share) is taken whole.
    std::size_t cut = chosen->size();
    while (cut > 0 && !IsSeparator((*chosen)[cut - 1]))
        --cut;
    const std::string folder = chosen->substr(0, cut);

    MainControls& c = mw.controls;
    c.UT3PathEdit = *chosen;
    c.UT3PathEditRed = false;
    // The location is taken for this run even when it cannot be stored, so the path
    // the field shows is the one the batch starts.
    mw.locations.GameFolder = folder;
    mw.locations.GameExePath = c.UT3PathEdit;
    DeriveProfilePaths(mw);
    StoreSettings(mw.ports.registry, {{setting::Path, c.UT3PathEdit}, {setting::FPath, folder}});
}

void RzToolButton1Click(MainWindow& mw, FolderChooser& chooser) {
    std::optional<std::string> chosen = chooser.ChooseFolder(kResultsFolderTitle);
    if (!chosen)
        return;
    std::string folder = *chosen;
    // A drive root such as D:\ keeps its single separator.
    if (folder.size() > 3 && !IsSeparator(folder.back()))
        folder += "\\";
    mw.controls.ResEdit = folder;
    StoreSetting(mw.ports.registry, setting::ResultPath, folder);
}

void OpenResFolderClick(MainWindow& mw) {
    const std::string& folder = mw.controls.ResEdit;
    if (folder.empty())
        return;
    if (mw.ports.files.FolderExists(folder))
        mw.ports.shell.Open(folder);
    else
        mw.ports.dialogs.ShowMessage(kNoResultsFolder);
}

}  // namespace tessaro
