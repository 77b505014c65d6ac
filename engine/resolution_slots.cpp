// Placeholder until the slot table lands.
#include "engine/resolution_slots.h"
namespace tessaro {
std::span<const ResolutionSlot> ResolutionSlots() { return {}; }
const ResolutionSlot* SlotByTag(std::string_view) { return nullptr; }
const ResolutionSlot* FirstSlot() { return nullptr; }
const ResolutionSlot* NextSlot(const ResolutionSlot*) { return nullptr; }
bool IsCustom(const ResolutionSlot&) { return false; }
bool IsSlotSelected(const ResolutionSlot&, const MainControls&) { return false; }
SlotTextSet SlotTexts(const ResolutionSlot&, const MainControls&) { return {}; }
}  // namespace tessaro
