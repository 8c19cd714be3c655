// The lava's state between runs: every blob of the lamp's lava as a record in the settings
// store ("blob000", "blob001", … in list order) and their count ("noBlobsSaved").
#pragma once

// Writes the count as 0 first and the real count last, so that a save cut short leaves a
// count that does not match and the next start refuses the partial state.
void saveLavaState();

// Puts the stored blobs back. False (nothing changed) when the stored count differs from
// the number of blobs the lava holds now; a record that is missing or cannot be read
// leaves its blob fresh, and the store says so for the latter (the registry as "Error in
// format of registry key blob007", the settings file naming itself and the line's key).
bool restoreLavaState();
