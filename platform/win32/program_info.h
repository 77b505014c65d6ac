#pragma once

#include <string>
#include <vector>

namespace tessaro::win32 {

// The running program's own executable, its version record and its arguments.
std::string ProgramPath();
// The executable's folder, ending in "\".
std::string ProgramFolder();
// The FileVersion text of the executable's version record; empty when it has none.
std::string FileVersion();
std::string FileVersionOf(const std::string& path);
// The arguments after the program's name, split as the C runtime would split them.
std::vector<std::string> CommandLineArguments();

}  // namespace tessaro::win32
