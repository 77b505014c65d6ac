#include <gtest/gtest.h>

#include "fakes/fake_ports.h"

namespace tessaro::fakes {
namespace {

// The fakes keep the rules the core relies on; a broken fake hides real faults.
TEST(FakeWorld, FolderRenameFailsOntoAnExistingFolderAndCarriesItsFiles) {
    FakeFileSystem fs;
    fs.AddFile("C:\\p\\Stats\\a.html", "x");
    EXPECT_TRUE(fs.RenameFolder("C:\\p\\Stats\\", "C:\\p\\Statsold\\"));
    EXPECT_TRUE(fs.FileExists("C:\\p\\Statsold\\a.html"));
    EXPECT_FALSE(fs.FolderExists("C:\\p\\Stats"));
    fs.AddFolder("C:\\p\\Stats");
    EXPECT_FALSE(fs.RenameFolder("C:\\p\\Stats", "C:\\p\\Statsold"));
}

TEST(FakeWorld, IniWriteReplacesAddsKeyAndSection) {
    FakeFileSystem fs;
    FakeIniFile ini(fs);
    fs.AddFile("C:\\c\\e.ini", "[A]\r\nk=1\r\n\r\n[B]\r\nz=2\r\n");
    ini.WriteString("C:\\c\\e.ini", "A", "k", "9");
    ini.WriteString("C:\\c\\e.ini", "A", "n", "5");
    ini.WriteString("C:\\c\\e.ini", "C", "m", "7");
    EXPECT_EQ(*fs.Bytes("C:\\c\\e.ini"), "[A]\r\nk=9\r\nn=5\r\n\r\n[B]\r\nz=2\r\n[C]\r\nm=7\r\n");
}

TEST(FakeWorld, RegistryOpensWithoutCreationOnlyExistingKeys) {
    FakeWorld w;
    w.registry.SelectRoot(RegistryRoot::LocalMachine);
    EXPECT_FALSE(w.registry.OpenKey("SOFTWARE\\Veltrane\\Tessaro", false));
    EXPECT_FALSE(w.registry.WriteString("Demo", "5"));
    EXPECT_TRUE(w.registry.OpenKey("\\SOFTWARE\\Veltrane\\Tessaro", true));
    EXPECT_TRUE(w.registry.KeyExists("SOFTWARE\\Veltrane\\Tessaro"));
    w.registry.AddKey(RegistryRoot::LocalMachine, "SOFTWARE\\Veltrane\\Tessaro")["N"] = {"7",
                                                                                         false};
    EXPECT_FALSE(w.registry.ValueExists("Demo"));
    EXPECT_EQ(w.registry.ReadString("N"), "");
}

}  // namespace
}  // namespace tessaro::fakes
