// The lamp and scene files: the lamp written as a scene file as it stands (its view, its
// spin, its lava), and any scene file drawn the way a frame draws the lamp.
//
// A scene file lights every shape with every light, while the lamp lights its parts
// differently: the fill lights under the lamp light only the lava and the outer glass, and
// the key light is dimmed for the lava. The file holds the lights as the vessel sees them
// — the bulb and the key light at full strength, the fills left out — so the vessel reads
// back exactly and the lava reads back in its place and shape, a little more lit from the
// side and less from below.
//
// What the format does not hold either: blob temperatures and the lumps the lava grouped
// its blobs into (blobs read back at the lava's starting temperature, grouped afresh). A
// lamp whose lava has not been warmed up reads back lump for lump.
#pragma once

#include <cstdio>

class FileScene;
class LampScene;
class Settings;
struct LavaParameters;

// The lamp as the view of `settings` shows it.
void writeLampScene(const LampScene& lamp, const Settings& settings, std::FILE* file);
// Background, the camera's perspective (for a viewport of width x height) and look-at, the
// lights, the shapes. The lava in the scene takes the values and colours of `lava` (the
// lamp's), and steps by dt first (0 just groups the blobs into lumps).
void drawFileScene(FileScene& scene, const LavaParameters& lava, int width, int height, float dt, int complexity);
