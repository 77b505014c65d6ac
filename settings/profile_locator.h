#pragma once

#include <string>

namespace tessaro {

// Where everything outside the program lives. Every text is empty until set.
struct ProfileLocator {
    std::string GameExePath;  // the game executable as chosen
    std::string GameFolder;   // its folder, ending in "\"
    std::string SteamFolder;  // the Steam client's record with "/" appended

    // Derived from the documents folder (DeriveProfilePaths).
    std::string ConfigFolder;       // ...\UTGame\Config\ .
    std::string StatsFolder;        // ...\UTGame\Stats\ .
    std::string StatsBackupFolder;  // ...\UTGame\Statsold\ .
    std::string EngineIni;          // ConfigFolder + "UTEngine.ini"; empty: no accessor
    std::string GameIni;            // ConfigFolder + "UTGame.ini"; empty: no accessor
};

}  // namespace tessaro
