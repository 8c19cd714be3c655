// One blob as a line of text, the form in which the lava's state is stored between runs:
// radius, position x y z, velocity x y z, temperature, previous cluster, cluster, written
// with "%f" and "%d" and separated by commas.
#pragma once

#include <string>

class Blob;

std::string blobRecord(const Blob& blob);

// Reads a record into the blob. Only a record of exactly ten numbers with nothing after
// them, all finite and the radius above 0 and at most maxRestoredRadius, is taken; for
// anything else the blob is left as it was and the result is false.
bool readBlobRecord(const std::string& text, Blob& blob);

// Far wider than any blob the lamp makes (1.1) and than the vessel (about 10 across).
constexpr float maxRestoredRadius = 20.0f;
