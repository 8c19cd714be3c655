// The lava's container.
#include "lava/lava_vessel.h"

#include "scene/group.h"

void LavaVessel::addCollidersTo(Group& lava) {
    lava.addCollider(&ceiling);
    lava.addCollider(&cone);
    lava.addCollider(&ring);
    lava.addCollider(&bowl);
    lava.addCollider(&floor);
}

float LavaVessel::wallRadiusAt(float y) const {
    for (const Tube* tube : {&bowl, &ring, &cone}) {
        const float dy = y - tube->centre.y;
        if (dy >= 0 && dy <= tube->height)
            return tube->rBase + (tube->rTop - tube->rBase) * dy / tube->height;
    }
    return 0;
}
