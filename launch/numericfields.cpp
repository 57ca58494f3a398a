#include "numericfields.h"

#include "numbers.h"
#include "optionview.h"
#include "options.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace vantor {
namespace {

constexpr std::array fields{
    NumericField{"txtpush", "chkpush", "300", true},    NumericField{"txtmaxp", "chkmaxp", "16", false},
    NumericField{"txtrate", "chkrate", "2500", true},   NumericField{"txtfpsnet", "chkfpsnet", "30", true},
    NumericField{"txtfpslan", "chkfpslan", "45", true}, NumericField{"txtdecal", "chkdecal", "300", false},
};

constexpr int maxPlayersCap = 32;

bool holdsUsableNumber(const OptionView &options, const NumericField &field)
{
    const QString text = options.text(field.key);
    if (text.isEmpty())
        return true;
    const auto number = parseNumber(text);
    if (!number)
        return false;
    // With its box on, the number must round to a 16-bit integer (0 always does, and is never converted).
    return !field.sixteenBit || !options.isOn(field.checkKey) || toInt16(*number).has_value();
}

} // namespace

std::span<const NumericField> numericFields() { return fields; }

const NumericField *numericField(std::string_view key)
{
    const auto found =
        std::find_if(fields.begin(), fields.end(), [key](const NumericField &f) { return f.key == key; });
    return found == fields.end() ? nullptr : &*found;
}

void checkNumericFields(OptionView &options)
{
    for (const NumericField &field : fields) {
        // The fallback always passes, so one repair is enough.
        if (!holdsUsableNumber(options, field))
            options.setText(field.key, toQString(field.fallback));
    }
}

void numericFieldLeft(OptionView &options, std::string_view key)
{
    const NumericField *field = numericField(key);
    if (!field)
        return;
    const QString fallback = toQString(field->fallback);
    if (options.text(key).isEmpty())
        options.setText(key, fallback);
    if (key == "txtmaxp") {
        const auto number = parseNumber(options.text(key));
        if (number && *number > maxPlayersCap)
            options.setText(key, fallback);
    }
}

QString skillName(int position)
{
    switch (position) {
    case 1: return QCoreApplication::translate("Skill", "Easy");
    case 2: return QCoreApplication::translate("Skill", "Medium");
    case 3: return QCoreApplication::translate("Skill", "Hard");
    default: return {};
    }
}

int consoleSpeed(int position) { return position * 100; }

} // namespace vantor
