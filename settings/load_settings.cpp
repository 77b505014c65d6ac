#include "settings/load_settings.h"

#include <algorithm>

#include "engine/demo_catalogue.h"
#include "engine/resolution_slots.h"
#include "settings/game_locations.h"
#include "settings/settings_store.h"
#include "ui/main_window.h"

namespace tessaro {

namespace {

void LoadFixedSlots(MainWindow& mw) {
    Registry& reg = mw.ports.registry;
    for (const ResolutionSlot& slot : ResolutionSlots()) {
        if (slot.ResItem < 0)
            continue;
        TickBox& item = mw.controls.res[static_cast<std::size_t>(slot.ResItem)];
        if (ModeListContains(mw.DisplayModeList, slot.ModeText)) {
            item.ticked = IsOn(reg.ReadString(slot.SettingName));
        } else {
            // The stored choice stays until the next resMouseLeave writes the item.
            item.enabled = false;
            item.ticked = false;
        }
    }
}

void LoadCustomSlot(MainWindow& mw) {
    Registry& reg = mw.ports.registry;
    MainControls& c = mw.controls;
    const std::string w = reg.ReadString(setting::CusW);
    const std::string h = reg.ReadString(setting::CusH);
    if (w == "0" || h == "0")
        return;
    if (!ModeListContains(mw.DisplayModeList, w + " x " + h)) {
        reg.WriteString(setting::CusW, "0");
        reg.WriteString(setting::CusH, "0");
        return;
    }
    c.CusWidth = w;
    c.CusHeight = h;
    const bool usable =
        IsOn(reg.ReadString(setting::CusRes)) && !c.CusWidth.empty() && !c.CusHeight.empty();
    c.CustomFieldsEnabled = usable;
    c.cusresbox.ticked = usable;
}

void LoadChoices(MainWindow& mw) {
    Registry& reg = mw.ports.registry;
    MainControls& c = mw.controls;
    if (auto runs = ListedNumber(reg.ReadString(setting::RunNumber), 1, 5)) {
        c.RunNumberBox = *runs - 1;
        mw.RunsPerSlot = *runs;
    }
    const int demos = static_cast<int>(DemoCatalogue().size());
    if (auto demo = ListedNumber(reg.ReadString(setting::Demo), 1, demos))
        c.demo = *demo - 1;
}

void LoadResultsFolder(MainWindow& mw) {
    Registry& reg = mw.ports.registry;
    std::string& folder = mw.controls.ResEdit;
    folder = reg.ReadString(setting::ResultPath);
    if (!mw.ports.files.FolderExists(folder))
        folder.clear();
    if (folder.empty()) {
        // Not created here: the report step finds out whether it can write there.
        folder = mw.ProgramFolder + "Benchmark\\";
        reg.WriteString(setting::ResultPath, folder);
    }
}

void LoadOptions(MainWindow& mw, UpdateChecker& updater) {
    Registry& reg = mw.ports.registry;
    MainControls& c = mw.controls;
    if (auto af = ListedNumber(reg.ReadString(setting::AFLevel), 0, 3))
        c.AFBox = *af;
    c.NoteEdit = reg.ReadString(setting::Note);
    c.AutoUpdateBox.ticked = IsOn(reg.ReadString(setting::AutoUpdate));
    if (c.AutoUpdateBox.ticked)
        updater.StartCheck();
    c.MBlurBox.ticked = IsOn(reg.ReadString(setting::MotionBlur));
    c.HPhyBox.ticked = IsOn(reg.ReadString(setting::Physics));
    c.BOTBox.ticked = IsOn(reg.ReadString(setting::Botmatch));
    const std::string edition = reg.ReadString(setting::UT3Type);
    if (edition == "DVD")
        c.UT3TypeBox = 0;
    if (edition == "Steam")
        c.UT3TypeBox = 1;
}

}  // namespace

void LoadSettings(MainWindow& mw, UpdateChecker& updater) {
    Registry& reg = mw.ports.registry;
    reg.SelectRoot(RegistryRoot::LocalMachine);
    if (!reg.OpenKey(kSettingsKeyRelative, false))
        return;

    updater.SetVersionNumber(mw.FileVersion);
    mw.controls.Label6 = mw.FileVersion;

    BuildModeList(mw.ports.displayModes, mw.DisplayModeList);
    LoadFixedSlots(mw);
    LoadCustomSlot(mw);
    mw.DisplayModeList.clear();

    LocateGame(mw);
    DetectSteam(mw);

    // The Steam detection left the current user's root selected.
    reg.SelectRoot(RegistryRoot::LocalMachine);
    (void)reg.OpenKey(kSettingsKeyRelative, false);
    LoadChoices(mw);
    LoadResultsFolder(mw);
    LoadOptions(mw, updater);
}

void BuildModeList(DisplayModes& modes, std::vector<std::string>& list) {
    list.clear();
    for (int index = 0;; ++index) {
        std::optional<DisplayMode> mode = modes.Mode(index);
        if (!mode)
            break;
        std::string text = std::to_string(mode->width) + " x " + std::to_string(mode->height);
        if (std::find(list.begin(), list.end(), text) == list.end())
            list.push_back(text);
    }
}

bool ModeListContains(const std::vector<std::string>& list, const std::string& modeText) {
    std::string text;
    for (const std::string& entry : list)
        text += entry + "\r\n";
    return text.find(modeText) != std::string::npos;
}

}  // namespace tessaro
