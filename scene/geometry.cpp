// Geometry module: box construction and transformation, matrix algebra.
#include "scene/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "scene/module_assert.h"

Point2D Point2D::unit() const {
    const float l = length();
    GJ_ASSERT(l!=0.0, "Geometry");  // written as the message names it
    return *this / l;
}

namespace {
Point3D componentMin(const Point3D& a, const Point3D& b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
}
Point3D componentMax(const Point3D& a, const Point3D& b) {
    return {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
}
}  // namespace

BoundingBox3D::BoundingBox3D(const Point3D& a, const Point3D& b)
    : p{componentMin(a, b), componentMax(a, b)} {}

BoundingBox3D::BoundingBox3D(const Point3D* points, int n) {
    if (n <= 0) {
        p[0] = p[1] = Point3D();
        return;
    }
    p[0] = p[1] = points[0];
    for (int i = 1; i < n; ++i) {
        p[0] = componentMin(p[0], points[i]);
        p[1] = componentMax(p[1], points[i]);
    }
}

BoundingBox3D BoundingBox3D::transformed(const Matrix4D& m) const {
    Point3D corners[8];
    for (int c = 0; c < 8; ++c) {
        const Point3D corner(p[c & 1].x, p[(c >> 1) & 1].y, p[(c >> 2) & 1].z);
        corners[c] = m.transformPoint(corner);
    }
    return BoundingBox3D(corners, 8);
}

Matrix4D::Matrix4D(const float elements[16]) { std::copy(elements, elements + 16, m); }

Matrix4D Matrix4D::identity() {
    Matrix4D r;
    for (int i = 0; i < 4; ++i) r(i, i) = 1.0f;
    return r;
}

Matrix4D Matrix4D::translation(const Point3D& t) {
    Matrix4D r = identity();
    for (int k = 0; k < 3; ++k) r(3, k) = t[k];
    return r;
}

Matrix4D Matrix4D::rotation(float degrees, int axis) {
    const double radians = static_cast<double>(degrees) * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(radians));
    const float s = static_cast<float>(std::sin(radians));
    // The two axes turned, in right-handed order: a towards b.
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    Matrix4D r = identity();
    r(a, a) = c;
    r(b, b) = c;
    r(a, b) = s;
    r(b, a) = -s;
    return r;
}

Matrix4D Matrix4D::scaling(const Point3D& s) {
    Matrix4D r = identity();
    for (int k = 0; k < 3; ++k) r(k, k) = s[k];
    return r;
}

Matrix4D Matrix4D::transpose() const {
    Matrix4D r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r(i, j) = (*this)(j, i);
    return r;
}

// Determinant of the 3x3 matrix left after removing one column and one row.
float Matrix4D::minor(int column, int row) const {
    int cols[3], rows[3];
    for (int k = 0, c = 0, r = 0; k < 4; ++k) {
        if (k != column) cols[c++] = k;
        if (k != row) rows[r++] = k;
    }
    auto e = [&](int a, int b) { return static_cast<double>((*this)(cols[a], rows[b])); };
    const double d = e(0, 0) * (e(1, 1) * e(2, 2) - e(2, 1) * e(1, 2)) -
                     e(1, 0) * (e(0, 1) * e(2, 2) - e(2, 1) * e(0, 2)) +
                     e(2, 0) * (e(0, 1) * e(1, 2) - e(1, 1) * e(0, 2));
    return static_cast<float>(d);
}

float Matrix4D::determinant() const {
    double d = 0;
    for (int i = 0; i < 4; ++i)
        d += (i % 2 ? -1.0 : 1.0) * (*this)(i, 0) * minor(i, 0);
    return static_cast<float>(d);
}

Matrix4D Matrix4D::invert() const {
    const float d = determinant();
    GJ_ASSERT(d!=0.0, "Geometry");
    Matrix4D r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r(i, j) = static_cast<float>(((i + j) % 2 ? -1.0 : 1.0) * minor(j, i) / d);
    return r;
}

Matrix4D Matrix4D::operator*(const Matrix4D& b) const {
    Matrix4D r;
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += static_cast<double>((*this)(k, row)) * b(col, k);
            r(col, row) = static_cast<float>(sum);
        }
    }
    return r;
}

Point3D Matrix4D::transformPoint(const Point3D& p) const {
    Point3D r;
    for (int row = 0; row < 3; ++row)
        r[row] = (*this)(3, row) + (*this)(0, row) * p.x + (*this)(1, row) * p.y +
                 (*this)(2, row) * p.z;
    return r;
}

Point3D Matrix4D::transformDirection(const Point3D& d) const {
    Point3D r;
    for (int row = 0; row < 3; ++row)
        r[row] = (*this)(0, row) * d.x + (*this)(1, row) * d.y + (*this)(2, row) * d.z;
    return r;
}

Point3D Matrix4D::transformNormal(const Point3D& n) const {
    return transpose().invert().transformDirection(n);
}

Ray3D Matrix4D::transformRay(const Ray3D& r) const {
    return {transformPoint(r.position), transformDirection(r.direction)};
}

void Matrix4D::print() const {
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) std::printf("%5.3f ", static_cast<double>((*this)(col, row)));
        std::printf("\n");
    }
}
