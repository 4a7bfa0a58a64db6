// Figures for the frame loop: the period of title-screen frames on the real clock, headless.
//
// Run from the repository's root folder, where the game finds data/art/title.png:
//   build/bench/frame_period [frames]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "headless.h"

int main(int argc, char** argv)
{
    int frames = argc > 1 ? atoi(argv[1]) : 200;
    if (frames < 2) {
        fprintf(stderr, "usage: %s [frames >= 2]\n", argv[0]);
        return 2;
    }
    StartHeadless("Zarvell 2");
    mode = MODE_TITLE;

    // The period is the time from one frame's start to the next one's.
    std::vector<Uint32> periods;
    MainLoop();
    Uint32 last = startTime;
    for (int i = 0; i < frames; i++) {
        MainLoop();
        periods.push_back(startTime - last);
        last = startTime;
    }
    std::sort(periods.begin(), periods.end());
    auto at = [&periods](double q) { return periods[(size_t)(q * (periods.size() - 1))]; };
    printf("title frames: %d\nperiod ms: min %u  median %u  p99 %u  max %u\n", frames, periods.front(),
           at(0.5), at(0.99), periods.back());
    return 0;
}
