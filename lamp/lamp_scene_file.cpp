// Writing the lamp as a scene file, and drawing scene files.
#include "lamp/lamp_scene_file.h"

#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "lava/lava_engine.h"
#include "platform/gl.h"
#include "scene/file_scene.h"
#include "scene/group.h"
#include "scene/light.h"

void writeLampScene(const LampScene& lamp, const Settings& settings, std::FILE* file) {
    // The lamp's parts in the order and the frames it draws them in: the vessel turns at an
    // eighth of the lava's spin, all of it inside the user's view.
    const Matrix4D view = viewTransform(settings);
    const float spin = lamp.spinAngleDegrees();
    const Matrix4D vesselTurn = Matrix4D::rotation(spin * 0.125f, 1);
    const Matrix4D lavaTurn = Matrix4D::rotation(spin, 1);
    Group viewGroup(view.data()), metal(vesselTurn.data()), lava(lavaTurn.data()), outer(vesselTurn.data());
    metal.addChild(lamp.metal);
    metal.addChild(lamp.innerGlass);
    lava.addChild(lamp.lava);
    outer.addChild(lamp.outerGlass);
    for (Group* part : {&metal, &lava, &outer}) viewGroup.addChild(part);

    Scene scene;
    scene.camera = lamp.camera;
    scene.ambient = lamp.ambient;
    scene.background = lamp.background;
    for (const Material* m : lamp.materialTable()) scene.materials.push_back(*m);
    // The lights as the vessel sees them (see the header), placed in the user's view.
    PointLight lights[LampScene::lightCount];
    for (int n = LampScene::fillLights; n < LampScene::lightCount; ++n) {
        lights[n] = *lamp.light[n];
        lights[n].glIndex = noLightIndex;
        lights[n].position = view.transformPoint(lamp.light[n]->position);
        scene.lights.push_back(&lights[n]);
    }
    lights[LampScene::keyLight].setDiffuseScale(keyLightDiffuse);
    Group top;
    top.addChild(&viewGroup);
    scene.root = &top;
    scene.write(file);
}

void drawFileScene(FileScene& scene, const LavaParameters& lava, int width, int height, float dt, int complexity) {
    scene.forEachBehaviour([&lava](BlobBehaviour& behaviour) {
        if (auto* engine = dynamic_cast<LavaEngine*>(&behaviour)) engine->parameters = lava;
    });
    glClearColor(scene.background.x, scene.background.y, scene.background.z, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    applyCameraProjection(scene.camera, width, height);
    scene.camera.lookAt();
    scene.step(dt);
    scene.draw(complexity);
}
