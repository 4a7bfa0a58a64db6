// Placement: a platform and its shellers appended to the object table.
#include <cstdio>

#include "engine/tools.h"
#include "game/zarvell2.h"
#include "globals.h"

// How the shellers of one call find their starting x.
enum Spread { SPREAD_APART, SPREAD_LINE };

// Appends one object, or refuses with a message when the table is full.
// Returns the entry, or null when refused.
static zve_Object* NextEntry(const char* what)
{
    if (numObjects >= MAX_OBJECTS) {
        fprintf(stderr, "Object table full (%d entries): %s not placed\n", MAX_OBJECTS, what);
        return NULL;
    }
    return &object[numObjects];
}

// A walking speed for the current level. The selector comes first, then the
// speed: every sheller takes exactly two draws here.
static int ShellerSpeed(Spread spread)
{
    switch (level) {
    case 1:
        if (RandomNumber(1, 10) == 6)
            return RandomNumber(4, 8);
        return RandomNumber(0, 4);
    case 2:
        if (RandomNumber(1, 3) == 2)
            return RandomNumber(4, 14);
        return RandomNumber(2, 9);
    case 3:
        if (RandomNumber(1, 3) == 2)
            return RandomNumber(10, 18);
        return spread == SPREAD_LINE ? RandomNumber(3, 10) : RandomNumber(5, 10);
    default:
        return 0;
    }
}

static void Place(int x, int y, const char* file, int count, Spread spread)
{
    zve_Object* platform = NextEntry(file);
    if (platform == NULL)
        return;
    int p = numObjects;
    platform->SetExists(true);
    platform->SetStatus(STATUS_PLATFORM);
    platform->LoadFrame(0, file);
    platform->SetType(TYPE_RIGHT);
    platform->SetPos(x, y);
    numObjects++;

    while (count > 0) {
        zve_Object* sheller = NextEntry("a sheller");
        if (sheller == NULL)
            return;
        sheller->SetExists(true);
        sheller->SetStatus(STATUS_ENEMY);
        sheller->LoadFrame(0, "data/art/sheller-left_walking-1.png");
        sheller->LoadFrame(1, "data//art/sheller-right_walking-1.png");

        char dead[] = "data//art/sheller-dead-0.png";
        dead[sizeof "data//art/sheller-dead-" - 1] = (char)('0' + RandomNumber(1, 5));
        sheller->LoadFrame(TYPE_DEAD, dead);

        sheller->SetType(RandomNumber(1, 2) == 1 ? TYPE_RIGHT : TYPE_LEFT);
        sheller->SetMovementType(MOVE_PATROL);
        sheller->SetMoveSpeed(ShellerSpeed(spread));

        int k = numObjects - p;
        int w = sheller->GetWidth();
        int h = sheller->GetHeight();
        int px = platform->GetX();
        int sx;
        if (spread == SPREAD_LINE) {
            sx = px + w * k + w;
        } else {
            // Compared with the platform's width, not its right edge: past the
            // first screen every sheller of a call starts at the left edge.
            double c = px + w * k * 1.2;
            sx = platform->GetWidth() > c ? (int)c : px;
        }
        sheller->SetPos(sx, platform->GetY() - h);

        numObjects++;
        count--;
    }
}

void AddPlatform(int x, int y, const char* file, int count)
{
    Place(x, y, file, count, SPREAD_APART);
}

void AddPlatformWithLine(int x, int y, const char* file, int count)
{
    Place(x, y, file, count, SPREAD_LINE);
}
