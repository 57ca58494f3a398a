#include "slots.h"

#include "store.h"

#include "launch/numbers.h"
#include "launch/options.h"
#include "launch/optionview.h"

#include <array>

namespace vantor {
namespace {

constexpr std::array keys{
    SlotKey{"chk16bit", "2"},     SlotKey{"chka3d", "2"},        SlotKey{"chkcfg", "2"},
    SlotKey{"chkcheat", "2"},     SlotKey{"chkclosrun", "2"},    SlotKey{"chkdecal", "2"},
    SlotKey{"chkdev", "2"},       SlotKey{"chkdownload", "2"},   SlotKey{"chkdynlit", "2"},
    SlotKey{"chkeax", "2"},       SlotKey{"chkflip", "2"},       SlotKey{"chkfpslan", "2"},
    SlotKey{"chkfpsnet", "2"},    SlotKey{"chkhimodel", "2"},    SlotKey{"chkhisnd", "2"},
    SlotKey{"chkjoy", "2"},       SlotKey{"chkjunc", "2"},       SlotKey{"chklan", "2"},
    SlotKey{"chkmap", "2"},       SlotKey{"chkmfilt", "2"},      SlotKey{"chkmmx", "2"},
    SlotKey{"chknumping", "2"},   SlotKey{"chkprfsnd", "2"},     SlotKey{"chkpush", "2"},
    SlotKey{"chkrate", "2"},      SlotKey{"chkreverb", "2"},     SlotKey{"chksavrun", "2"},
    SlotKey{"chkshad", "2"},      SlotKey{"chktexsort", "2"},    SlotKey{"chkthird", "2"},
    SlotKey{"chktocon", "2"},     SlotKey{"chkupload", "2"},     SlotKey{"chkweap", "2"},
    SlotKey{"chkztrk", "2"},      SlotKey{"customcmd", "Error"}, SlotKey{"txtcfg", "Error"},
    SlotKey{"txtdecal", "Error"}, SlotKey{"txtfpslan", "Error"}, SlotKey{"txtfpsnet", "Error"},
    SlotKey{"txtmap", "Error"},   SlotKey{"txtpush", "Error"},   SlotKey{"txtrate", "Error"},
    SlotKey{"scrlcon", "10"},     SlotKey{"scrlskill", "1"},     SlotKey{"chkdm", "2"},
    SlotKey{"chkmaxp", "2"},      SlotKey{"txtmaxp", "Error"},   SlotKey{"chkmlook", "2"},
    SlotKey{"chkdnf", "0"},       SlotKey{"chkmod", "0"},        SlotKey{"txtmod", "tfc"},
};
static_assert(keys.size() == 51);

QString keyName(std::string_view key) { return toQString(key); }

// The range a stored whole number must lie in to be taken for the option.
std::pair<int, int> storedRange(const Option &option)
{
    if (option.kind == OptionKind::Check)
        return {0, 2};
    return {option.minimum, option.maximum};
}

} // namespace

std::span<const SlotKey> slotKeys() { return keys; }

QString slotSection(int slot)
{
    switch (slot) {
    case 1: return QStringLiteral("one");
    case 2: return QStringLiteral("two");
    case 3: return QStringLiteral("three");
    default: return {};
    }
}

bool isSlotSaved(const Store &store, int slot)
{
    // A skill level of any number above 0 marks a saved slot; one that the slider cannot take loads as its default.
    const auto skill = parseNumber(store.read(slotSection(slot), QStringLiteral("scrlskill"), QStringLiteral("0")));
    return skill && *skill > 0;
}

int defaultSlot(const Store &store)
{
    const auto number = parseNumber(store.read(QString(), QLatin1String(defaultSlotKey), QStringLiteral("0")));
    for (int slot = 1; slot <= 3; ++slot)
        if (number && *number == slot && isSlotSaved(store, slot))
            return slot;
    return 0;
}

bool saveSlot(Store &store, const OptionView &options, int slot)
{
    const QString section = slotSection(slot);
    for (const SlotKey &slotKey : keys) {
        const Option &opt = option(slotKey.key);
        QString value;
        switch (opt.kind) {
        case OptionKind::Check: value = QString::number(options.check(opt.key)); break;
        case OptionKind::Slider:
        case OptionKind::ScrollBar: value = QString::number(options.position(opt.key)); break;
        default: value = options.text(opt.key); break;
        }
        store.write(section, keyName(opt.key), value);
    }
    return store.flush();
}

bool loadSlot(const Store &store, OptionView &options, int slot)
{
    if (!isSlotSaved(store, slot))
        return false;
    const QString section = slotSection(slot);
    for (const SlotKey &slotKey : keys) {
        const Option &opt = option(slotKey.key);
        const QString absent = toQString(slotKey.absent);
        const QString stored = store.read(section, keyName(opt.key), absent);
        if (opt.kind == OptionKind::Check || opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar) {
            const auto [minimum, maximum] = storedRange(opt);
            const int value = parseStoredInteger(stored, minimum, maximum).value_or(absent.toInt());
            if (opt.kind == OptionKind::Check)
                options.setCheck(opt.key, value);
            else
                options.setPosition(opt.key, value);
        } else {
            options.setText(opt.key, stored);
        }
    }
    return true;
}

} // namespace vantor
