// The rectangle overlap test and bounded random numbers.
#include "engine/tools.h"

#include <cstdlib>

// One axis: the first span starts inside the second, ends inside it, encloses
// it or lies strictly inside it. Written as three conditions rather than as an
// interval test because level play passes negative sizes, where they differ.
static bool AxisHits(int p1, int p2, int s1, int s2)
{
    if (p2 <= p1 && p1 <= p2 + s2)
        return true;
    if (p2 <= p1 + s1 && p1 + s1 <= p2 + s2)
        return true;
    return (p1 < p2 && p1 + s1 > p2 + s2) || (p1 > p2 && p1 + s1 < p2 + s2);
}

bool Collision(int x1, int x2, int y1, int y2, int w1, int w2, int h1, int h2)
{
    return AxisHits(x1, x2, w1, w2) && AxisHits(y1, y2, h1, h2);
}

int RandomNumber(int min, int max)
{
    int r;
    do {
        r = rand() % max + 1;
    } while (r < min);
    return r;
}
