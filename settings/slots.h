#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace vantor {

class OptionView;
class Store;

// Where Vantor keeps what is not a slot.
inline constexpr char defaultSlotKey[] = "def"; // at the application level: "1" to "3", "0" or absent for none
inline constexpr char otherSection[] = "other";
inline constexpr char gameDirectoryKey[] = "hldir";
inline constexpr char gameDirectoryNeverChosen[] = "none";

// A key of a saved slot, and what loading takes when the key is absent or holds something unusable.
struct SlotKey {
    std::string_view key;
    std::string_view absent;
};

// The slot keys in the order they are written and read.
std::span<const SlotKey> slotKeys();

// "one", "two", "three" for the slots 1 to 3.
QString slotSection(int slot);

// A slot holds saved options when its skill level reads as a number above 0; a slot never saved reads as none.
bool isSlotSaved(const Store &store, int slot);

// The slot to load at start-up: the one that "def" names, when it is saved; 0 for none.
int defaultSlot(const Store &store);

// Writes every option of the slot keys into the slot and puts the writes on disk. Other keys of the section stay.
// Returns whether the store is on disk (see Store::flush).
bool saveSlot(Store &store, const OptionView &options, int slot);

// Puts the options saved in the slot into the controls, key by key, each control's change handling running as it
// changes. Returns false, changing nothing, when the slot is not saved.
bool loadSlot(const Store &store, OptionView &options, int slot);

} // namespace vantor
