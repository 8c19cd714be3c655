// LampScene: the lava lamp, built in code — camera, six lights, five materials, the metal
// base and cap, the outer and inner glass, the bulb, and the lava with its 175 blobs — and
// drawn in a fixed order with its lighting choreography: the metal and the liquid lit by
// the bulb and the key light, the lava by all six with the key light dimmed, the outer
// glass last; the lava turning eight times as fast as the vessel.
#pragma once

#include <memory>
#include <vector>

#include "lava/blob_population.h"
#include "lava/lava_vessel.h"
#include "scene/atube.h"
#include "scene/group.h"
#include "scene/quadric_shapes.h"
#include "scene/scene.h"

class PointLight;

class LampScene : public Scene {
public:
    // seed: the blob generator's seed; 0 seeds it from the clock on first use.
    explicit LampScene(uint32_t seed = 0);
    ~LampScene() override;

    void draw(int complexity) override;
    // Steps the lava group only.
    void step(float dt) override;

    void setSpinAngle(float degrees) { spinAngle = degrees; }
    float spinAngleDegrees() const { return spinAngle; }

    // A new blob at a random place low in the vessel, in the lava material.
    void addRandomBlob();
    // Adds or removes blobs until the lava holds n (0..400).
    void setParticleCount(int n);

    // Colour and heat hooks of the settings (RGB already from the colour model).
    void setLavaColour(const Point3D& rgb);
    void setLiquidColour(const Point3D& rgb);
    void setLampColour(const Point3D& rgb);
    void setBackground(const Point3D& rgb);
    void setLampHeat(float heat);

    PointLight* light[6] = {};
    Material material[5];  // lava, outer glass, inner glass, metal, bulb
    Group* metal;
    Group* innerGlass;
    Group* lava;
    Group* outerGlass;

private:
    Group rootGroup, metalGroup, innerGlassGroup, lavaGroup, outerGlassGroup;
    LavaVessel vessel;  // shapes 5, 6, 7, 9, 10 of the lamp: the outer glass and the bulb
    std::vector<std::unique_ptr<Shape>> ownShapes;
    BlobRandom random;
    float spinAngle = 0;
};

// The one lamp of the program; null until the main window creates it.
extern LampScene* theLampScene;
