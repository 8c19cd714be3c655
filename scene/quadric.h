// The one GLU quadric object all quadric shapes share. Made by the OpenGL set-up (or on
// first use) and deleted when the context goes.
#pragma once

#include "platform/gl.h"

GLUquadric* sharedQuadric();
void deleteSharedQuadric();

struct Material;
// Texture coordinates for the quadric when the material has a texture.
void quadricTextureFor(const Material* material);
