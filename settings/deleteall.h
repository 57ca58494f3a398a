#pragma once

#include <QString>

namespace vantor {

class Store;

// What one click of "Delete all saved settings" does, by how many clicks there have been so far (this one
// included): the caption it shows, and whether it deletes. The twelfth click ends the program; clicks after it
// have no stage.
struct DeleteAllStage {
    QString caption;
    bool deletes = false;
    bool endsProgram = false;
};
inline constexpr int lastDeleteAllStage = 12;

// The stage of a click, for a count of 1 to lastDeleteAllStage.
DeleteAllStage deleteAllStage(int clicks);

// Removes everything Vantor keeps in the store (the slots, the Default slot and the Game directory) and puts the
// removal on disk.
void deleteAllSettings(Store &store);

} // namespace vantor
