#pragma once

// Two option states that differ in every slot key, A and B, as "key=value" in the order of the slot keys: a slot
// saved from either tells which one it holds, and a mixture of the two matches neither. Both pass the saved-slot
// test, and set in this order, both stay as they are under the window's switching rules.

#include "launch/numericfields.h"
#include "launch/options.h"
#include "settings/slots.h"

#include <QStringList>

inline QStringList slotState(bool b)
{
    using namespace vantor;
    QStringList settings;
    for (const SlotKey &slotKey : slotKeys()) {
        const Option &opt = option(slotKey.key);
        const bool slider = opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar;
        const QString value = opt.kind == OptionKind::Check ? QString::number(b)
                              : slider                      ? QString::number(b ? opt.maximum : opt.minimum + 1)
                              : numericField(opt.key)       ? QString::number(b ? 22 : 11)
                                                            : QString(b ? "b" : "a");
        settings << toQString(opt.key) + '=' + value;
    }
    return settings;
}
