#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/main_controls.h"

namespace tessaro {

// The multiplication sign, in UTF-8 (byte 0xD7 once encoded as Windows-1252).
inline constexpr const char* kTimes = "\xC3\x97";

struct ResolutionSlot {
    const char* Tag;          // "800" ... "hdw3", "custom"
    int ResItem;              // item of the res group; -1 for the custom slot
    int Width, Height;        // 0 for the custom slot (its edit texts stand in)
    const char* SettingName;  // the settings value storing the choice
    const char* ModeText;     // the display mode the slot needs ("" for custom)
    bool Wide;                // the HD widescreen slots
};

struct SlotTextSet {
    std::string ProgressText;
    std::string ChartLabel;
    std::string ReportCaption;
    std::string ResolutionSwitches;
};

// The nine slots in table order, which is the batch order.
std::span<const ResolutionSlot> ResolutionSlots();

const ResolutionSlot* SlotByTag(std::string_view tag);
const ResolutionSlot* FirstSlot();
// The following slot in table order; none after "custom".
const ResolutionSlot* NextSlot(const ResolutionSlot* slot);

bool IsCustom(const ResolutionSlot& slot);
bool IsSlotSelected(const ResolutionSlot& slot, const MainControls& controls);
// For the custom slot built from the CusWidth and CusHeight texts at every call.
SlotTextSet SlotTexts(const ResolutionSlot& slot, const MainControls& controls);

}  // namespace tessaro
