#include "settings/profile_tweaks.h"

#include <array>

#include "engine/resolution_slots.h"
#include "results/stats_reader.h"
#include "ui/main_window.h"

namespace tessaro {

namespace {

constexpr const char* kEngineBackupName = "UTEngineold.ini";
constexpr const char* kTemplateName = "UTEngine.ini";

constexpr const char* kWarningTitle = "Torvex Error";
constexpr const char* kWarningContent =
    "Maybe the game was never started and you did not prepared a profile yet. Please create one "
    "before the bench.";

// "" when no profile location is known: nothing is then touched.
std::string EngineBackup(const MainWindow& mw) {
    const std::string& config = mw.locations.ConfigFolder;
    return config.empty() ? std::string() : config + kEngineBackupName;
}

bool Exists(MainWindow& mw, const std::string& file) {
    return !file.empty() && mw.ports.files.FileExists(file);
}

bool FolderExists(MainWindow& mw, const std::string& folder) {
    return !folder.empty() && mw.ports.files.FolderExists(folder);
}

void WarnCannotSet(MainWindow& mw, const char* what) {
    TaskDialogSpec dialog;
    dialog.title = kWarningTitle;
    dialog.icon = DialogIcon::Warning;
    dialog.instruction = std::string("It is not possible to set the ") + what + ".";
    dialog.content = kWarningContent;
    dialog.okButton = true;
    dialog.defaultButton = kDialogOk;
    mw.ports.dialogs.ShowTaskDialog(dialog);
}

void WriteEngineKey(MainWindow& mw, const char* section, const char* key, const char* value) {
    mw.ports.ini.WriteString(mw.locations.EngineIni, section, key, value);
}

void SetFiltering(MainWindow& mw) {
    static constexpr std::array<const char*, 4> kLevels = {"0", "4", "8", "16"};
    const int item = mw.controls.AFBox;
    if (item < 0 || item >= static_cast<int>(kLevels.size()))
        return;
    const char* level = kLevels[static_cast<std::size_t>(item)];
    WriteEngineKey(mw, "SystemSettings", "MaxAnisotropy", level);
    mw.FilteringLine = std::string("Anisotropic filtering:</b> ") +
                       (item == 0 ? std::string("None") : std::string(level) + kTimes);
}

void SetPhysics(MainWindow& mw) {
    const bool on = mw.controls.HPhyBox.ticked;
    WriteEngineKey(mw, "Engine.Engine", "bDisablePhysXHardwareSupport", on ? "False" : "True");
    mw.PhysicsLine = std::string("Hardware Physics:</b> ") + (on ? "Enabled" : "Disabled");
}

void SetMotionBlur(MainWindow& mw) {
    const bool on = mw.controls.MBlurBox.ticked;
    WriteEngineKey(mw, "SystemSettings", "MotionBlur", on ? "True" : "False");
    mw.MotionBlurLine = std::string("Motion Blur:</b> ") + (on ? "Enabled" : "Disabled");
}

void SetHud(MainWindow& mw, const char* value) {
    if (Exists(mw, mw.locations.GameIni))
        mw.ports.ini.WriteString(mw.locations.GameIni, "Engine.HUD", "bShowHud", value);
}

}  // namespace

void BackupProfile(MainWindow& mw) {
    FileSystem& fs = mw.ports.files;
    const ProfileLocator& loc = mw.locations;

    if (Exists(mw, loc.EngineIni)) {
        // A backup already there was left by a batch that never finished: it is the
        // user's own file, and the one in place is that batch's template.
        const std::string backup = EngineBackup(mw);
        if (!fs.FileExists(backup))
            fs.MoveFile(loc.EngineIni, backup);
        fs.CopyFile(mw.ProgramFolder + kTemplateName, loc.EngineIni);
    }

    if (FolderExists(mw, loc.StatsFolder)) {
        fs.RenameFolder(loc.StatsFolder, loc.StatsBackupFolder);
        fs.CreateFolder(loc.StatsFolder);
    }
}

void ApplyProfileTweaks(MainWindow& mw) {
    struct Step {
        const char* what;
        void (*apply)(MainWindow&);
    };
    static constexpr std::array<Step, 3> kSteps = {{
        {"Anisotropic filtering", SetFiltering},
        {"Hardware Physics", SetPhysics},
        {"Motion Blur", SetMotionBlur},
    }};
    for (const Step& step : kSteps) {
        if (Exists(mw, mw.locations.EngineIni))
            step.apply(mw);
        else
            WarnCannotSet(mw, step.what);
    }
    SetHud(mw, "False");
}

void RestoreProfile(MainWindow& mw) {
    FileSystem& fs = mw.ports.files;
    const ProfileLocator& loc = mw.locations;

    DeleteStatsFiles(mw);

    const std::string backup = EngineBackup(mw);
    if (Exists(mw, backup)) {
        if (fs.FileExists(loc.EngineIni))
            fs.DeleteFile(loc.EngineIni);
        fs.MoveFile(backup, loc.EngineIni);
    }

    if (FolderExists(mw, loc.StatsBackupFolder)) {
        if (fs.FolderExists(loc.StatsFolder))
            fs.RemoveFolder(loc.StatsFolder);
        fs.RenameFolder(loc.StatsBackupFolder, loc.StatsFolder);
    }

    SetHud(mw, "True");
}

}  // namespace tessaro
