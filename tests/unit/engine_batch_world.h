#pragma once

// A main window with a game, a prepared user profile and a results folder on the
// fake file system, ready to run batches against the fake process launcher.

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/batch_sequencer.h"
#include "engine/resolution_slots.h"
#include "fakes/fake_ports.h"

namespace tessaro::fakes {

struct BatchWorld : FakeWorld {
    const std::string profile =
        "C:\\users\\tester\\Documents\\My Games\\Unreal Tournament 3\\UTGame\\";
    const std::string config = profile + "Config\\";
    const std::string exe = "C:\\Games\\UT3\\Binaries\\UT3.exe";
    const std::string userEngine = "[SystemSettings]\r\nMaxAnisotropy=2\r\n";

    BatchWorld() {
        mw.ProgramFolder = "C:\\Tessaro\\";
        mw.GameEdition = "DVD";
        mw.RunsPerSlot = 1;
        mw.controls.RunNumberBox = 0;
        mw.controls.demo = 30;  // Strident
        mw.controls.AFBox = 0;
        mw.controls.UT3PathEdit = exe;
        mw.controls.ResEdit = "C:\\Tessaro\\Benchmark\\";
        mw.locations.GameExePath = exe;
        mw.locations.GameFolder = "C:\\Games\\UT3\\Binaries\\";
        mw.locations.SteamFolder = "c:/program files/steam/";
        mw.locations.ConfigFolder = config;
        mw.locations.StatsFolder = profile + "Stats\\";
        mw.locations.StatsBackupFolder = profile + "Statsold\\";
        mw.locations.EngineIni = config + "UTEngine.ini";
        mw.locations.GameIni = config + "UTGame.ini";

        files.AddFile(exe, "MZ");
        files.AddFile(mw.ProgramFolder + "UTEngine.ini", "[SystemSettings]\r\n");
        files.AddFile(mw.locations.EngineIni, userEngine);
        files.AddFile(mw.locations.GameIni, "[Engine.HUD]\r\nbShowHud=True\r\n");
        files.AddFolder(mw.locations.StatsFolder);
        files.AddFolder(mw.controls.ResEdit);
    }

    void Tick(std::initializer_list<const char*> tags) {
        for (const char* t : tags)
            mw.controls.res[std::size_t(SlotByTag(t)->ResItem)].ticked = true;
    }
    void TickCustom(const std::string& width, const std::string& height) {
        mw.controls.cusresbox.ticked = true;
        mw.controls.CusWidth = width;
        mw.controls.CusHeight = height;
    }

    // The resolution each start asked for, as "WxH".
    std::vector<std::string> LaunchedResolutions() const {
        std::vector<std::string> out;
        for (const auto& s : processes.starts) {
            const std::string& c = s.commandLine;
            auto x = c.find(" -ResX="), y = c.find(" -ResY="), e = c.find(" -unattended");
            out.push_back(c.substr(x + 7, y - x - 7) + "x" + c.substr(y + 7, e - y - 7));
        }
        return out;
    }

    // Ends runs until the batch is over (or nothing is left running).
    int EndAllRuns() {
        int ends = 0;
        while (mw.batch.Running && ends < 100 && processes.EndOne())
            ++ends;
        return ends;
    }

    // The user's engine file is back in place and the backup gone, and the restore
    // actually moved it back (not merely never touched).
    bool ProfileRestored() const {
        bool movedBack = false;
        for (const auto& l : files.log)
            movedBack =
                movedBack || (l.rfind("move ", 0) == 0 && l.find("UTEngineold.ini ->") != l.npos);
        return movedBack && files.Bytes(mw.locations.EngineIni) == userEngine &&
               !files.Bytes(config + "UTEngineold.ini");
    }

    bool ReportWritten() const {
        for (const auto& l : files.log)
            if (l.rfind("write C:\\Tessaro\\Benchmark", 0) == 0)
                return true;
        return !shell.opened.empty();
    }

    bool MessageContains(const std::string& text) const {
        for (const auto& m : dialogs.messages)
            if (m.find(text) != std::string::npos)
                return true;
        return false;
    }
};

}  // namespace tessaro::fakes
