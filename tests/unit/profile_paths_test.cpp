#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_ports.h"
#include "settings/profile_paths.h"

namespace tessaro::fakes {
namespace {

TEST(ProfilePaths, DocumentsFolderLosesItsTrailingSeparators) {
    struct Case {
        const char* shell;
        const char* documents;
    };
    const std::vector<Case> cases = {
        {"C:\\users\\tester\\Documents\\", "C:\\users\\tester\\Documents"},
        {"C:\\users\\tester\\Documents", "C:\\users\\tester\\Documents"},
        {"C:\\Docs\\\\", "C:\\Docs"},
        {"", ""},
    };
    for (const auto& c : cases) {
        FakeWorld w;
        w.shell.documents = c.shell;
        EXPECT_EQ(DocumentsFolder(w.mw), c.documents) << c.shell;
    }
}

TEST(ProfilePaths, DerivedFoldersHaveSingleSeparators) {
    struct Case {
        const char* shell;
        const char* profile;
    };
    const std::vector<Case> cases = {
        {"C:\\users\\tester\\Documents\\",
         "C:\\users\\tester\\Documents\\My Games\\Unreal Tournament 3\\UTGame\\"},
        // No documents folder: the texts hang off the current drive's root.
        {"", "\\My Games\\Unreal Tournament 3\\UTGame\\"},
    };
    for (const auto& c : cases) {
        FakeWorld w;
        w.shell.documents = c.shell;
        DeriveProfilePaths(w.mw);
        const std::string p = c.profile;
        const ProfileLocator& loc = w.mw.locations;
        EXPECT_EQ(loc.ConfigFolder, p + "Config\\");
        EXPECT_EQ(loc.StatsFolder, p + "Stats\\");
        EXPECT_EQ(loc.StatsBackupFolder, p + "Statsold\\");
        EXPECT_EQ(loc.EngineIni, p + "Config\\UTEngine.ini");
        EXPECT_EQ(loc.GameIni, p + "Config\\UTGame.ini");
    }
}

}  // namespace
}  // namespace tessaro::fakes
