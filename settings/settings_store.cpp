#include "settings/settings_store.h"

#include <array>
#include <charconv>

namespace tessaro {

std::span<const char* const> SettingNames() {
    static constexpr std::array<const char*, 27> kNames{
        "800",
        "1024",
        "1280",
        "1600",
        "2048",
        "hdw1",
        "hdw2",
        "hdw3",
        setting::CusW,
        setting::CusH,
        setting::CusRes,
        setting::Path,
        setting::FPath,
        setting::ResultPath,
        setting::RunNumber,
        setting::Demo,
        setting::AFLevel,
        setting::Note,
        setting::AutoUpdate,
        setting::MotionBlur,
        setting::Physics,
        setting::Botmatch,
        setting::UT3Type,
        setting::News,
        setting::DisplayMemory,
        setting::DriverVersion,
        setting::Sound,
    };
    return kNames;
}

std::optional<int> ListedNumber(const std::string& text, int first, int last) {
    bool digitFirst = !text.empty() && text.front() >= '0' && text.front() <= '9';
    if (!digitFirst || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    int n = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    if (n < first || n > last)
        return std::nullopt;
    return n;
}

bool OpenSettingsKey(Registry& registry) {
    registry.SelectRoot(RegistryRoot::LocalMachine);
    return registry.OpenKey(kSettingsKey, false);
}

void StoreSettings(Registry& registry,
                   std::initializer_list<std::pair<const char*, std::string>> values) {
    if (!OpenSettingsKey(registry))
        return;
    for (const auto& [name, value] : values)
        registry.WriteString(name, value);
}

void StoreSetting(Registry& registry, const char* name, const std::string& value) {
    StoreSettings(registry, {{name, value}});
}

std::optional<std::vector<std::pair<std::string, std::string>>> StoredSettings(Registry& registry) {
    if (!OpenSettingsKey(registry))
        return std::nullopt;
    std::vector<std::pair<std::string, std::string>> present;
    for (const char* name : SettingNames())
        if (registry.ValueExists(name))
            present.emplace_back(name, registry.ReadString(name));
    return present;
}

}  // namespace tessaro
