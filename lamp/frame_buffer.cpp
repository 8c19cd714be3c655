// Frame reading.
#include "lamp/frame_buffer.h"

#include "platform/gl.h"
#include "scene/image.h"

void readFrameBufferInto(Image& image) {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, image.width, image.height, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels);
}

Image* readFrameBuffer(int width, int height) {
    Image* image = new Image(width, height);
    readFrameBufferInto(*image);
    return image;
}
