// Drawing, bounds and scene-file text of the quadric shapes.
#include "scene/quadric_shapes.h"

#include <algorithm>
#include <cmath>

#include "platform/gl.h"
#include "scene/material.h"
#include "scene/quadric.h"
#include "scene/scene_text.h"
#include "scene/tessellation.h"


namespace {

// Cone and Cylinder are centred on their centre point and share their text and bounds.
void writeCentredRound(int depth, std::FILE* file, const char* directive, const Material* material,
                       const Point3D& centre, float radius, float height) {
    writeLine(depth, file, directive, materialIndex(material));
    writePoint(depth, file, centre);
    writeLine(depth, file, "  %f %f\n", static_cast<double>(radius), static_cast<double>(height));
}

BoundingBox3D centredRoundBox(const Point3D& centre, float radius, float height) {
    const Point3D half(radius, height / 2, radius);
    return BoundingBox3D(centre - half, centre + half);
}

}  // namespace

// ---- Cone ----

Cone::Cone(const Point3D& centre, float radius, float height)
    : centre(centre), height(height), radius(radius) {}

void Cone::write(int depth, std::FILE* file) const {
    writeCentredRound(depth, file, "#shape_cone %d\n", material, centre, radius, height);
}

BoundingBox3D Cone::boundingBox() { return centredRoundBox(centre, radius, height); }

void Cone::draw(int) {
    quadricTextureFor(material);
    glPushMatrix();
    glTranslatef(centre.x, centre.y - height / 2, centre.z);
    glRotatef(-90, 1, 0, 0);
    applyMaterial(material);
    const int slices = evenSlices(pieceCount(4.396f * radius));
    const int stacks = pieceCount(0.7f * std::sqrt(radius * radius + height * height));
    gluCylinder(sharedQuadric(), radius, 0, height, slices, stacks);
    glPopMatrix();
}

bool Cone::isTransparent() const { return isSeeThrough(material); }

// ---- Cylinder ----

Cylinder::Cylinder(const Point3D& centre, float radius, float height, int n)
    : centre(centre),
      height(height),
      radius(radius),
      slices(evenSlices(n)),
      loops(ringsIn(radius, sliceWidth(radius, n))),
      stacks(ringsIn(height, sliceWidth(radius, n))) {}

void Cylinder::write(int depth, std::FILE* file) const {
    writeCentredRound(depth, file, "#shape_cylinder %d\n", material, centre, radius, height);
}

BoundingBox3D Cylinder::boundingBox() { return centredRoundBox(centre, radius, height); }

void Cylinder::draw(int) {
    if (!visible) return;
    prepareQuadric();
    beginSurface();
    applyMaterial(material);
    drawGeometry();
    endSurface();
}

void Cylinder::makeGeometry() const {
    glPushMatrix();
    glTranslatef(centre.x, centre.y - height / 2, centre.z);
    glRotatef(-90, 1, 0, 0);
    gluCylinder(sharedQuadric(), radius, radius, height, slices, stacks);
    glRotatef(180, 1, 0, 0);
    gluDisk(sharedQuadric(), 0, radius, slices, loops);  // bottom cap
    glPopMatrix();
    glPushMatrix();
    glTranslatef(centre.x, centre.y + height / 2, centre.z);
    glRotatef(-90, 1, 0, 0);
    gluDisk(sharedQuadric(), 0, radius, slices, loops);  // top cap
    glPopMatrix();
}

// ---- Disk ----

Disk::Disk(const Point3D& centre, float radius, int n, int side)
    : side(side),
      centre(centre),
      radius(radius),
      slices(evenSlices(n)),
      loops(ringsIn(radius, sliceWidth(radius, n))) {}

void Disk::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_disk %d\n", materialIndex(material));
    writePoint(depth, file, centre);
    writeLine(depth, file, "  %f %f\n", static_cast<double>(radius), static_cast<double>(side));
}

BoundingBox3D Disk::boundingBox() {
    return BoundingBox3D(Point3D(centre.x - radius, centre.y, centre.z - radius),
                         Point3D(centre.x + radius, centre.y, centre.z + radius));
}

void Disk::draw(int) {
    if (!visible) return;
    prepareQuadric();
    beginSurface();
    applyMaterial(material);
    drawGeometry();
    endSurface();
}

void Disk::makeGeometry() const {
    glPushMatrix();
    glTranslatef(centre.x, centre.y, centre.z);
    glRotatef(-90, 1, 0, 0);
    gluDisk(sharedQuadric(), 0, radius, slices, loops);
    glPopMatrix();
}

// ---- Sphere ----

void Sphere::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_sphere %d\n", materialIndex(material));
    writePoint(depth, file, centre);
    writeLine(depth, file, "  %f\n", static_cast<double>(radius));
}

BoundingBox3D Sphere::boundingBox() {
    const Point3D half(radius, radius, radius);
    return BoundingBox3D(centre - half, centre + half);
}

void Sphere::draw(int complexity) {
    quadricTextureFor(material);
    glPushMatrix();
    glTranslatef(centre.x, centre.y, centre.z);
    applyMaterial(material);
    gluSphere(sharedQuadric(), radius, complexity, complexity);
    glPopMatrix();
}

bool Sphere::isTransparent() const { return isSeeThrough(material); }

// ---- Tube ----

Tube::Tube(const Point3D& centre, float rTop, float rBase, float height, int n)
    : centre(centre),
      height(height),
      rTop(rTop),
      rBase(rBase),
      slices(evenSlices(n)),
      stacks(ringsIn(height, (rTop + rBase) * 3.1415927f / static_cast<float>(n))) {}

void Tube::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_tube %d\n", materialIndex(material));
    writePoint(depth, file, centre);
    writeLine(depth, file, "  %f %f %f\n", static_cast<double>(rTop), static_cast<double>(rBase),
              static_cast<double>(height));
}

BoundingBox3D Tube::boundingBox() {
    const float r = std::max(rTop, rBase);
    return BoundingBox3D(Point3D(centre.x - r, centre.y, centre.z - r),
                         Point3D(centre.x + r, centre.y + height, centre.z + r));
}

void Tube::draw(int) {
    if (!visible) return;
    prepareQuadric();
    beginSurface();
    applyMaterial(material);
    drawGeometry();
    endSurface();
}

void Tube::makeGeometry() const {
    glPushMatrix();
    glTranslatef(centre.x, centre.y, centre.z);
    glRotatef(-90, 1, 0, 0);
    gluCylinder(sharedQuadric(), rBase, rTop, height, slices, stacks);
    glPopMatrix();
}
