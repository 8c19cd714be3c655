// Runs the lava without drawing and prints, every K steps, the number of clusters, the share
// of wax in the lower, middle and upper third of the vessel, the mean temperature and how
// far any blob has strayed outside the glass.
//   lava_run [--blobs N] [--steps S] [--every K] [--seed X] [--dt D]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lava/lava_census.h"
#include "lava/lava_glass.h"

int main(int argc, char** argv) {
    int blobs = 175, steps = 20000, every = 1000;
    unsigned seed = 1;
    float dt = 0.02f;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--blobs") blobs = std::atoi(argv[i + 1]);
        else if (option == "--steps") steps = std::atoi(argv[i + 1]);
        else if (option == "--every") every = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--seed") seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (option == "--dt") dt = std::strtof(argv[i + 1], nullptr);
        else {
            std::fprintf(stderr, "lava_run: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    LavaGlass lava(seed);
    lava.setParticleCount(blobs);

    std::printf("%8s %8s %7s %7s %7s %9s %8s\n", "step", "clusters", "lower", "middle", "upper",
                "meanTemp", "escape");
    float worst = 0;
    for (int step = 1; step <= steps; ++step) {
        lava.step(dt);
        const LavaCensus census = takeCensus(lava.group.blobs, lava.vessel, lava.numClusters());
        worst = std::max(worst, census.worstEscape);
        if (!census.allFinite) {
            std::printf("step %d: a value is no longer finite\n", step);
            return 1;
        }
        if (step % every == 0)
            std::printf("%8d %8d %7.3f %7.3f %7.3f %9.3f %8.3f\n", step, census.clusters,
                        census.lower, census.middle, census.upper, census.meanTemperature, worst);
    }
    return 0;
}
