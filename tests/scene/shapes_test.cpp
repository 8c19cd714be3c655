// Shapes without drawing: tessellation counts, bounding boxes, group lists, scene-file text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "lava/blob.h"
#include "scene/atube.h"
#include "scene/flat_shapes.h"
#include "scene/group.h"
#include "scene/material.h"
#include "scene/quadric_shapes.h"
#include "scene/vertex.h"

namespace {

std::string written(const Shape& shape, int depth) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&buffer, &size);
    shape.write(depth, file);
    std::fclose(file);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

}  // namespace

TEST(Shapes, BoundingBoxes) {
    Cylinder cylinder(Point3D(1, 2, 3), 2.0f, 4.0f, 30);
    BoundingBox3D b = cylinder.boundingBox();
    EXPECT_FLOAT_EQ(b.p[0].y, 0.0f);
    EXPECT_FLOAT_EQ(b.p[1].x, 3.0f);
    Tube tube(Point3D(0, -15, 0), 3.0f, 4.7f, 6.0f, 30);
    b = tube.boundingBox();  // starts at the centre and rises; the wider end counts
    EXPECT_FLOAT_EQ(b.p[0].y, -15.0f);
    EXPECT_FLOAT_EQ(b.p[1].y, -9.0f);
    EXPECT_FLOAT_EQ(b.p[0].x, -4.7f);
    Disk disk(Point3D(0, 5, 0), 2.0f, 30, 0);
    b = disk.boundingBox();
    EXPECT_FLOAT_EQ(b.p[0].y, 5.0f);
    EXPECT_FLOAT_EQ(b.p[1].y, 5.0f);
    EXPECT_FLOAT_EQ(b.p[1].z, 2.0f);
    ATube atube(Point3D(5, 5, 5), 30);
    atube.addPoint(3, 1, 0);
    b = atube.boundingBox();
    EXPECT_FLOAT_EQ(b.p[1].x, 0.0f);
    Vertex v[3];
    v[0].position = Point3D(1, 0, 0);
    v[1].position = Point3D(0, 2, 0);
    v[2].position = Point3D(0, 0, -3);
    Triangle triangle(&v[0], &v[1], &v[2]);
    b = triangle.boundingBox();
    EXPECT_FLOAT_EQ(b.p[0].z, -3.0f);
    EXPECT_FLOAT_EQ(b.p[1].y, 2.0f);
}

namespace {
// Counts what a group asks of its blob behaviour, and frees the blobs it is given.
struct CountingBehaviour : BlobBehaviour {
    void stepBlobs(Group&, float) override { ++steps; }
    void drawBlobs(Group&, int) override { ++draws; }
    void writeBlobs(const Group&, int, std::FILE*) const override {}
    void deleteBlob(Blob* blob) override {
        ++deleted;
        delete blob;
    }
    int steps = 0, draws = 0, deleted = 0;
};
}  // namespace

TEST(Shapes, GroupStepsDrawsAndDeletesItsBlobsThroughItsBehaviour) {
    CountingBehaviour behaviour;
    {
        Group group;
        Blob orphan(Point3D(), 1.1f);
        EXPECT_FALSE(group.addBlob(&orphan)) << "no behaviour to free it with";
        group.blobBehaviour = &behaviour;
        group.step(0.02f);  // no blobs: the behaviour is not asked
        group.draw(17);
        EXPECT_EQ(behaviour.steps + behaviour.draws, 0);
        group.addBlob(new Blob(Point3D(), 1.1f));
        group.addBlob(new Blob(Point3D(), 1.1f));
        group.step(0.02f);
        group.draw(17);
        EXPECT_EQ(behaviour.steps, 1);
        EXPECT_EQ(behaviour.draws, 1);
        EXPECT_EQ(group.removeBlob(), 1);
        EXPECT_EQ(behaviour.deleted, 1);
    }
    EXPECT_EQ(behaviour.deleted, 2) << "the group frees the blobs it still holds";
}

TEST(Shapes, GroupBlobListStopsAt400) {
    CountingBehaviour behaviour;
    Group group;
    group.blobBehaviour = &behaviour;
    for (int i = 0; i < maxBlobs; ++i) ASSERT_TRUE(group.addBlob(new Blob(Point3D(), 1.1f)));
    Blob* extra = new Blob(Point3D(), 1.1f);
    EXPECT_FALSE(group.addBlob(extra));
    delete extra;  // refused: the caller still owns it
    EXPECT_EQ(group.blobCount(), 400);
    Blob* newest = group.blobs.front();
    EXPECT_EQ(group.removeBlob(), 399);
    EXPECT_NE(group.blobs.front(), newest);
    while (group.blobCount() > 0) group.removeBlob();
    EXPECT_EQ(group.removeBlob(), 0);
    EXPECT_EQ(group.blobCount(), 0);
}

TEST(Shapes, GroupBoxIsTheChildrenBoxThroughTheMatrix) {
    float elements[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 10, 20, 30, 1};
    Group empty(elements);
    BoundingBox3D b = empty.boundingBox();
    EXPECT_FLOAT_EQ(b.p[0].x, 10.0f);
    EXPECT_FLOAT_EQ(b.p[1].z, 30.0f);
    Group group(elements);
    Sphere sphere(Point3D(1, 1, 1), 1);
    Box box(Point3D(-5, 0, 0), Point3D(2, 2, 2));
    group.addChild(&sphere);
    group.addChild(&box);
    group.scale = true;  // flags do not matter: only the matrix is applied
    group.scaleFactor = Point3D(5, 5, 5);
    b = group.boundingBox();
    EXPECT_FLOAT_EQ(b.p[0].x, 4.0f);
    EXPECT_FLOAT_EQ(b.p[1].x, 12.0f);
    EXPECT_FLOAT_EQ(b.p[1].y, 22.0f);
    EXPECT_FLOAT_EQ(group.box.p[1].y, 22.0f);
}

TEST(Shapes, SceneFileText) {
    Material material;
    material.index = 3;
    Sphere sphere(Point3D(1, 2, 3), 0.5f);
    sphere.material = &material;
    EXPECT_EQ(written(sphere, 2),
              "  #shape_sphere 3\n    1.000000 2.000000 3.000000\n    0.500000\n");
    Blob blob(Point3D(1, -2, 0), 1.1f);
    blob.material = &material;
    EXPECT_EQ(written(blob, 0), "#shape_blob 3\n\t1.000000 -2.000000 0.000000\n\t1.100000\n");
    float elements[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 7, 8, 9, 1};
    Group group(elements);
    group.addChild(&sphere);
    const std::string text = written(group, 0);
    EXPECT_EQ(text.substr(0, 50), "#group_begin\n\t1.000000 0.000000 0.000000 7.000000\n");
    EXPECT_NE(text.find(" #shape_sphere 3\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 11), "#group_end\n");
}
