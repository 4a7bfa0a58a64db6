// The fairness report's search: a beam search over short key runs, from saved states of the real game.
#ifndef FAIRNESS_SEARCH_H
#define FAIRNESS_SEARCH_H

#include <vector>

// Frames per macro-action: keys held together for this many frames.
const int MACRO = 3;

// Where and how a searched line of play ended in a death.
struct Death
{
    int location;
    int killer;  // sheller entry, -1 for a fall
    int speed;
    int type;
    int shellerX;  // the sheller's x in the level, at scroll distance 0
};

struct SearchResult
{
    bool finished = false;
    std::vector<unsigned> keys;  // one entry per frame
    long long simulated = 0;     // frames of level play run by the search
    int furthest = 0;            // furthest location a living state reached
    std::vector<Death> deaths;   // those not far behind `furthest`
};

// Beam search from the level as built. Every step expands each kept state by
// every macro-action, drops those that die, merges those that leave the
// player in the same place and motion (keeping the one that has killed the
// most shellers), and keeps the `width` furthest along.
SearchResult Search(int width, int frameLimit);

#endif
