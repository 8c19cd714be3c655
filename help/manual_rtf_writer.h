// The help viewer's document: the manual's blocks for the Windows program as rich text
// (RTF), with its pictures embedded.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "help/manual_blocks.h"

class Image;

// Finds a picture by the name the source gives; null (with a reason) when it cannot.
using PictureLoader = std::function<std::unique_ptr<Image>(const std::string& name, std::string& error)>;

struct ManualRtf {
    std::string rtf;
    int pictureCount = 0;
    std::vector<ManualProblem> problems;  // the pictures that could not be had
};

ManualRtf writeManualRtf(const std::vector<ManualBlock>& blocks, const PictureLoader& loadPicture);

// A picture as the document embeds it: a device-independent bitmap, a BITMAPINFOHEADER
// then 32-bit rows, bottom row first (the image's row 0 is its bottom row).
std::vector<uint8_t> pictureDib(const Image& image);
