// LampScene: the lava lamp, built in code — camera, six lights, five materials, the metal
// base and cap, the outer and inner glass, the bulb, and the lava with its 175 blobs — and
// drawn in a fixed order with its lighting choreography: the metal and the liquid lit by
// the bulb and the key light, the lava by all six with the key light dimmed, the outer
// glass last; the lava turning eight times as fast as the vessel.
#pragma once

#include <memory>
#include <vector>

#include "lava/lava_glass.h"
#include "scene/atube.h"
#include "scene/group.h"
#include "scene/quadric_shapes.h"
#include "scene/scene.h"

class PointLight;

// The key light's diffuse factor for the lava and for the rest of the lamp.
constexpr float lavaKeyLightDiffuse = 0.05f;
constexpr float keyLightDiffuse = 0.5f;

class LampScene : public Scene {
public:
    // seed: the blob generator's seed; 0 seeds it from the clock on first use.
    explicit LampScene(uint32_t seed = 0);
    ~LampScene() override;

    // Draws nothing once released.
    void draw(int complexity) override;
    // Steps the lava group only.
    void step(float dt) override;
    // Advances the lava so that it does not start as a cold heap: 2500 steps of 0.02, after
    // which lumps are already rising (a fraction of a second at the default 175 blobs).
    void warmUp();
    // Also forgets the lamp's own pointers to its lights.
    void release() override;
    // The five materials, numbered as their enum below.
    std::vector<const Material*> materialTable() const override;

    void setSpinAngle(float degrees) { spinAngle = degrees; }
    float spinAngleDegrees() const { return spinAngle; }

    // A new blob at a random place low in the vessel, in the lava material.
    void addRandomBlob();
    // Adds or removes blobs until the lava holds n (0..400).
    void setParticleCount(int n);

    // Colour and heat hooks of the settings (RGB already from the colour model).
    // The lava material holds the lava colour as its ambient and diffuse colour, as the lava
    // itself (its engine's parameters) does: colour material alone does not colour the lava reliably
    // (Mesa keeps the material's own ambient and diffuse when colour material is switched
    // on again with the current colour unchanged, so the lava near the bulb showed the
    // material's first colour), and a lamp written as a scene file carries the material.
    void setLavaColour(const Point3D& rgb);
    void setLiquidColour(const Point3D& rgb);
    void setLampColour(const Point3D& rgb);
    void setBackground(const Point3D& rgb);
    // The fill lights under the lamp follow the heat (dimmed to a tenth), the bulb's glow
    // follows it fully.
    void setLampHeat(float heat);

    // The lights: four fills under the lamp, the bulb, the key light.
    enum LightIndex { fillLights = 4, bulbLight = 4, keyLight = 5, lightCount = 6 };
    enum MaterialIndex { lavaMaterial, outerGlassMaterial, innerGlassMaterial, metalMaterial, bulbMaterial,
                         materialCount };
    PointLight* light[lightCount] = {};
    Material material[materialCount];
    LavaGlass glass;  // the lava group, its engine, and the vessel: shapes 5, 6, 7, 9, 10
    Group* metal;
    Group* innerGlass;
    Group* lava;
    Group* outerGlass;
    // How the lava is shown (the settings' switches, set before each draw): the surfaces
    // and the lamp as wire frames, the wax as its particles.
    bool showPolygons = false, showParticles = false;

private:
    Group rootGroup, metalGroup, innerGlassGroup, outerGlassGroup;
    std::vector<std::unique_ptr<Shape>> ownShapes;
    float spinAngle = 0;
};

