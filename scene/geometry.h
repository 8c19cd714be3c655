// The Geometry module: single-precision value types of the scene graph — points, rays,
// axis-aligned boxes and 4x4 matrices stored column-major, as OpenGL takes them.
#pragma once

#include <cmath>

struct Point2D {
    float x = 0, y = 0;

    Point2D() = default;
    Point2D(float x, float y) : x(x), y(y) {}

    // Asserts "l!=0.0" for the zero vector.
    Point2D unit() const;
    float length() const { return std::sqrt(dot(*this)); }
    float dot(const Point2D& p) const { return x * p.x + y * p.y; }
    Point2D operator-() const { return {-x, -y}; }
    Point2D operator*(float s) const { return {x * s, y * s}; }
    Point2D operator/(float s) const { return *this * (1.0f / s); }
    Point2D operator+(const Point2D& p) const { return {x + p.x, y + p.y}; }
    Point2D operator-(const Point2D& p) const { return {x - p.x, y - p.y}; }
    Point2D operator*(const Point2D& p) const { return {x * p.x, y * p.y}; }
    float& operator[](int k) { return k == 0 ? x : y; }
    float operator[](int k) const { return k == 0 ? x : y; }
};

// Positions, directions, normals and RGB colours alike.
struct Point3D {
    float x = 0, y = 0, z = 0;

    Point3D() = default;
    Point3D(float x, float y, float z) : x(x), y(y), z(z) {}

    Point3D operator+(const Point3D& p) const { return {x + p.x, y + p.y, z + p.z}; }
    Point3D operator-(const Point3D& p) const { return {x - p.x, y - p.y, z - p.z}; }
    Point3D operator-() const { return {-x, -y, -z}; }
    Point3D operator*(float s) const { return {x * s, y * s, z * s}; }
    float dot(const Point3D& p) const { return x * p.x + y * p.y + z * p.z; }
    Point3D cross(const Point3D& p) const {
        return {y * p.z - z * p.y, z * p.x - x * p.z, x * p.y - y * p.x};
    }
    float length() const { return std::sqrt(dot(*this)); }
    // Divides by the length; a zero vector stays zero (its length counts as 1).
    Point3D normalised() const {
        const float l = length();
        return *this * (1.0f / (l == 0.0f ? 1.0f : l));
    }
    float& operator[](int k) { return k == 0 ? x : k == 1 ? y : z; }
    float operator[](int k) const { return k == 0 ? x : k == 1 ? y : z; }
};

struct Ray3D {
    Point3D position;
    Point3D direction;  // not necessarily unit length

    Point3D at(float t) const { return position + direction * t; }
    Ray3D translated(const Point3D& v) const { return {position + v, direction}; }
};

class Matrix4D;

struct BoundingBox3D {
    Point3D p[2];  // p[0] component-wise minimum, p[1] maximum

    BoundingBox3D() = default;
    BoundingBox3D(const Point3D& a, const Point3D& b);
    // n <= 0 gives the degenerate box at the origin.
    BoundingBox3D(const Point3D* points, int n);

    // The box of the eight transformed corners.
    BoundingBox3D transformed(const Matrix4D& m) const;
};

class Matrix4D {
public:
    Matrix4D() = default;  // elements unset
    explicit Matrix4D(const float elements[16]);
    static Matrix4D identity();
    // The matrices glTranslatef, glRotatef (about axis 0, 1 or 2: x, y or z) and glScalef
    // multiply by.
    static Matrix4D translation(const Point3D& t);
    static Matrix4D rotation(float degrees, int axis);
    static Matrix4D scaling(const Point3D& s);

    // Column i, row j: storage index 4i + j.
    float& operator()(int i, int j) { return m[4 * i + j]; }
    float operator()(int i, int j) const { return m[4 * i + j]; }
    const float* data() const { return m; }

    Matrix4D transpose() const;
    float determinant() const;
    // Asserts "d!=0.0" for a singular matrix.
    Matrix4D invert() const;
    // (A * B) applied to p equals A applied to (B applied to p).
    Matrix4D operator*(const Matrix4D& b) const;

    Point3D transformPoint(const Point3D& p) const;
    Point3D transformDirection(const Point3D& d) const;
    // With the inverse of the transpose; not renormalised.
    Point3D transformNormal(const Point3D& n) const;
    Ray3D transformRay(const Ray3D& r) const;

    // Row by row, "%5.3f " per element (diagnostic).
    void print() const;

private:
    float m[16] = {};
    float minor(int column, int row) const;
};
