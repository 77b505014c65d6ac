#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace tessaro {

// The program's settings live under HKEY_LOCAL_MACHINE in one key, every value a
// string. The load opens it in the relative form; every other access uses the
// absolute form. Both name the same key.
inline constexpr const char* kSettingsKeyRelative = "SOFTWARE\\Veltrane\\Tessaro";
inline constexpr const char* kSettingsKey = "\\SOFTWARE\\Veltrane\\Tessaro";

// Value names other than the eight resolution slots (those are the slots' own
// SettingName).
namespace setting {
inline constexpr const char* CusW = "CusW";
inline constexpr const char* CusH = "CusH";
inline constexpr const char* CusRes = "CusRes";
inline constexpr const char* Path = "Path";
inline constexpr const char* FPath = "FPath";
inline constexpr const char* ResultPath = "ResultPath";
inline constexpr const char* RunNumber = "RunNumber";
inline constexpr const char* Demo = "Demo";
inline constexpr const char* AFLevel = "AFLevel";
inline constexpr const char* Note = "Note";
inline constexpr const char* AutoUpdate = "AutoUpdate";
inline constexpr const char* MotionBlur = "Motion Blur";
inline constexpr const char* Physics = "Physics";
inline constexpr const char* Botmatch = "Botmatch";
inline constexpr const char* UT3Type = "UT3Type";
inline constexpr const char* News = "News";
inline constexpr const char* DisplayMemory = "Display Memory";
inline constexpr const char* DriverVersion = "Driver Version";
inline constexpr const char* Sound = "Sound";
}  // namespace setting

// Every value name of the key, in the order of the settings table.
std::span<const char* const> SettingNames();

// Only "1" means on; a missing value reads as "" and is off.
inline bool IsOn(const std::string& value) {
    return value == "1";
}
inline const char* Flag(bool on) {
    return on ? "1" : "0";
}

// The position n for an exact decimal text of n in [first, last] ("1", not "01" or
// " 1"); none for any other text.
std::optional<int> ListedNumber(const std::string& text, int first, int last);

// Selects HKEY_LOCAL_MACHINE and opens the settings key, never creating it.
[[nodiscard]] bool OpenSettingsKey(Registry& registry);

// Opens the settings key and writes the values in order. Nothing is written when the
// key is missing (it is not created), so a write never lands in another open key; a
// write the system refuses is simply not stored.
void StoreSettings(Registry& registry,
                   std::initializer_list<std::pair<const char*, std::string>> values);
void StoreSetting(Registry& registry, const char* name, const std::string& value);

// The values present in the key, in table order; none when the key is missing.
std::optional<std::vector<std::pair<std::string, std::string>>> StoredSettings(Registry& registry);

}  // namespace tessaro
