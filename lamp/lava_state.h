// The lava's state between runs: every blob of the lamp's lava as a record in the settings
// store ("blob000", "blob001", … in list order) and their count ("noBlobsSaved").
#pragma once

class LampScene;
class SettingsStore;

// Writes the count as 0 first and the real count last, so that a save cut short leaves a
// count that does not match and the next start refuses the partial state.
void saveLavaState(const LampScene& lamp, SettingsStore* store);

// Puts the stored blobs back. False (nothing changed) when no count is stored, or when the
// stored count differs from the number of blobs the lava holds now; a record that is
// missing, cannot be read or describes no blob the lava could hold leaves its blob fresh.
// The store says what it refused, once each: a count that does not match, the missing
// records, each record it cannot use (the registry as "Error in format of registry key
// blob007", the settings file naming itself and the line's key).
bool restoreLavaState(LampScene& lamp, SettingsStore* store);
