// Building and drawing the lamp.
#include "lamp/lamp_scene.h"

#include <cmath>

#include "platform/gl.h"
#include "scene/light.h"


namespace {
constexpr float halfPi = 1.5707964f;
constexpr float pi = 3.1415927f;
}  // namespace

LampScene::LampScene(uint32_t seed)
    : glass(seed, &material[lavaMaterial]),
      metal(&metalGroup),
      innerGlass(&innerGlassGroup),
      lava(&glass.group),
      outerGlass(&outerGlassGroup) {
    root = &rootGroup;
    camera = Camera(Point3D(0, 5, 60), Point3D(0, -0.8f, -5), Point3D(0, 1, 0), 0.523f);

    struct LightRow {
        Point3D position;
        float ka, kd, ks, constant, linear, quadratic;
    };
    const LightRow lightRows[lightCount] = {
        {{8, -20, -8}, 0, 0.05f, 0, 1, 0, 0},  {{-8, -20, -8}, 0, 0.05f, 0, 1, 0, 0},
        {{-8, -20, 8}, 0, 0.05f, 0, 1, 0, 0},  {{8, -20, 8}, 0, 0.05f, 0, 1, 0, 0},
        {{0, -15, 0}, 1, 0, 0, 0.3f, 0.08f, 0}, {{20, 10, 20}, 0, keyLightDiffuse, 1, 0.8f, 0, 0},
    };
    for (int n = 0; n < lightCount; ++n) {
        const LightRow& r = lightRows[n];
        light[n] = new PointLight(r.position, Point3D(1, 1, 1), r.ka, r.kd, r.ks, r.constant, r.linear,
                                  r.quadratic);
        lights.push_back(light[n]);
    }

    material[lavaMaterial] = Material(1, 0, 0, 1, 0, 0, 0.02f, 0.02f, 0.02f, 0, 0, 0, 0.1f, 0, 1.4f);
    material[outerGlassMaterial] =
        Material(0, 0, 0, 0.05f, 0.05f, 0.05f, 0.2f, 0.2f, 0.2f, 0, 0, 0, 0.5f, 0.3f, 1.4f);
    material[innerGlassMaterial] = Material(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5f, 0.1f, 1.4f);
    material[metalMaterial] = Material(0.1f, 0.1f, 0.1f, 0.3f, 0.3f, 0.3f, 0.5f, 0.5f, 0.5f, 0, 0, 0, 0.9f, 0, 1.4f);
    material[bulbMaterial] = Material(1, 1, 0.5f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.6f, 0, 1.4f);
    const char* const materialNames[materialCount] = {"lava", "outer_glass", "inner_glass", "metal", "bulb"};
    for (int n = 0; n < materialCount; ++n) {
        material[n].index = n;
        material[n].name = materialNames[n];
    }
    Material* outer = &material[outerGlassMaterial];
    Material* inner = &material[innerGlassMaterial];
    Material* metallic = &material[metalMaterial];
    Material* bulb = &material[bulbMaterial];

    for (int n = 0; n < 175; ++n) addRandomBlob();

    auto own = [this](Shape* shape) {
        ownShapes.emplace_back(shape);
        return shape;
    };
    auto disk = [&](const Point3D& c, float r, int side, Material* m, bool twoSided) {
        auto* d = new Disk(c, r, standardSlices, side);
        d->material = m;
        d->twoSided = twoSided;
        return own(d);
    };
    auto tube = [&](const Point3D& c, float rTop, float rBase, float h, Material* m, bool twoSided) {
        auto* t = new Tube(c, rTop, rBase, h, standardSlices);
        t->material = m;
        t->twoSided = twoSided;
        return own(t);
    };
    auto atube = [&](const Point3D& c, std::initializer_list<ATube::ProfilePoint> points, Material* m,
                     bool twoSided) {
        auto* a = new ATube(c, standardSlices);
        for (const ATube::ProfilePoint& p : points) a->addPoint(p.radius, p.y, p.angle);
        a->material = m;
        a->twoSided = twoSided;
        return own(a);
    };
    auto pane = [&](SurfaceShape& shape, Material* m, bool twoSided) {
        shape.material = m;
        shape.twoSided = twoSided;
        return &shape;
    };
    const std::initializer_list<ATube::ProfilePoint> bulge = {
        {10.8f, 0, -std::atan(3.5f / 7)}, {10.9f, 0.5f, 0}, {10.8f, 1, std::atan(6.59f / 23)}};

    metal->addChild(disk({0, 21.1f, 0}, 2.9f, 1, metallic, false));                                 // 1
    metal->addChild(atube({0, 21, 0}, {{3, 0, std::atan(1.7f / 6)}, {2.9f, 0.1f, halfPi}}, metallic, false));
    metal->addChild(tube({0, 15, 0}, 3, 4.7f, 6, metallic, false));                                 // 3
    metal->addChild(atube({0, 15, 0}, {{4.7f, 0, std::atan(1.7f / 6)}, {4.6f, -0.1f, -halfPi}, {4.5f, 0, pi}},
                          metallic, false));                                                        // 4
    // The outer glass and the bulb are the vessel the lava collides with.
    LavaVessel& vessel = glass.vessel;
    outerGlass->addChild(pane(vessel.ceiling, outer, true));                                        // 5
    outerGlass->addChild(pane(vessel.cone, outer, true));                                           // 6
    pane(vessel.ring, outer, true);                                                                 // 7
    outerGlass->addChild(atube({0, -8, 0}, bulge, outer, true));                                    // 8
    outerGlass->addChild(pane(vessel.bowl, outer, true));                                           // 9
    outerGlass->addChild(pane(vessel.floor, bulb, false));                                          // 10
    metal->addChild(atube({0, -12, 0}, {{9, 0, -std::atan(4.0f / 8)}, {8.9f, 0.1f, halfPi}, {8.8f, 0, pi}},
                          metallic, false));                                                        // 11
    metal->addChild(tube({0, -20, 0}, 9, 5, 8, metallic, false));                                   // 12
    metal->addChild(tube({0, -32, 0}, 5, 11, 12, metallic, false));                                 // 13
    metal->addChild(atube({0, -32, 0},
                          {{11, 0, std::atan(6.0f / 12)}, {11.1f, -0.1f, -halfPi}, {10.8f, -0.1f, -halfPi}, {0, 1, -halfPi}},
                          metallic, false));                                                        // 14
    innerGlass->addChild(disk({0, 16, 0}, 4.21f, 1, inner, true));                                  // 15
    innerGlass->addChild(tube({0, -7, 0}, 4.21f, 10.8f, 23, inner, true));                          // 16
    innerGlass->addChild(atube({0, -8, 0}, bulge, inner, true));                                    // 17
    innerGlass->addChild(tube({0, -15, 0}, 10.8f, 7.3f, 7, inner, true));                           // 18
}

LampScene::~LampScene() {
    for (Light* l : lights) delete l;
}

void LampScene::addRandomBlob() { glass.addRandomBlob(); }

void LampScene::setParticleCount(int n) { glass.setParticleCount(n); }

void LampScene::step(float dt) { lava->step(dt); }

void LampScene::release() {
    Scene::release();
    // The display lists and buffers go with the context that made them.
    glass.engine.releaseGL();
    for (const std::unique_ptr<Shape>& shape : ownShapes)
        if (auto* surface = dynamic_cast<SurfaceShape*>(shape.get())) surface->releaseGeometry();
    LavaVessel& vessel = glass.vessel;
    for (SurfaceShape* surface : {static_cast<SurfaceShape*>(&vessel.ceiling), static_cast<SurfaceShape*>(&vessel.cone),
                                  static_cast<SurfaceShape*>(&vessel.ring), static_cast<SurfaceShape*>(&vessel.bowl),
                                  static_cast<SurfaceShape*>(&vessel.floor)})
        surface->releaseGeometry();
    for (PointLight*& l : light) l = nullptr;
}

std::vector<const Material*> LampScene::materialTable() const {
    std::vector<const Material*> table;
    for (const Material& m : material) table.push_back(&m);
    return table;
}

void LampScene::draw(int complexity) {
    if (!light[0]) return;  // released
    const bool wireFrame = showPolygons;
    glass.engine.showParticles = showParticles;
    glass.engine.cullHiddenFaces = !wireFrame;
    if (wireFrame) {
        glPolygonMode(GL_FRONT, GL_LINE);
        glPolygonMode(GL_BACK, GL_LINE);
    }
    applyLights();

    glPushMatrix();
    glRotatef(spinAngle * 0.125f, 0, 1, 0);
    for (int n = 0; n < fillLights; ++n) light[n]->release();
    metal->draw(complexity);
    innerGlass->draw(complexity);
    // The under-lamp fills come back in the vessel's turned frame.
    for (int n = 0; n < fillLights; ++n) light[n]->apply();
    glPopMatrix();

    // The key light dimmed for the lava, whose glow comes from below.
    light[keyLight]->setDiffuseScale(lavaKeyLightDiffuse);
    light[keyLight]->apply();
    glPushMatrix();
    glRotatef(spinAngle, 0, 1, 0);
    lava->draw(complexity);
    glPopMatrix();

    light[keyLight]->setDiffuseScale(keyLightDiffuse);
    light[keyLight]->apply();
    glPushMatrix();
    glRotatef(spinAngle * 0.125f, 0, 1, 0);
    outerGlass->draw(complexity);
    glPopMatrix();

    if (wireFrame) {
        glPolygonMode(GL_FRONT, GL_FILL);
        glPolygonMode(GL_BACK, GL_FILL);
    }
}

void LampScene::setLavaColour(const Point3D& rgb) {
    material[lavaMaterial].ambient = rgb;
    material[lavaMaterial].diffuse = rgb;
}

void LampScene::setLiquidColour(const Point3D& rgb) {
    material[innerGlassMaterial].ambient = rgb;
    material[innerGlassMaterial].diffuse = rgb;
}

void LampScene::setLampColour(const Point3D& rgb) { material[metalMaterial].diffuse = rgb; }

void LampScene::setBackground(const Point3D& rgb) {
    background = rgb;
    glClearColor(rgb.x, rgb.y, rgb.z, 0);
}

void LampScene::setLampHeat(float heat) {
    for (int n = 0; n < fillLights; ++n)
        if (light[n]) light[n]->setDiffuseScale(0.1f * heat);
    if (light[bulbLight]) light[bulbLight]->setAmbientScale(heat);
}

void LampScene::warmUp() {
    constexpr int warmUpSteps = 2500;
    constexpr float warmUpDt = 0.02f;
    for (int n = 0; n < warmUpSteps; ++n) step(warmUpDt);
}
