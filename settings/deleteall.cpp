#include "deleteall.h"

#include "store.h"

#include <QCoreApplication>

#include <array>

namespace vantor {
namespace {

struct Stage {
    const char *caption;
    bool deletes;
};

// Each reply a little less patient than the one before.
constexpr std::array<Stage, lastDeleteAllStage> stages{{
    {QT_TRANSLATE_NOOP("DeleteAll", "Are you sure?"), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "Are you really, really sure?"), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "OK, they're deleted"), true},
    {QT_TRANSLATE_NOOP("DeleteAll", "I just did that"), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "No, really, I deleted them!"), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "Oh alright, I'll re-delete them"), true},
    {QT_TRANSLATE_NOOP("DeleteAll", "What, again?!?"), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "I'm tired, go away"), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "OK, but this is the last time"), true},
    {QT_TRANSLATE_NOOP("DeleteAll", "STOP CLICKING ME!!!"), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "You're starting to annoy me..."), false},
    {QT_TRANSLATE_NOOP("DeleteAll", "That's it! You're dead, man!"), false},
}};

} // namespace

DeleteAllStage deleteAllStage(int clicks)
{
    const Stage &stage = stages.at(size_t(clicks - 1));
    return {QCoreApplication::translate("DeleteAll", stage.caption), stage.deletes, clicks == lastDeleteAllStage};
}

void deleteAllSettings(Store &store)
{
    // A value first, so that there is always something to remove.
    store.write(QString(), QStringLiteral("nothing"), QStringLiteral("nothing"));
    store.removeAll();
    store.flush();
}

} // namespace vantor
