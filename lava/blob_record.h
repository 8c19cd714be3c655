// One blob as a line of text, the form in which the lava's state is stored between runs:
// radius, position x y z, velocity x y z, temperature, previous cluster, cluster, written
// with "%f" and "%d" and separated by commas.
#pragma once

#include <string>

class Blob;

std::string blobRecord(const Blob& blob);

// Reads a record into the blob. Only a record of exactly ten numbers with nothing after
// them that describes a blob the lava could hold is taken (blobCouldExist); for anything
// else the blob is left as it was and the result is false. A record taken is written back
// as it reads.
bool readBlobRecord(const std::string& text, Blob& blob);

// Whether a blob could be one of the lava's, as the physics bounds it, with a margin for
// the records' six decimals: its radius the lava's own (within a half and twice it), its
// centre inside the glass, no faster than the speed limit, a temperature between the
// coolest the glass cools to and the hottest the bulb heats to at the strongest lamp heat,
// clusters -1 (none) to 400 (the most blobs).
bool blobCouldExist(const Blob& blob);
