// The program's icon and cursor files (.ico, .cur) read as pictures, for the X11 shell,
// which has no system to read them: each image of the file as 32-bit ARGB pixels, top row
// first, with a cursor's hot spot. Only the files' own form is read: 32-bit uncompressed
// bitmaps (what tools/paint_icons writes); other images are skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct IconImage {
    int width = 0, height = 0;
    int hotX = 0, hotY = 0;      // cursors only
    std::vector<uint32_t> argb;  // width x height, top row first
};

std::vector<IconImage> readIconFile(const unsigned char* data, size_t size);
