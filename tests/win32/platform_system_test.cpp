// What the machine, the shell and the program's own executable tell about themselves.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <set>
#include <utility>

#include "platform/win32/program_info.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_display_modes.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"
#include "win32_test_support.h"

namespace tessaro::win32 {
namespace {

TEST(ShellTest, DocumentsFolderIsAnExistingFolderAsTheShellGivesIt) {
    Win32Shell shell;
    std::string documents = shell.DocumentsFolder();
    ASSERT_FALSE(documents.empty());
    EXPECT_EQ(documents.substr(1, 2), ":\\") << documents;
    EXPECT_TRUE(Win32FileSystem().FolderExists(documents)) << documents;
    // Wine gives the folder with a trailing separator; Windows without one.
    std::printf("documents folder: %s\n", documents.c_str());
}

TEST(ShellTest, OpenOfAMissingDocumentFails) {
    testing::TempFolder folder;
    EXPECT_FALSE(Win32Shell().Open(folder / "missing report.htm"));
}

TEST(DisplayModesTest, ListsTheDriversModesAndEndsCleanly) {
    Win32DisplayModes modes;
    std::set<std::pair<int, int>> sizes;
    int count = 0;
    while (auto m = modes.Mode(count)) {
        EXPECT_GT(m->width, 0);
        EXPECT_GT(m->height, 0);
        sizes.insert({m->width, m->height});
        ASSERT_LT(++count, 10000);
    }
    EXPECT_GT(count, 0);
    EXPECT_FALSE(modes.Mode(count).has_value());
    EXPECT_FALSE(modes.Mode(count + 100).has_value());
    EXPECT_FALSE(modes.Mode(-1).has_value()) << "not the current-settings request";
    EXPECT_FALSE(modes.Mode(-2).has_value());

    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        GTEST_SKIP() << "a display decides its own modes";
    for (auto size : {std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768}}) {
        EXPECT_TRUE(sizes.count(size)) << size.first << " x " << size.second;
    }
}

TEST(ProgramInfoTest, KnowsItsOwnExecutableAndVersionRecord) {
    std::string path = ProgramPath();
    std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(path, folder + "tessaro_win32_tests.exe");
    EXPECT_EQ(FileVersion(), "1.5.0.0");
    EXPECT_EQ(FileVersionOf(testing::ChildProgram()), "") << "no version record";
    EXPECT_EQ(FileVersionOf(folder + "missing.exe"), "");
}

TEST(SystemInfoTest, DescribesTheMachine) {
    Win32SystemInfo info;
    EXPECT_FALSE(info.OperatingSystemName().empty());
    EXPECT_GT(info.PhysicalMemoryBytes(), 64ull << 20);
    std::string cpu = info.CpuName();
    EXPECT_FALSE(cpu.empty());
    EXPECT_LE(cpu.size(), 48u);
    EXPECT_EQ(cpu.find('\0'), std::string::npos);
    DisplayAdapter adapter = info.RefreshDisplayAdapter();
    std::printf("os: %s\ncpu: [%s] %u MHz\nadapter: %s, %u bytes\n",
                info.OperatingSystemName().c_str(), cpu.c_str(), info.CpuMegahertz(),
                adapter.name.c_str(), adapter.memoryBytes);
}

TEST(ClockTest, SleepsAndTellsTheLocalTime) {
    Win32Clock clock;
    auto start = std::chrono::steady_clock::now();
    clock.Sleep(50);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
    clock.Sleep(-5);  // no wait, and no wrap to an endless one

    SYSTEMTIME st{};
    GetLocalTime(&st);
    LocalTime now = clock.Now();
    EXPECT_EQ(now.year, st.wYear);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_LE(now.second, 59);
}

TEST(LocaleTest, FormatsAsTheUsersLocale) {
    Win32Locale locale;
    LocalTime t{2024, 3, 9, 14, 5, 7};
    std::string date = locale.ShortDate(t);
    std::string time = locale.LongTime(t);
    std::string separator = locale.DecimalSeparator();
    EXPECT_NE(date.find("24"), std::string::npos) << date;
    EXPECT_NE(date.find('9'), std::string::npos) << date;
    EXPECT_NE(time.find("05"), std::string::npos) << time;
    EXPECT_NE(time.find("07"), std::string::npos) << time;
    EXPECT_TRUE(separator == "." || separator == ",") << separator;
    std::printf("date %s, time %s, decimal '%s'\n", date.c_str(), time.c_str(), separator.c_str());
}

}  // namespace
}  // namespace tessaro::win32
