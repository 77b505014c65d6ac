// Placeholder until the profile paths land.
#include "settings/profile_paths.h"
#include <string>
namespace tessaro {
std::string DocumentsFolder(MainWindow&) { return {}; }
void DeriveProfilePaths(MainWindow&) {}
}  // namespace tessaro
