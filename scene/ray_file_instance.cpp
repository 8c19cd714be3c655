// Drawing another file's scene.
#include "scene/ray_file_instance.h"

#include "scene/group.h"
#include "scene/scene.h"
#include "scene/scene_text.h"

void RayFileInstance::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#ray_file_instance %d\n", index);
}

BoundingBox3D RayFileInstance::boundingBox() {
    return scene->root ? scene->root->boundingBox() : BoundingBox3D(nullptr, 0);
}

void RayFileInstance::draw(int complexity) {
    if (scene->root) scene->root->draw(complexity);
}
