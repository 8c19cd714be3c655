// Texture: an Image and the OpenGL texture made from it on first use (creation needs a
// current context, so it waits for the first draw).
#pragma once

#include <cstdio>
#include <string>

class Image;

class Texture {
public:
    // From a "RAWPNG" resource of the program.
    explicit Texture(int resourceId);
    // From a BMP file (scene files); `loaded()` tells whether it could be read.
    explicit Texture(const std::string& fileName);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    bool loaded() const;
    // Binds to GL_TEXTURE_2D, creating the texture with mipmaps the first time.
    void bind();
    // The "#texture" record of a scene file.
    void write(std::FILE* file) const;
    // Frees the image; the OpenGL texture name stays.
    void release();

    unsigned int glName = 0;
    Image* image = nullptr;
    int index = -1;
    std::string fileName;
};
