#pragma once

#include <string>

namespace tessaro {

struct MainWindow;

// The documents folder without a trailing separator; empty when the shell gives none.
std::string DocumentsFolder(MainWindow& mw);
// The profile folders and configuration files under the documents folder.
void DeriveProfilePaths(MainWindow& mw);

}  // namespace tessaro
