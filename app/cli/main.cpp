// tessaro-cli: the benchmark's core driven from a console, for automation and tests.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/cli_world.h"
#include "app/cli/dry_run.h"
#include "app/cli/run_options.h"
#include "engine/run_gate.h"
#include "platform/update_checker.h"
#include "platform/win32/program_info.h"
#include "results/report_writer.h"
#include "results/stats_reader.h"
#include "results/system_summary.h"
#include "settings/load_settings.h"
#include "settings/settings_store.h"

namespace tessaro {
namespace {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

constexpr const char* kUsage =
    "usage: tessaro-cli run [options]     run a benchmark batch\n"
    "       tessaro-cli score FILE        the run value and score of a statistics page\n"
    "       tessaro-cli sysinfo           the system lines of the report\n"
    "       tessaro-cli modes             the display's distinct modes\n"
    "       tessaro-cli settings          the stored settings\n"
    "run options: --demo NAME|POSITION --res TAGS --custom WxH --runs N --af 0..3\n"
    "  --physics --motion-blur --botmatch --edition DVD|Steam --game PATH\n"
    "  --steam-folder DIR --results DIR --note TEXT --onethread --dry-run\n"
    "  --no-open (leave the report unopened) --repeat N --figures (benchmarks)\n";

int Usage(const std::string& problem) {
    if (!problem.empty())
        std::fprintf(stderr, "tessaro-cli: %s\n", problem.c_str());
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "tessaro-cli: %s\n", message.c_str());
    return kExitFailed;
}

// A person at the terminal answers the dialogs; otherwise their defaults stand.
bool StdinIsConsole() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// The window's start-up: the program's own values, then the stored settings.
void StartUp(MainWindow& mw) {
    mw.ProgramFolder = win32::ProgramFolder();
    mw.FileVersion = win32::FileVersion();
    NoUpdateChecker noUpdates;
    LoadSettings(mw, noUpdates);
    // Without a settings key the load leaves the results folder empty; the batch
    // still needs one.
    if (mw.controls.ResEdit.empty())
        mw.controls.ResEdit = mw.ProgramFolder + "Benchmark\\";
}

int RunCommand(const std::vector<std::string>& args) {
    ParsedRunOptions parsed = ParseRunOptions(args);
    if (!parsed.error.empty())
        return Usage(parsed.error);
    const RunOptions& options = parsed.options;

    CliWorld world(StdinIsConsole(), !options.noOpen && !options.dryRun);
    MainWindow& mw = world.mw;
    StartUp(mw);
    ApplyRunOptions(options, mw);

    if (options.dryRun)
        return DryRun(mw, stdout) ? kExitOk : kExitFailed;

    for (int batch = 1; batch <= options.repeat; ++batch) {
        mw.SavedReportPath.clear();
        mw.NoReportReason.clear();
        BenchButtonClick(mw);
        if (mw.batch.Running)
            world.loop.RunUntil([&mw] { return !mw.batch.Running; });
        world.figures.BatchEnded();
        if (options.figures)
            world.figures.Print(stderr, batch);
    }

    if (!mw.SavedReportPath.empty()) {
        std::printf("%s\n", mw.SavedReportPath.c_str());
        return kExitOk;
    }
    std::printf("%s\n", mw.NoReportReason.empty() ? "No report was saved: the batch did not run."
                                                  : mw.NoReportReason.c_str());
    return kExitFailed;
}

int ScoreCommand(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return Usage("score takes one statistics page");
    win32::Win32FileSystem files;
    auto bytes = files.ReadFile(args[0]);
    if (!bytes)
        return Failure("cannot read " + args[0]);
    std::string value = ExtractRunValue(SplitLines(*bytes));
    win32::Win32Locale locale;
    auto score = value.empty() ? std::nullopt : ConvertRunValue(value, locale.DecimalSeparator());
    std::printf("%s\n%s\n", value.c_str(), score ? std::to_string(*score).c_str() : "No Score.");
    return kExitOk;
}

int SysinfoCommand() {
    CliWorld world(false, false);
    for (const std::string& line : DescribeSystem(world.mw))
        std::printf("%s\n", line.c_str());
    return kExitOk;
}

int ModesCommand() {
    win32::Win32DisplayModes modes;
    std::vector<std::string> list;
    BuildModeList(modes, list);
    for (const std::string& mode : list)
        std::printf("%s\n", mode.c_str());
    return kExitOk;
}

int SettingsCommand() {
    win32::Win32Registry registry;
    auto values = StoredSettings(registry);
    if (!values)
        return Failure(
            "the settings key HKEY_LOCAL_MACHINE\\SOFTWARE\\Veltrane\\Tessaro does not exist");
    for (const auto& [name, value] : *values)
        std::printf("%s\t%s\n", name.c_str(), value.c_str());
    return kExitOk;
}

int Main(const std::vector<std::string>& args) {
    if (args.empty())
        return Usage("");
    const std::string& command = args[0];
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "run")
        return RunCommand(rest);
    if (command == "score")
        return ScoreCommand(rest);
    if (!rest.empty())
        return Usage(command + " takes no arguments");
    if (command == "sysinfo")
        return SysinfoCommand();
    if (command == "modes")
        return ModesCommand();
    if (command == "settings")
        return SettingsCommand();
    if (command == "--help" || command == "help") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    return Usage("unknown command: " + command);
}

}  // namespace
}  // namespace tessaro

int main() {
    // UTF-8 out, and "\n" as written: the output is read by scripts as often as by people.
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return tessaro::Main(tessaro::win32::CommandLineArguments());
}
