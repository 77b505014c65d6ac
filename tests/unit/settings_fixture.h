#pragma once

// A world whose registry may hold the program's settings key, with recording fakes
// of the update checker and the two choosers.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_ports.h"
#include "platform/choosers.h"
#include "platform/update_checker.h"
#include "settings/settings_store.h"

namespace tessaro::fakes {

class RecordingUpdateChecker : public UpdateChecker {
  public:
    std::string version;
    int checks = 0;
    void SetVersionNumber(const std::string& v) override { version = v; }
    void StartCheck() override { ++checks; }
};

class FakeFileChooser : public FileChooser {
  public:
    std::optional<std::string> answer;
    std::string filter, title;
    std::optional<std::string> ChooseFile(const std::string& f, const std::string& t) override {
        filter = f;
        title = t;
        return answer;
    }
};

class FakeFolderChooser : public FolderChooser {
  public:
    std::optional<std::string> answer;
    std::string title;
    std::optional<std::string> ChooseFolder(const std::string& t) override {
        title = t;
        return answer;
    }
};

struct SettingsWorld : FakeWorld {
    SettingsWorld() {
        mw.ProgramFolder = "C:\\Tessaro\\";
        mw.FileVersion = "1.5.0.0";
        files.AddFolder("C:\\Tessaro");
    }
    FakeRegistry::Key& CreateKey() {
        return registry.AddKey(RegistryRoot::LocalMachine, kSettingsKey);
    }
    void Store(const std::string& name, const std::string& value) {
        CreateKey()[name] = {value, true};
    }
    void MakeKeyReadOnly() {
        CreateKey();
        registry.readOnly.insert(FakeRegistry::Canon(RegistryRoot::LocalMachine, kSettingsKey));
    }
    bool HasKey() const { return registry.HasKey(RegistryRoot::LocalMachine, kSettingsKey); }
    // The stored text; none when the value or the key is missing.
    std::optional<std::string> Stored(const std::string& name) const {
        auto key =
            registry.keys.find(FakeRegistry::Canon(RegistryRoot::LocalMachine, kSettingsKey));
        if (key == registry.keys.end())
            return std::nullopt;
        auto value = key->second.find(name);
        if (value == key->second.end())
            return std::nullopt;
        return value->second.data;
    }
    void SetModes(std::vector<DisplayMode> modes) { displayModes.modes = std::move(modes); }
    void AddSteamKey() { registry.AddKey(RegistryRoot::CurrentUser, "Software\\Valve\\Steam"); }
};

}  // namespace tessaro::fakes
