// Geometry: boxes, matrix algebra and transforms.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/geometry.h"

namespace {

void expectPoint(const Point3D& p, float x, float y, float z, float tolerance = 1e-5f) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

Matrix4D rotationZ(float degrees) {
    const float a = degrees * 3.14159265f / 180.0f;
    Matrix4D m = Matrix4D::identity();
    m(0, 0) = std::cos(a);
    m(0, 1) = std::sin(a);
    m(1, 0) = -std::sin(a);
    m(1, 1) = std::cos(a);
    return m;
}

Matrix4D translation(float x, float y, float z) {
    Matrix4D m = Matrix4D::identity();
    m(3, 0) = x;
    m(3, 1) = y;
    m(3, 2) = z;
    return m;
}

}  // namespace

TEST(Geometry, BoxesKeepTheirCornersOrdered) {
    const BoundingBox3D box(Point3D(3, -1, 5), Point3D(-2, 4, 0));
    expectPoint(box.p[0], -2, -1, 0);
    expectPoint(box.p[1], 3, 4, 5);
    const Point3D points[] = {{1, 2, 3}, {-1, 5, 0}, {4, -3, 2}};
    const BoundingBox3D many(points, 3);
    expectPoint(many.p[0], -1, -3, 0);
    expectPoint(many.p[1], 4, 5, 3);
    const BoundingBox3D none(points, 0);
    expectPoint(none.p[0], 0, 0, 0);
    expectPoint(none.p[1], 0, 0, 0);
    expectPoint(BoundingBox3D(points, -3).p[1], 0, 0, 0);
}

TEST(Geometry, RotatedBoxIsTheBoxOfItsRotatedCorners) {
    const BoundingBox3D box(Point3D(-1, -1, -1), Point3D(1, 1, 1));
    const BoundingBox3D turned = box.transformed(rotationZ(45));
    const float r = std::sqrt(2.0f);
    expectPoint(turned.p[0], -r, -r, -1);
    expectPoint(turned.p[1], r, r, 1);
    const BoundingBox3D moved = box.transformed(translation(10, 0, -2));
    expectPoint(moved.p[0], 9, -1, -3);
    expectPoint(moved.p[1], 11, 1, -1);
}

TEST(Geometry, MatrixAlgebra) {
    const Matrix4D identity = Matrix4D::identity();
    EXPECT_FLOAT_EQ(identity.determinant(), 1.0f);
    const Matrix4D inverseIdentity = identity.invert();
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(inverseIdentity.data()[i], identity.data()[i]);

    // Column-major: translation in m(3, 0..2), storage index 12..14.
    const Matrix4D t = translation(1, 2, 3);
    EXPECT_FLOAT_EQ(t.data()[12], 1);
    EXPECT_FLOAT_EQ(t.data()[14], 3);
    expectPoint(t.transformPoint(Point3D(1, 1, 1)), 2, 3, 4);
    expectPoint(t.transformDirection(Point3D(1, 1, 1)), 1, 1, 1);

    // (A * B) p = A (B p): rotate after translating.
    const Matrix4D r = rotationZ(90);
    expectPoint((r * t).transformPoint(Point3D(0, 0, 0)), -2, 1, 3);
    expectPoint((t * r).transformPoint(Point3D(1, 0, 0)), 1, 3, 3);

    Matrix4D general = rotationZ(30) * translation(4, -2, 7);
    general(0, 0) *= 2.0f;  // not orthogonal
    general(2, 1) = 0.5f;
    const Matrix4D product = general * general.invert();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(product(i, j), i == j ? 1.0f : 0.0f, 1e-5f);
    EXPECT_NEAR(general.determinant() * general.invert().determinant(), 1.0f, 1e-5f);
    EXPECT_FLOAT_EQ(general.transpose()(1, 2), general(2, 1));
}

TEST(Geometry, NormalsUseTheInverseTranspose) {
    Matrix4D stretch = Matrix4D::identity();
    stretch(0, 0) = 2;  // x stretched: a 45 degree plane's normal tilts towards y
    const Point3D n = stretch.transformNormal(Point3D(1, 1, 0));
    expectPoint(n, 0.5f, 1, 0);
    const Ray3D ray{Point3D(0, 0, 0), Point3D(1, 0, 0)};
    const Ray3D moved = translation(0, 5, 0).transformRay(ray);
    expectPoint(moved.position, 0, 5, 0);
    expectPoint(moved.direction, 1, 0, 0);
    expectPoint(ray.at(2.5f), 2.5f, 0, 0);
    expectPoint(ray.translated(Point3D(1, 1, 1)).direction, 1, 0, 0);
}

TEST(Geometry, PointsNormaliseSafely) {
    expectPoint(Point3D(0, 0, 0).normalised(), 0, 0, 0);
    expectPoint(Point3D(0, 3, 4).normalised(), 0, 0.6f, 0.8f);
    const Point2D u = Point2D(3, 4).unit();
    EXPECT_FLOAT_EQ(u.x, 0.6f);
    EXPECT_FLOAT_EQ((Point2D(1, 2) * Point2D(3, 4)).y, 8.0f);
}

