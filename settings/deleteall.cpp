#include "deleteall.h"

#include "store.h"

#include <array>

namespace vantor {
namespace {

struct Stage {
    const char *caption;
    bool deletes;
};

// Each reply a little less patient than the one before.
constexpr std::array<Stage, lastDeleteAllStage> stages{{
    {"Are you sure?", false},
    {"Are you really, really sure?", false},
    {"OK, they're deleted", true},
    {"I just did that", false},
    {"No, really, I deleted them!", false},
    {"Oh alright, I'll re-delete them", true},
    {"What, again?!?", false},
    {"I'm tired, go away", false},
    {"OK, but this is the last time", true},
    {"STOP CLICKING ME!!!", false},
    {"You're starting to annoy me...", false},
    {"That's it! You're dead, man!", false},
}};

} // namespace

DeleteAllStage deleteAllStage(int clicks)
{
    const Stage &stage = stages.at(size_t(clicks - 1));
    return {QString::fromUtf8(stage.caption), stage.deletes, clicks == lastDeleteAllStage};
}

void deleteAllSettings(Store &store)
{
    // A value first, so that there is always something to remove.
    store.write(QString(), QStringLiteral("nothing"), QStringLiteral("nothing"));
    store.removeAll();
    store.flush();
}

} // namespace vantor
