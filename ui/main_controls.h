#pragma once

#include <array>
#include <string>

namespace tessaro {

// A list or radio group with nothing selected.
inline constexpr int kNoItem = -1;

struct TickBox {
    bool ticked = false;
    bool enabled = true;
};

// The main window's controls: the current choices. The batch reads them when it
// starts; a view mirrors them to real controls, the command-line driver fills them.
// Initial values are the window's design-time state.
struct MainControls {
    // Base Setting page
    std::array<TickBox, 8> res{};  // the eight fixed resolution items
    TickBox cusresbox{};
    std::string CusWidth, CusHeight;
    bool CustomFieldsEnabled = false;  // CusWidth, CusHeight and CusPossibilities
    int RunNumberBox = kNoItem;        // items "1" to "5"
    int AFBox = kNoItem;               // None, 4x, 8x, 16x
    TickBox HPhyBox{}, MBlurBox{};

    // Demos page
    int demo = kNoItem;  // item = catalogue position - 1
    TickBox BOTBox{};

    // Paths & information page
    std::string UT3PathEdit;
    bool UT3PathEditRed = false;
    std::string ResEdit;
    std::string NoteEdit;
    TickBox AutoUpdateBox{};

    // Edition panel
    int UT3TypeBox = kNoItem;  // 0 "normal DVD version", 1 "Steam version"
    bool EditionPanelVisible = true;

    // Progress panel and run button
    bool ProgressPanelVisible = false;
    std::string Label2 = "Resolution: ...";
    std::string RunsLabel;
    bool BenchButtonEnabled = true;

    std::string Label6 = "v1.4.0.0";  // version label
    int PageIndex = 3;                // 0 Paths & information, 1 Base Setting, 2 Demos, 3 About
};

inline constexpr std::size_t kNoteMaxLength = 50;
inline constexpr const char* kPathRequest = "Please define the path of UT3.exe";

}  // namespace tessaro
