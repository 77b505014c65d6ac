#include "settings/write_back.h"

#include <string>

#include "engine/demo_catalogue.h"
#include "engine/resolution_slots.h"
#include "settings/profile_tweaks.h"
#include "settings/settings_store.h"
#include "ui/main_window.h"

namespace tessaro {

namespace {

bool InRange(int item, int count) {
    return item >= 0 && item < count;
}

void StoreTick(MainWindow& mw, const char* name, const TickBox& box) {
    StoreSetting(mw.ports.registry, name, Flag(box.ticked));
}

}  // namespace

void resMouseLeave(MainWindow& mw) {
    Registry& reg = mw.ports.registry;
    if (!OpenSettingsKey(reg))
        return;
    for (const ResolutionSlot& slot : ResolutionSlots()) {
        if (slot.ResItem < 0)
            continue;
        const TickBox& item = mw.controls.res[static_cast<std::size_t>(slot.ResItem)];
        reg.WriteString(slot.SettingName, Flag(item.ticked && item.enabled));
    }
}

void cusresboxMouseLeave(MainWindow& mw) {
    const MainControls& c = mw.controls;
    const bool chosen = c.cusresbox.ticked && !c.CusWidth.empty() && !c.CusHeight.empty();
    StoreSetting(mw.ports.registry, setting::CusRes, Flag(chosen));
}

void RunNumberBoxChange(MainWindow& mw) {
    const int item = mw.controls.RunNumberBox;
    if (!InRange(item, 5))
        return;
    mw.RunsPerSlot = item + 1;
    StoreSetting(mw.ports.registry, setting::RunNumber, std::to_string(item + 1));
}

void demoChanging(MainWindow& mw) {
    // The picked item is already the selected one: the new choice is stored.
    const int item = mw.controls.demo;
    if (!InRange(item, static_cast<int>(DemoCatalogue().size())))
        return;
    StoreSetting(mw.ports.registry, setting::Demo, std::to_string(item + 1));
}

void AFBoxChange(MainWindow& mw) {
    const int item = mw.controls.AFBox;
    if (!InRange(item, 4))
        return;
    StoreSetting(mw.ports.registry, setting::AFLevel, std::to_string(item));
}

void NoteEditChange(MainWindow& mw) {
    // The empty note is not stored: the last character deleted comes back next start.
    if (mw.controls.NoteEdit.empty())
        return;
    StoreSetting(mw.ports.registry, setting::Note, mw.controls.NoteEdit);
}

void HPhyBoxClick(MainWindow& mw) {
    StoreTick(mw, setting::Physics, mw.controls.HPhyBox);
}
void MBlurBoxClick(MainWindow& mw) {
    StoreTick(mw, setting::MotionBlur, mw.controls.MBlurBox);
}
void BOTBoxClick(MainWindow& mw) {
    StoreTick(mw, setting::Botmatch, mw.controls.BOTBox);
}
void AutoUpdateBoxClick(MainWindow& mw) {
    StoreTick(mw, setting::AutoUpdate, mw.controls.AutoUpdateBox);
}

void StoreGameEdition(MainWindow& mw) {
    const int item = mw.controls.UT3TypeBox;
    if (!InRange(item, 2))
        return;
    const char* edition = item == 0 ? "DVD" : "Steam";
    mw.GameEdition = edition;
    StoreSetting(mw.ports.registry, setting::UT3Type, edition);
}

void EndThroughExitPicture(MainWindow& mw) {
    RestoreProfile(mw);
    StoreSettings(mw.ports.registry, {{setting::DisplayMemory, ""},
                                      {setting::DriverVersion, ""},
                                      {setting::Sound, ""},
                                      {setting::News, "0"}});
}

void EndThroughClose(MainWindow& mw) {
    RestoreProfile(mw);
    StoreSetting(mw.ports.registry, setting::News, "0");
}

bool NewsDueOnActivate(MainWindow& mw) {
    if (mw.NewsShownThisRun)
        return false;
    Registry& reg = mw.ports.registry;
    if (!OpenSettingsKey(reg) || reg.ReadString(setting::News) != "0")
        return false;
    reg.WriteString(setting::News, "1");
    mw.NewsShownThisRun = true;
    return true;
}

}  // namespace tessaro
