// The settings accessor against the prefix's real registry. Uses a key of its own
// beside the program's, never the program's key itself.
#include <gtest/gtest.h>

#include "platform/win32/unique_hkey.h"
#include "platform/win32/win32_registry.h"
#include "win32_test_support.h"

namespace tessaro::win32 {
namespace {

constexpr char kKey[] = R"(SOFTWARE\Veltrane\TessaroTest)";
constexpr char kAbsoluteKey[] = R"(\SOFTWARE\Veltrane\TessaroTest)";

void DeleteTestKey(HKEY root, REGSAM view) {
    UniqueHkey parent;
    if (RegOpenKeyExW(root, LR"(SOFTWARE\Veltrane)", 0, KEY_ALL_ACCESS | view, parent.put()) ==
        ERROR_SUCCESS) {
        RegDeleteTreeW(parent.get(), L"TessaroTest");
    }
}

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { CleanUp(); }
    void TearDown() override { CleanUp(); }
    static void CleanUp() {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            DeleteTestKey(root, KEY_WOW64_32KEY);
            DeleteTestKey(root, KEY_WOW64_64KEY);
        }
    }
    void CreateKey() {
        registry.SelectRoot(RegistryRoot::LocalMachine);
        ASSERT_TRUE(registry.OpenKey(kKey, true));
    }

    Win32Registry registry;
};

TEST_F(RegistryTest, OpenWithoutCreationFailsOnAMissingKeyAndLeavesNoKeyOpen) {
    registry.SelectRoot(RegistryRoot::LocalMachine);
    EXPECT_FALSE(registry.KeyExists(kKey));
    EXPECT_FALSE(registry.OpenKey(kKey, false));
    EXPECT_FALSE(registry.KeyExists(kKey)) << "a failed open creates nothing";
    EXPECT_FALSE(registry.WriteString("Note", "x"));
    EXPECT_EQ(registry.ReadString("Note"), "");
    EXPECT_FALSE(registry.ValueExists("Note"));
}

TEST_F(RegistryTest, BothSpellingsNameOneKey) {
    CreateKey();
    ASSERT_TRUE(registry.WriteString("Note", "written relative"));
    EXPECT_TRUE(registry.KeyExists(kKey));
    EXPECT_TRUE(registry.KeyExists(kAbsoluteKey));
    ASSERT_TRUE(registry.OpenKey(kAbsoluteKey, false));
    EXPECT_EQ(registry.ReadString("Note"), "written relative");
    ASSERT_TRUE(registry.WriteString("Note", "written absolute"));
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    EXPECT_EQ(registry.ReadString("Note"), "written absolute");
}

TEST_F(RegistryTest, KeysLiveInThe32BitView) {
    CreateKey();
    ASSERT_TRUE(registry.WriteString("Demo", "5"));

    UniqueHkey redirected;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, LR"(SOFTWARE\Wow6432Node\Veltrane\TessaroTest)", 0,
                            KEY_READ | KEY_WOW64_64KEY, redirected.put()),
              ERROR_SUCCESS);
    wchar_t text[16] = {};
    DWORD size = sizeof(text);
    ASSERT_EQ(RegQueryValueExW(redirected.get(), L"Demo", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, L"5");
    UniqueHkey native;
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, LR"(SOFTWARE\Veltrane\TessaroTest)", 0,
                            KEY_READ | KEY_WOW64_64KEY, native.put()),
              ERROR_SUCCESS)
        << "nothing in the 64-bit view";
}

TEST_F(RegistryTest, RootsAreSeparateAndSelectingOneClosesTheKey) {
    CreateKey();
    ASSERT_TRUE(registry.WriteString("Where", "machine"));
    registry.SelectRoot(RegistryRoot::CurrentUser);
    EXPECT_EQ(registry.ReadString("Where"), "") << "the key closed with the root change";
    EXPECT_FALSE(registry.KeyExists(kKey));
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    ASSERT_TRUE(registry.WriteString("Where", "user"));
    registry.SelectRoot(RegistryRoot::LocalMachine);
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    EXPECT_EQ(registry.ReadString("Where"), "machine");
}

TEST_F(RegistryTest, OnlyStringValuesReadAsPresentText) {
    CreateKey();
    UniqueHkey raw;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, LR"(SOFTWARE\Veltrane\TessaroTest)", 0,
                            KEY_SET_VALUE | KEY_WOW64_32KEY, raw.put()),
              ERROR_SUCCESS);
    DWORD number = 1;
    RegSetValueExW(raw.get(), L"RunNumber", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number),
                   sizeof(number));
    const wchar_t expand[] = L"%TEMP%";
    RegSetValueExW(raw.get(), L"ResultPath", 0, REG_EXPAND_SZ,
                   reinterpret_cast<const BYTE*>(expand), sizeof(expand));
    // Stored without its terminating NUL, as some writers do.
    const wchar_t bare[] = {L'1', L'2'};
    RegSetValueExW(raw.get(), L"CusW", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare),
                   sizeof(bare));
    ASSERT_TRUE(registry.WriteString("Empty", ""));
    const std::string longText(5000, 'n');
    ASSERT_TRUE(registry.WriteString("Note", longText));
    ASSERT_TRUE(registry.WriteString("Path", "C:\\Spiele\\\xC3\xBC\xD0\x96\\UT3.exe"));

    struct Case {
        const char* name;
        bool exists;
        std::string text;
    };
    const Case cases[] = {
        {"RunNumber", false, ""}, {"ResultPath", false, ""},
        {"CusW", true, "12"},     {"Empty", true, ""},
        {"Note", true, longText}, {"Path", true, "C:\\Spiele\\\xC3\xBC\xD0\x96\\UT3.exe"},
        {"Missing", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(registry.ValueExists(c.name), c.exists) << c.name;
        EXPECT_EQ(registry.ReadString(c.name), c.text) << c.name;
    }
}

TEST_F(RegistryTest, AKeyDeletedAfterOpeningRefusesTheWrite) {
    CreateKey();
    ASSERT_TRUE(registry.WriteString("Note", "before"));
    DeleteTestKey(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY);

    EXPECT_FALSE(registry.WriteString("Note", "after"));
    EXPECT_EQ(registry.ReadString("Note"), "");
    EXPECT_FALSE(registry.KeyExists(kKey)) << "the refused write recreated nothing";
    EXPECT_FALSE(registry.OpenKey(kKey, false));
}

}  // namespace
}  // namespace tessaro::win32
