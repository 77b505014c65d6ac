#pragma once

namespace tessaro {

struct MainWindow;

// Sets the user's engine configuration and statistics folder aside for a batch.
void BackupProfile(MainWindow& mw);
// Filtering, physics, motion blur and HUD keys, in this order.
void ApplyProfileTweaks(MainWindow& mw);
// Puts the user's files back; safe in any state.
void RestoreProfile(MainWindow& mw);

}  // namespace tessaro
