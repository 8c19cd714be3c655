// The terms of the lava step, one function each, so that every rule can be tested alone.
// Forces act on unit masses (a force is an acceleration); heat changes are per step.
#pragma once

#include <vector>

class Blob;
class Tube;
class Disk;

// Heated near the bottom centre, then cooled five times (minus its neighbours) towards a
// target that falls with height.
void heatBlob(Blob& b);
// Hot wax rises, cold wax sinks; wax resting on the bottom or at the top sticks there
// until it is 20 degrees past neutral.
void addBuoyancy(Blob& b);
// Drag against the velocity, growing with speed.
void addDrag(Blob& b);
// Keeps the blob inside the tube's truncated cone (a push of 20 / gap, 200 outside).
void collideTube(Blob& b, const Tube& tube);
// A floor (side 0), ceiling (side 2) or two-faced plane at the disk's height.
void collideDisk(Blob& b, const Disk& disk);
// After the move: a blob whose centre went through the tube's wall or past the floor
// (side 0) or ceiling (side 2) disk within one step — only long steps move that far — is
// put back on it, and the part of its velocity that was carrying it out is dropped.
void containInTube(Blob& b, const Tube& tube);
void containByDisk(Blob& b, const Disk& disk);
// Surface tension within a cluster, repulsion between clusters; skips identical centres.
void pairForce(Blob& b, Blob& o);
// Whether m belongs to seed's cluster (pooled at the bottom or top, or together last step).
bool linkedTo(const Blob& m, const Blob& seed);
// Moves every blob of `work` linked to `seed`, directly or through others, into seed's
// cluster, removing it from `work`; visits in the order a recursive walk would, without
// the recursion depth.
void assignCluster(std::vector<Blob*>& work, Blob& seed);
