// Real child processes started, listed and watched through the Win32 layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/win32/resource_counts.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_process_list.h"
#include "win32_test_support.h"

namespace tessaro::win32 {
namespace {

using testing::ChildProgram;
using testing::RunUntilOrTimeout;
using testing::TempFolder;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, '\t');)
        fields.push_back(f);
    return fields;
}

std::vector<std::string> RecordedLines(const std::string& file) {
    std::ifstream in(std::filesystem::path(Widen(file)), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

class ProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The executable's folder has a blank in its name, and no quotes go round it.
        std::filesystem::create_directories(std::filesystem::path(Widen(folder / "child dir")));
        ASSERT_TRUE(CopyFileW(Widen(ChildProgram()).c_str(), Widen(child).c_str(), FALSE));
    }

    // For children nobody watches: the next test must not see them.
    static void WaitUntilNoChildRuns() {
        Win32ProcessList list;
        for (int i = 0; i < 1000 && list.FirstIsRunning("tessaro_test_child.exe"); ++i)
            Sleep(10);
    }

    TempFolder folder;
    std::string child = folder / "child dir\\tessaro_test_child.exe";
    std::string record = folder / "record.txt";
    Win32EventLoop loop;
    Win32ProcessLauncher launcher{loop};
};

TEST_F(ProcessTest, WatchedStartRunsUnquotedPathHiddenAndReportsTheEndOnTheUiThread) {
    const std::string line = child + " map?x=1 -seconds=5 --record=" + record + " --sleep=100";
    const std::string workingFolder = folder / "child dir\\";
    DWORD endThread = 0;
    bool ended = false;

    StartOutcome outcome = launcher.StartWatched(line, workingFolder, [&] {
        ended = true;
        endThread = GetCurrentThreadId();
    });

    ASSERT_TRUE(outcome.started) << outcome.error;
    EXPECT_FALSE(ended) << "the end arrives through the loop, not during the start";
    ASSERT_TRUE(RunUntilOrTimeout(loop, [&] { return ended; }));
    EXPECT_EQ(endThread, GetCurrentThreadId());

    auto lines = RecordedLines(record);
    ASSERT_EQ(lines.size(), 1u);
    auto f = Fields(lines[0]);
    ASSERT_EQ(f.size(), 5u);
    // Windows hands the line over as built; Wine puts quotes round the executable it
    // found when its path has blanks. The arguments arrive unchanged either way.
    EXPECT_TRUE(f[0] == line || f[0] == "\"" + child + "\"" + line.substr(child.size())) << f[0];
    EXPECT_EQ(f[1] + "\\", workingFolder);
    EXPECT_EQ(f[2], std::to_string(STARTF_USESHOWWINDOW | STARTF_USEPOSITION | STARTF_USESIZE));
    EXPECT_EQ(f[3], std::to_string(SW_HIDE));
    EXPECT_EQ(f[4], "0,0,0,0");
}

TEST_F(ProcessTest, EmptyWorkingFolderInheritsOurs) {
    bool ended = false;
    StartOutcome outcome =
        launcher.StartWatched(child + " --record=" + record, "", [&] { ended = true; });
    ASSERT_TRUE(outcome.started) << outcome.error;
    ASSERT_TRUE(RunUntilOrTimeout(loop, [&] { return ended; }));

    wchar_t ours[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, ours);
    auto lines = RecordedLines(record);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Fields(lines[0]).at(1), Narrow(ours));
}

TEST_F(ProcessTest, StartFailuresCarryTheSystemMessageAndNoEnd) {
    struct Case {
        const char* what;
        std::string commandLine;
        std::string workingFolder;
    };
    const Case cases[] = {
        {"missing executable", folder / "no such dir\\missing.exe -seconds=5", ""},
        {"missing working folder", child, folder / "gone\\"},
    };
    for (const Case& c : cases) {
        bool ended = false;
        StartOutcome watched =
            launcher.StartWatched(c.commandLine, c.workingFolder, [&] { ended = true; });
        EXPECT_FALSE(watched.started) << c.what;
        EXPECT_FALSE(watched.error.empty()) << c.what;
        StartOutcome idle = launcher.StartAndWaitUntilIdle(c.commandLine, c.workingFolder);
        EXPECT_FALSE(idle.started) << c.what;
        EXPECT_EQ(idle.error, watched.error) << c.what;
        loop.ProcessMessages();
        EXPECT_FALSE(ended) << c.what;
    }
}

TEST_F(ProcessTest, StartAndWaitUntilIdleReturnsWhileTheProcessRuns) {
    const std::string stopFile = folder / "stop";
    StartOutcome outcome = launcher.StartAndWaitUntilIdle(
        child + " --record=" + record + " --until=" + stopFile, folder.Path());
    ASSERT_TRUE(outcome.started) << outcome.error;
    Win32ProcessList list;
    EXPECT_TRUE(list.FirstIsRunning("tessaro_test_child.exe"));
    testing::Touch(stopFile);
    WaitUntilNoChildRuns();
}

TEST_F(ProcessTest, ProcessListSeesTheChildInAnyLetterCaseUntilItEnds) {
    const std::string stopFile = folder / "stop";
    bool ended = false;
    StartOutcome outcome =
        launcher.StartWatched(child + " --until=" + stopFile, "", [&] { ended = true; });
    ASSERT_TRUE(outcome.started) << outcome.error;

    Win32ProcessList list;
    auto names = list.ImageNames();
    ASSERT_TRUE(names.has_value());
    EXPECT_NE(std::find(names->begin(), names->end(), "tessaro_test_child.exe"), names->end());
    for (const char* name :
         {"tessaro_test_child.exe", "TESSARO_TEST_CHILD.EXE", "Tessaro_Test_Child.Exe"}) {
        EXPECT_TRUE(list.FirstIsRunning(name)) << name;
    }
    EXPECT_FALSE(list.FirstIsRunning("tessaro_test_child")) << "whole names only";
    EXPECT_FALSE(list.FirstIsRunning("no_such_program.exe"));

    testing::Touch(stopFile);
    ASSERT_TRUE(RunUntilOrTimeout(loop, [&] { return ended; }));
    EXPECT_FALSE(list.FirstIsRunning("tessaro_test_child.exe"));
}

TEST_F(ProcessTest, HandleCountDoesNotGrowOverManyWatchedStarts) {
    auto runOnce = [&] {
        bool ended = false;
        StartOutcome outcome =
            launcher.StartWatched(child + " --exit=3", "", [&] { ended = true; });
        ASSERT_TRUE(outcome.started) << outcome.error;
        ASSERT_TRUE(RunUntilOrTimeout(loop, [&] { return ended; }));
    };
    Win32ProcessList list;
    auto count = [] { return OpenHandleCount(); };
    for (int i = 0; i < 3; ++i)
        runOnce();
    (void)list.FirstIsRunning("tessaro_test_child.exe");
    (void)launcher.StartWatched(folder / "missing.exe", "", [] {});
    const DWORD before = count();
    for (int i = 0; i < 50; ++i) {
        runOnce();
        (void)list.FirstIsRunning("tessaro_test_child.exe");
        (void)launcher.StartWatched(folder / "missing.exe", "", [] {});
    }
    const DWORD after = count();
    std::printf("open handles before 50 watched starts %lu, after %lu\n", before, after);
    EXPECT_GT(before, 0u);
    EXPECT_LE(after, before + 2) << "before " << before << ", after " << after;
}

TEST_F(ProcessTest, DestroyingTheLauncherStopsItsWaiters) {
    const std::string stopFile = folder / "stop";
    bool ended = false;
    {
        Win32ProcessLauncher shortLived(loop);
        ASSERT_TRUE(
            shortLived.StartWatched(child + " --until=" + stopFile, "", [&] { ended = true; })
                .started);
    }  // returns although the child still runs
    testing::Touch(stopFile);
    WaitUntilNoChildRuns();
    Sleep(100);
    loop.ProcessMessages();
    EXPECT_FALSE(ended);
}

}  // namespace
}  // namespace tessaro::win32
