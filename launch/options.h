#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace vantor {

enum class OptionKind {
    Check,     // check box: 0 off, 1 on, 2 greyed
    Text,      // free text field
    Number,    // text field holding a number as text
    ReadOnly,  // text field set only by the program
    Slider,    // track-bar slider with tick marks
    ScrollBar, // horizontal scroll bar
};

enum class Page {
    General,     // the "Options:" page, bottom strip included
    CommandLine, // the header strip's command-line frame
    Multiplayer,
    Performance,
    Mod,
    Sound,
    Comic,
};

// One launch option as the window offers it. The key is the control's name and its key in a saved slot.
struct Option {
    std::string_view key;
    OptionKind kind;
    Page page;
    // The check box's own caption, or the caption of the label that names a field or slider; empty when the
    // field is named by its check box.
    std::string_view caption;
    // Check boxes "0" or "1"; sliders their position; text fields their text.
    std::string_view start;
    // Shown on the control and on its naming label; a slider shows it on its labels only.
    std::string_view tooltip = {};
    int typingLimit = 0; // characters a user may type; 0 is unlimited
    int minimum = 0;     // sliders only
    int maximum = 0;
};

// Every option, grouped by page in reading order.
std::span<const Option> optionCatalogue();

// The catalogue entry of a key. Asking for a key that is not an option is a programming error and aborts.
const Option &option(std::string_view key);

inline QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A caption or tooltip of the catalogue, which holds them in English, in the user's language.
QString translated(std::string_view catalogueText);

// True for the check box states the window can hold.
constexpr bool isCheckState(int value) { return value >= 0 && value <= 2; }

} // namespace vantor
