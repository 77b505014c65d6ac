#include "engine/resolution_slots.h"

#include <array>

namespace tessaro {
namespace {

constexpr std::array<ResolutionSlot, 9> kSlots{{
    {"800", 0, 800, 600, "800", "800 x 600", false},
    {"1024", 1, 1024, 768, "1024", "1024 x 768", false},
    {"1280", 2, 1280, 1024, "1280", "1280 x 1024", false},
    {"1600", 3, 1600, 1200, "1600", "1600 x 1200", false},
    {"2048", 4, 2048, 1536, "2048", "2048 x 1536", false},
    {"hdw1", 5, 1280, 768, "hdw1", "1280 x 768", true},
    {"hdw2", 6, 1920, 1080, "hdw2", "1920 x 1080", true},
    {"hdw3", 7, 1920, 1200, "hdw3", "1920 x 1200", true},
    {"custom", -1, 0, 0, "CusRes", "", false},
}};

constexpr const char* kCaptionHead = "<BR><B><FONT size=5>Resolution: ";
constexpr const char* kCaptionTail = "</FONT></B><BR>";

}  // namespace

std::span<const ResolutionSlot> ResolutionSlots() {
    return kSlots;
}

const ResolutionSlot* SlotByTag(std::string_view tag) {
    for (const ResolutionSlot& s : kSlots)
        if (tag == s.Tag)
            return &s;
    return nullptr;
}

const ResolutionSlot* FirstSlot() {
    return &kSlots.front();
}

const ResolutionSlot* NextSlot(const ResolutionSlot* slot) {
    if (slot < kSlots.data() || slot >= kSlots.data() + kSlots.size() - 1)
        return nullptr;
    return slot + 1;
}

bool IsCustom(const ResolutionSlot& slot) {
    return slot.ResItem < 0;
}

bool IsSlotSelected(const ResolutionSlot& slot, const MainControls& controls) {
    if (IsCustom(slot))
        return controls.cusresbox.ticked && !controls.CusWidth.empty() &&
               !controls.CusHeight.empty();
    return controls.res[static_cast<std::size_t>(slot.ResItem)].ticked;
}

SlotTextSet SlotTexts(const ResolutionSlot& slot, const MainControls& controls) {
    const bool custom = IsCustom(slot);
    const std::string w = custom ? controls.CusWidth : std::to_string(slot.Width);
    const std::string h = custom ? controls.CusHeight : std::to_string(slot.Height);
    const std::string spaced = w + " " + kTimes + " " + h;
    const std::string tight = w + kTimes + h;

    SlotTextSet t;
    t.ChartLabel = tight;
    t.ResolutionSwitches = " -ResX=" + w + " -ResY=" + h;
    if (custom) {
        t.ProgressText = "Resolution: " + spaced + " (Custom)...";
        t.ReportCaption = kCaptionHead + spaced + " (Custom)" + kCaptionTail;
    } else {
        t.ProgressText = "Resolution: " + spaced + "...";
        t.ReportCaption =
            kCaptionHead + tight + (slot.Wide ? " (HD WideScreen)" : "") + kCaptionTail;
    }
    return t;
}

}  // namespace tessaro
