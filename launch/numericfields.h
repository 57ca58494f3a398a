#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace vantor {

class OptionView;

// A text field that holds a number, with the check box that switches its value on.
struct NumericField {
    std::string_view key;
    std::string_view checkKey;
    std::string_view fallback; // put back when the text is no number, or left empty
    bool sixteenBit;           // when its box is on, the value must also round to a 16-bit integer
};

// The numeric fields in the order in which they are checked.
std::span<const NumericField> numericFields();

// The numeric field of a key, or null.
const NumericField *numericField(std::string_view key);

// Puts each field's fallback into it while its text is no number or, with its box on and a value other than 0,
// does not round to a 16-bit integer. An empty field is left alone while the user edits it. Each repair is a
// change of the field, so its change handling (and with it a nested check) runs before the next field is checked.
void checkNumericFields(OptionView &options);

// What a field gets when it loses the focus: its fallback when empty, and "Max Players" is capped at 32.
void numericFieldLeft(OptionView &options, std::string_view key);

// The caption beside the skill slider, or an empty string for a position without a name.
QString skillName(int position);

// The console speed that the scroll bar's position stands for, in the console's own units.
int consoleSpeed(int position);

} // namespace vantor
