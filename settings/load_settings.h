#pragma once

#include <string>
#include <vector>

#include "platform/display_modes.h"
#include "platform/update_checker.h"

namespace tessaro {

struct MainWindow;

// The start-up load: puts the stored choices into the controls, locates the game and
// the Steam client and, when automatic updates are on, starts the update check. With
// no settings key it does nothing at all. Its only writes are the reset custom size
// and the default results folder. It sets controls directly and raises no handler,
// so a caller may override controls afterwards without touching the store.
void LoadSettings(MainWindow& mw, UpdateChecker& updater);

// The distinct "W x H" texts of the primary display, in enumeration order.
void BuildModeList(DisplayModes& modes, std::vector<std::string>& list);

// Whether the mode list's text (every entry followed by a line break) contains the
// text: a containment, not a match of whole entries.
bool ModeListContains(const std::vector<std::string>& list, const std::string& modeText);

}  // namespace tessaro
