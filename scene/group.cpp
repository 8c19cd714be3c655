// Groups: transforms, children, and the lava they may hold.
#include "scene/group.h"

#include "platform/gl.h"
#include "scene/scene_text.h"

Group::Group() = default;

Group::Group(const float elements[16]) : matrix(elements), useMatrix(true) {}

Group::~Group() {
    // Blobs pushed onto the public list by hand, with no behaviour to free them, are lost
    // rather than freed the wrong way.
    if (blobBehaviour)
        for (Blob* blob : blobs) blobBehaviour->deleteBlob(blob);
}

void Group::write(int depth, std::FILE* file) const {
    writeIndent(depth, file);
    std::fprintf(file, "#group_begin\n");
    // The whole transform as one matrix, so that a group read with scale, rotation or
    // translation is drawn the same when read back.
    const Matrix4D m = transform();
    for (int row = 0; row < 4; ++row) {
        writeIndent(depth, file);
        std::fprintf(file, "\t%f %f %f %f\n", static_cast<double>(m(0, row)),
                     static_cast<double>(m(1, row)), static_cast<double>(m(2, row)),
                     static_cast<double>(m(3, row)));
    }
    writeContents(depth + 1, file);
    writeIndent(depth, file);
    std::fprintf(file, "#group_end\n");
}

void Group::writeContents(int depth, std::FILE* file) const {
    for (const Shape* child : children) child->write(depth, file);
    if (!blobs.empty() && blobBehaviour) blobBehaviour->writeBlobs(*this, depth, file);
}

BoundingBox3D Group::boundingBox() {
    std::vector<Point3D> corners;
    corners.reserve(children.size() * 2);
    for (Shape* child : children) {
        const BoundingBox3D childBox = child->boundingBox();
        corners.push_back(childBox.p[0]);
        corners.push_back(childBox.p[1]);
    }
    box = BoundingBox3D(corners.data(), static_cast<int>(corners.size())).transformed(matrix);
    return box;
}

Matrix4D Group::transform() const {
    Matrix4D m = Matrix4D::identity();
    if (translate) m = m * Matrix4D::translation(translation);
    if (rotate)
        for (int axis = 0; axis < 3; ++axis) m = m * Matrix4D::rotation(rotation[axis], axis);
    if (scale) m = m * Matrix4D::scaling(scaleFactor);
    if (useMatrix) m = m * matrix;
    return m;
}

void Group::applyTransform() const {
    if (translate) glTranslatef(translation.x, translation.y, translation.z);
    if (rotate) {
        glRotatef(rotation.x, 1, 0, 0);
        glRotatef(rotation.y, 0, 1, 0);
        glRotatef(rotation.z, 0, 0, 1);
    }
    if (scale) glScalef(scaleFactor.x, scaleFactor.y, scaleFactor.z);
    if (useMatrix) glMultMatrixf(matrix.data());
}

void Group::draw(int complexity) {
    glPushMatrix();
    applyTransform();
    if (!blobs.empty() && blobBehaviour) blobBehaviour->drawBlobs(*this, complexity);
    for (Shape* child : children) child->draw(complexity);
    glPopMatrix();
}

void Group::step(float dt) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    applyTransform();
    if (!blobs.empty() && blobBehaviour) blobBehaviour->stepBlobs(*this, dt);
    for (Shape* child : children) child->step(dt);
    glPopMatrix();
}

void Group::addCollider(Shape* shape) { colliders.insert(colliders.begin(), shape); }

bool Group::addBlob(Blob* blob) {
    if (blobCount() >= maxBlobs || !blobBehaviour) return false;
    blobs.insert(blobs.begin(), blob);
    return true;
}

int Group::removeBlob() {
    if (blobs.empty() || !blobBehaviour) return blobCount();
    blobBehaviour->deleteBlob(blobs.front());
    blobs.erase(blobs.begin());
    return blobCount();
}
