// The settings load and its write-backs against the prefix's real registry, in the
// program's own key. Whatever the prefix held there (the README's setup, the
// stand-in Steam client's record) is copied aside first and put back afterwards.
#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"
#include "platform/win32/unique_hkey.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_registry.h"
#include "settings/game_locations.h"
#include "settings/load_settings.h"
#include "settings/settings_store.h"
#include "settings/write_back.h"
#include "win32_test_support.h"

namespace tessaro::win32 {
namespace {

constexpr wchar_t kParent[] = LR"(SOFTWARE\Veltrane)";
constexpr wchar_t kName[] = L"Tessaro";
constexpr wchar_t kSavedName[] = L"TessaroSettingsTestSaved";
constexpr wchar_t kSteamParent[] = LR"(Software\Valve)";
constexpr wchar_t kSteamName[] = L"Steam";
constexpr wchar_t kSteamSavedName[] = L"SteamSettingsTestSaved";

// One key below a parent, in the 32-bit view, copied aside while a test runs.
class SavedKey {
  public:
    SavedKey(HKEY root, const wchar_t* parent, const wchar_t* name, const wchar_t* saved)
        : root_(root), parent_(parent), name_(name), saved_(saved) {
        UniqueHkey p = OpenParent();
        RegDeleteTreeW(p.get(), saved_);
        had_ = Exists(name_);
        if (had_)
            Copy(name_, saved_);
        RegDeleteTreeW(p.get(), name_);
    }
    ~SavedKey() {
        UniqueHkey p = OpenParent();
        RegDeleteTreeW(p.get(), name_);
        if (had_)
            Copy(saved_, name_);
        RegDeleteTreeW(p.get(), saved_);
    }
    SavedKey(const SavedKey&) = delete;
    SavedKey& operator=(const SavedKey&) = delete;

    void Create() {
        UniqueHkey k;
        ASSERT_EQ(RegCreateKeyExW(OpenParent().get(), name_, 0, nullptr, 0,
                                  KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, k.put(), nullptr),
                  ERROR_SUCCESS);
    }
    void Remove() { RegDeleteTreeW(OpenParent().get(), name_); }
    bool Exists() const { return Exists(name_); }
    void SetString(const wchar_t* value, const std::wstring& text) {
        UniqueHkey k = Open(name_);
        RegSetValueExW(k.get(), value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void SetNumber(const wchar_t* value, DWORD number) {
        UniqueHkey k = Open(name_);
        RegSetValueExW(k.get(), value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof(number));
    }
    // The REG_SZ text; none when the value is missing or of another type.
    std::optional<std::wstring> String(const wchar_t* value) const {
        UniqueHkey k = Open(name_);
        wchar_t text[512] = {};
        DWORD type = 0, size = sizeof(text) - sizeof(wchar_t);
        if (!k.get() ||
            RegQueryValueExW(k.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(text),
                             &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            return std::nullopt;
        return std::wstring(text);
    }

  private:
    UniqueHkey OpenParent() const {
        UniqueHkey p;
        RegCreateKeyExW(root_, parent_, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr,
                        p.put(), nullptr);
        return p;
    }
    UniqueHkey Open(const wchar_t* name) const {
        UniqueHkey k;
        RegOpenKeyExW(OpenParent().get(), name, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, k.put());
        return k;
    }
    bool Exists(const wchar_t* name) const { return Open(name).get() != nullptr; }
    void Copy(const wchar_t* from, const wchar_t* to) {
        UniqueHkey target;
        RegCreateKeyExW(OpenParent().get(), to, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                        nullptr, target.put(), nullptr);
        RegCopyTreeW(Open(from).get(), nullptr, target.get());
    }

    HKEY root_;
    const wchar_t* parent_;
    const wchar_t* name_;
    const wchar_t* saved_;
    bool had_ = false;
};

class OneFolder : public FolderChooser {
  public:
    explicit OneFolder(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> ChooseFolder(const std::string&) override { return path_; }

  private:
    std::string path_;
};

class SettingsRegistryTest : public ::testing::Test {
  protected:
    SettingsRegistryTest() {
        mw.ProgramFolder = "C:\\Tessaro\\";
        mw.FileVersion = "1.5.0.0";
    }

    SavedKey settings{HKEY_LOCAL_MACHINE, kParent, kName, kSavedName};
    SavedKey steam{HKEY_CURRENT_USER, kSteamParent, kSteamName, kSteamSavedName};
    testing::TempFolder folder;

    fakes::FakeWorld w;
    Win32Registry registry;
    Win32FileSystem files;
    NoUpdateChecker updater;
    Ports ports{w.clock,       w.locale, w.events, w.dialogs, files,      w.ini,    w.processes,
                w.processList, w.shell,  w.system, w.window,  w.canvases, registry, w.displayModes};
    MainWindow mw{ports};
};

TEST_F(SettingsRegistryTest, LoadReadsTheStoredChoicesAndStoresOnlyItsDefaults) {
    settings.Create();
    settings.SetString(L"800", L"1");
    settings.SetString(L"1280", L"1");  // the display lacks it
    settings.SetString(L"Demo", L"5");
    settings.SetString(L"AFLevel", L"2");
    settings.SetNumber(L"RunNumber", 3);  // another type reads as missing
    settings.SetString(L"CusW", L"1280");
    settings.SetString(L"CusH", L"720");
    settings.SetString(L"Note", L"caf\u00e9 \u00d7 2");
    settings.SetString(L"UT3Type", L"Steam");
    LoadSettings(mw, updater);

    const MainControls& c = mw.controls;
    EXPECT_EQ(c.Label6, "1.5.0.0");
    EXPECT_TRUE(c.res[0].ticked && c.res[0].enabled);
    EXPECT_FALSE(c.res[2].ticked || c.res[2].enabled);
    EXPECT_EQ(c.demo, 4);
    EXPECT_EQ(c.AFBox, 2);
    EXPECT_EQ(c.RunNumberBox, kNoItem);
    EXPECT_EQ(mw.RunsPerSlot, 0);
    EXPECT_EQ(c.NoteEdit, "caf\xC3\xA9 \xC3\x97 2");
    EXPECT_EQ(c.UT3TypeBox, 1);
    EXPECT_EQ(c.ResEdit, "C:\\Tessaro\\Benchmark\\");

    EXPECT_EQ(settings.String(L"ResultPath"), L"C:\\Tessaro\\Benchmark\\");
    EXPECT_EQ(settings.String(L"CusW"), L"0");
    EXPECT_EQ(settings.String(L"CusH"), L"0");
    EXPECT_EQ(settings.String(L"1280"), L"1");
    EXPECT_EQ(settings.String(L"RunNumber"), std::nullopt) << "the number is left as it was";
}

TEST_F(SettingsRegistryTest, AnExistingResultsFolderIsKeptAndNothingIsWritten) {
    settings.Create();
    settings.SetString(L"ResultPath", Widen(folder.Path()));
    LoadSettings(mw, updater);
    EXPECT_EQ(mw.controls.ResEdit, folder.Path());
    EXPECT_EQ(settings.String(L"ResultPath"), Widen(folder.Path()));
}

TEST_F(SettingsRegistryTest, HandlersWriteTheKeyTheLoadRead) {
    settings.Create();
    settings.SetString(L"Demo", L"2");
    LoadSettings(mw, updater);
    mw.controls.demo = 6;
    demoChanging(mw);
    mw.controls.HPhyBox.ticked = true;
    HPhyBoxClick(mw);
    mw.controls.UT3TypeBox = 0;
    StoreGameEdition(mw);
    EndThroughExitPicture(mw);

    EXPECT_EQ(settings.String(L"Demo"), L"7");
    EXPECT_EQ(settings.String(L"Physics"), L"1");
    EXPECT_EQ(settings.String(L"UT3Type"), L"DVD");
    EXPECT_EQ(settings.String(L"Sound"), L"");
    EXPECT_EQ(settings.String(L"News"), L"0");
    auto stored = StoredSettings(registry);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->front().first, "ResultPath");
}

TEST_F(SettingsRegistryTest, MissingKeyIsNeverCreated) {
    steam.Create();
    LoadSettings(mw, updater);
    EXPECT_EQ(mw.controls.UT3TypeBox, kNoItem) << "no Steam detection without the key";
    resMouseLeave(mw);
    NoteEditChange(mw);
    mw.controls.NoteEdit = "x";
    NoteEditChange(mw);
    EndThroughClose(mw);
    EXPECT_FALSE(NewsDueOnActivate(mw));
    EXPECT_FALSE(settings.Exists());
    EXPECT_FALSE(StoredSettings(registry).has_value());
}

TEST_F(SettingsRegistryTest, KeyRemovedAfterTheLoadIsNotRecreatedByTheHandlers) {
    settings.Create();
    LoadSettings(mw, updater);
    settings.Remove();

    mw.controls.res[0].ticked = true;
    resMouseLeave(mw);
    mw.controls.RunNumberBox = 1;
    RunNumberBoxChange(mw);
    OneFolder chooser{folder.Path()};
    RzToolButton1Click(mw, chooser);
    EndThroughExitPicture(mw);

    EXPECT_FALSE(settings.Exists());
    EXPECT_EQ(mw.RunsPerSlot, 2);
    EXPECT_EQ(mw.controls.ResEdit, folder.Path());
}

TEST_F(SettingsRegistryTest, SteamRecordIsReadFromTheCurrentUser) {
    settings.Create();
    steam.Create();
    steam.SetString(L"SteamPath", L"c:/program files/steam");
    LoadSettings(mw, updater);
    EXPECT_EQ(mw.locations.SteamFolder, "c:/program files/steam/");
    EXPECT_EQ(mw.controls.UT3TypeBox, 1);
    EXPECT_EQ(steam.String(L"SteamPath"), L"c:/program files/steam") << "only read";
}

TEST_F(SettingsRegistryTest, NoSteamClientKeyPreselectsTheDvdEdition) {
    settings.Create();
    LoadSettings(mw, updater);
    EXPECT_EQ(mw.locations.SteamFolder, "");
    EXPECT_EQ(mw.controls.UT3TypeBox, 0);
    EXPECT_FALSE(steam.Exists());
}

}  // namespace
}  // namespace tessaro::win32
