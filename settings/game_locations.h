#pragma once

#include "platform/choosers.h"

namespace tessaro {

struct MainWindow;

// The Steam client's own key under HKEY_CURRENT_USER; the program only reads it.
inline constexpr const char* kSteamKey = "\\Software\\Valve\\Steam";
inline constexpr const char* kGameFileFilter = "UT3 executable (UT3.exe)|UT3.exe";
inline constexpr const char* kGameFileTitle = "Browse for the UT3 executable";
inline constexpr const char* kResultsFolderTitle = "Browse for results folder...";
inline constexpr const char* kNoResultsFolder = "The results directory not exist.";

// Takes over the stored game location when "Path" names a file and "FPath" a folder,
// else shows the request for a path. Reads the settings key the load has open.
void LocateGame(MainWindow& mw);
// The Steam folder from the client's "SteamPath", and the edition preselected: Steam
// when the client's key exists, DVD when it does not. Leaves HKEY_CURRENT_USER
// selected.
void DetectSteam(MainWindow& mw);

// "Browse..." beside the game path: choose the game executable.
void RzToolButton2Click(MainWindow& mw, FileChooser& chooser);
// "Browse..." beside the results folder.
void RzToolButton1Click(MainWindow& mw, FolderChooser& chooser);
// "Open": shows the results folder in the system's file browser.
void OpenResFolderClick(MainWindow& mw);

}  // namespace tessaro
