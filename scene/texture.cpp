// Texture creation and binding.
#include "scene/texture.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/gl.h"
#include "scene/bmp.h"
#include "scene/image.h"
#include "scene/image_resource.h"

Texture::Texture(int resourceId) : image(imageFromResource(resourceId).release()) {}

Texture::Texture(const std::string& fileName) : fileName(fileName) {
    // A fifo would hold the reader forever, a device feed it without end.
    if (!isRegularFile(fileName)) return;
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file) return;
    image = readBmp(file, true);
    if (std::fclose(file) != 0) release();
}

Texture::~Texture() { release(); }

bool Texture::loaded() const { return image && image->isValid(); }

void Texture::bind() {
    if (glName != 0) {
        glBindTexture(GL_TEXTURE_2D, glName);
        return;
    }
    if (!loaded()) {
        // Nothing to make a texture of: draw untextured rather than with whatever texture
        // happened to be bound before.
        glBindTexture(GL_TEXTURE_2D, 0);
        return;
    }
    glGenTextures(1, &glName);
    glBindTexture(GL_TEXTURE_2D, glName);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, image->width, image->height, GL_RGBA, GL_UNSIGNED_BYTE,
                      image->pixels);
}

void Texture::write(std::FILE* file) const { std::fprintf(file, "#texture\n   %s\n", fileName.c_str()); }

void Texture::release() {
    delete image;
    image = nullptr;
}
