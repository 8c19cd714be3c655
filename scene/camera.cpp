// Camera.
#include "scene/camera.h"

#include <cstdio>
#include <initializer_list>

#include "platform/gl.h"
#include "scene/scene_tokens.h"

Camera::Camera(const Point3D& position, const Point3D& direction, const Point3D& up, float heightAngle)
    : heightAngle(heightAngle), position(position), direction(direction), up(up),
      right(direction.normalised().cross(up.normalised())) {}

bool Camera::read(SceneTokens& in) {
    float v[10];
    if (!in.numbers(v, 10)) return false;
    *this = Camera(Point3D(v[0], v[1], v[2]), Point3D(v[3], v[4], v[5]).normalised(),
                   Point3D(v[6], v[7], v[8]).normalised(), v[9]);
    return true;
}

void Camera::write(std::FILE* file) const {
    std::fprintf(file, "#camera\n");
    for (const Point3D* p : {&position, &direction, &up})
        std::fprintf(file, "   %f %f %f\n", static_cast<double>(p->x), static_cast<double>(p->y),
                     static_cast<double>(p->z));
    std::fprintf(file, "   %f\n", static_cast<double>(heightAngle));
}

void Camera::lookAt() const {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Point3D centre = position + direction;
    gluLookAt(position.x, position.y, position.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
}
