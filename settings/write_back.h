#pragma once

namespace tessaro {

struct MainWindow;

// Each choice is stored the moment the user makes it, by the control's own event.
// None of these creates the settings key: with the key missing nothing is stored,
// and a write the system refuses is simply not stored. The current run still uses
// the controls as they are.

void resMouseLeave(MainWindow& mw);        // the eight fixed slots, "1" or "0" each
void cusresboxMouseLeave(MainWindow& mw);  // "CusRes"
void RunNumberBoxChange(MainWindow& mw);   // "RunNumber" and RunsPerSlot
void demoChanging(MainWindow& mw);         // "Demo": the item now selected
void AFBoxChange(MainWindow& mw);          // "AFLevel"
void NoteEditChange(MainWindow& mw);       // "Note", unless the field is empty
void HPhyBoxClick(MainWindow& mw);         // "Physics"
void MBlurBoxClick(MainWindow& mw);        // "Motion Blur"
void BOTBoxClick(MainWindow& mw);          // "Botmatch"
void AutoUpdateBoxClick(MainWindow& mw);   // "AutoUpdate"

// The edition panel's OK, before the panel is hidden: GameEdition from the selected
// item (left as it is when none is), stored as "UT3Type".
void StoreGameEdition(MainWindow& mw);

// The exit picture's steps before the application ends: the profile restored, the
// three unused values emptied and the news re-armed.
void EndThroughExitPicture(MainWindow& mw);
// Any other close, before the window's objects are released: the profile restored and
// the news re-armed.
void EndThroughClose(MainWindow& mw);

// The news rule, on every activation of the main window: whether the news window is
// to be shown now. At most once per run, even when the store refuses the "1".
[[nodiscard]] bool NewsDueOnActivate(MainWindow& mw);

}  // namespace tessaro
