// What a group does with the blobs it holds. The scene graph keeps a group's blobs (it owns
// them) but knows nothing of the lava's physics or drawing: the lava supplies this
// interface, and a group steps, draws and deletes its blobs through it.
#pragma once

#include <cstdio>

class Blob;
class Group;

class BlobBehaviour {
public:
    virtual ~BlobBehaviour() = default;
    // One time step of the group's blobs (the list is not empty).
    virtual void stepBlobs(Group& group, float dt) = 0;
    // The group's blobs, inside the group's transform (the list is not empty).
    virtual void drawBlobs(Group& group, int complexity) = 0;
    // The group's blobs as scene-file directives, each line indented by depth spaces.
    virtual void writeBlobs(const Group& group, int depth, std::FILE* file) const = 0;
    // Frees a blob the group owned.
    virtual void deleteBlob(Blob* blob) = 0;
};
