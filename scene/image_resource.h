// Pictures built into the program: a "RAWPNG" resource holds the width and the height
// (signed 32-bit, little-endian), then the pixels as an Image keeps them.
#pragma once

#include <memory>

class Image;

// The resource with this id as an image; an empty one, after saying why, when it cannot be
// had or is no picture.
std::unique_ptr<Image> imageFromResource(int id);
