// Files, folders and private-profile writes on the real file system.
#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_ini_file.h"
#include "win32_test_support.h"

namespace tessaro::win32 {
namespace {

using testing::TempFolder;

class FileSystemTest : public ::testing::Test {
  protected:
    void Write(const std::string& path, const std::string& bytes) {
        ASSERT_TRUE(fs.WriteFile(path, bytes)) << path;
    }
    std::string Read(const std::string& path) { return fs.ReadFile(path).value_or("<missing>"); }

    TempFolder folder;
    Win32FileSystem fs;
};

TEST_F(FileSystemTest, WriteAndReadKeepEveryByteAndReplaceLongerFiles) {
    // A name outside Windows-1252 (Cyrillic) and bytes a text mode would change.
    const std::string path = folder / "\xD0\x96urnal.bin";
    const std::string bytes("line\r\nnul\0here \xD7\xFF\n", 18);
    Write(path, std::string(1000, 'x'));
    Write(path, bytes);
    EXPECT_EQ(Read(path), bytes);
    Write(path, "");
    EXPECT_EQ(Read(path), "");
    EXPECT_FALSE(fs.ReadFile(folder / "missing.txt").has_value());
    EXPECT_FALSE(fs.WriteFile(folder / "no such dir\\file.txt", "x"));
}

TEST_F(FileSystemTest, ExistenceTellsFilesFromFolders) {
    Write(folder / "file.txt", "x");
    struct Case {
        std::string path;
        bool file, dir;
    };
    const Case cases[] = {
        {folder / "file.txt", true, false},
        {folder.Path(), false, true},  // with its trailing separator
        {folder.Path().substr(0, folder.Path().size() - 1), false, true},
        {folder / "missing", false, false},
        {folder / "missing\\", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fs.FileExists(c.path), c.file) << c.path;
        EXPECT_EQ(fs.FolderExists(c.path), c.dir) << c.path;
    }
}

TEST_F(FileSystemTest, MoveAndCopyReplaceAnExistingDestinationSilently) {
    const std::string user = folder / "UTEngine.ini", backup = folder / "UTEngineold.ini",
                      templ = folder / "template.ini";
    Write(user, "user's own");
    Write(backup, "left by a killed batch");
    Write(templ, "template");

    ASSERT_TRUE(fs.MoveFile(user, backup));
    EXPECT_FALSE(fs.FileExists(user));
    EXPECT_EQ(Read(backup), "user's own");

    ASSERT_TRUE(fs.CopyFile(templ, user));
    EXPECT_EQ(Read(user), "template");
    EXPECT_EQ(Read(templ), "template");
    ASSERT_TRUE(fs.CopyFile(backup, user));
    EXPECT_EQ(Read(user), "user's own");
}

TEST_F(FileSystemTest, MoveAndCopyOfAMissingSourceFailWithoutADialog) {
    EXPECT_FALSE(fs.MoveFile(folder / "missing.ini", folder / "to.ini"));
    EXPECT_FALSE(fs.CopyFile(folder / "missing.ini", folder / "to.ini"));
    EXPECT_FALSE(fs.FileExists(folder / "to.ini"));
}

TEST_F(FileSystemTest, FolderOperationsAcceptTrailingSeparators) {
    const std::string stats = folder / "Stats\\", old = folder / "Statsold\\";
    ASSERT_TRUE(fs.CreateFolder(stats));
    Write(stats + "run.html", "page");
    EXPECT_FALSE(fs.CreateFolder(stats)) << "already there";

    ASSERT_TRUE(fs.RenameFolder(stats, old));
    EXPECT_FALSE(fs.FolderExists(stats));
    EXPECT_EQ(Read(old + "run.html"), "page");

    ASSERT_TRUE(fs.CreateFolder(stats));
    EXPECT_FALSE(fs.RenameFolder(old, stats)) << "the destination exists";
    EXPECT_FALSE(fs.RemoveFolder(old)) << "not empty";
    EXPECT_TRUE(fs.FolderExists(old));
    ASSERT_TRUE(fs.RemoveFolder(stats));
    ASSERT_TRUE(fs.RenameFolder(old, stats));
    EXPECT_EQ(Read(stats + "run.html"), "page");

    ASSERT_TRUE(fs.DeleteFile(stats + "run.html"));
    EXPECT_FALSE(fs.DeleteFile(stats + "run.html"));
    EXPECT_TRUE(fs.RemoveFolder(stats));
    EXPECT_FALSE(fs.RemoveFolder(stats));
}

TEST_F(FileSystemTest, IniWriteReplacesAddsKeysAndSectionsInPlace) {
    const std::string ini = folder / "UTEngine.ini";
    Write(ini,
          "[SystemSettings]\r\nMaxAnisotropy=4\r\nMotionBlur=True\r\n\r\n"
          "[Engine.Engine]\r\nbDisablePhysXHardwareSupport=True\r\n");
    Win32IniFile writer;
    ASSERT_TRUE(writer.WriteString(ini, "SystemSettings", "MaxAnisotropy", "16"));
    ASSERT_TRUE(writer.WriteString(ini, "engine.engine", "bdisablephysxhardwaresupport", "False"));
    ASSERT_TRUE(writer.WriteString(ini, "Engine.Engine", "NewKey", "1"));
    ASSERT_TRUE(writer.WriteString(ini, "Engine.HUD", "bShowHud", "False"));

    // Windows keeps the blank line between sections; Wine drops it when it rewrites.
    std::string written = Read(ini);
    for (auto at = written.find("\r\n\r\n"); at != std::string::npos;
         at = written.find("\r\n\r\n")) {
        written.erase(at, 2);
    }
    EXPECT_EQ(written,
              "[SystemSettings]\r\nMaxAnisotropy=16\r\nMotionBlur=True\r\n"
              "[Engine.Engine]\r\nbDisablePhysXHardwareSupport=False\r\nNewKey=1\r\n"
              "[Engine.HUD]\r\nbShowHud=False\r\n");
    EXPECT_FALSE(
        writer.WriteString(folder / "no such dir\\UTGame.ini", "Engine.HUD", "bShowHud", "True"));
}

}  // namespace
}  // namespace tessaro::win32
