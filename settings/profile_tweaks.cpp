// Placeholder until the tweaks land.
#include "settings/profile_tweaks.h"
namespace tessaro {
void BackupProfile(MainWindow&) {}
void ApplyProfileTweaks(MainWindow&) {}
void RestoreProfile(MainWindow&) {}
}  // namespace tessaro
