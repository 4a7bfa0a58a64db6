// The fairness report's hold on the game: its clock, its watch on deaths, level builds, frames and saved states.
#include "play.h"

#include <SDL.h>

#include <cstdlib>

#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "headless.h"
#include "keyscript.h"
#include "levels/levels.h"

bool searching = false;
bool died = false;
int killer = -1;
std::vector<int> rowOf, platformOf;

namespace {

// ---- The clock: it never sleeps, so a level card's wait passes at once ----

Uint32 clockNow = 1;
int sleeps = 0;  // delays asked for since the last frame began

Uint32 FairTicks() { return clockNow; }

void FairDelay(Uint32 ms)
{
    clockNow += ms;
    sleeps++;
}

// ---- Deaths ----

// While searching, a death must change nothing: a restart would reload every
// picture and free the surfaces that the saved states still point at. So the
// wrappers only note it, and the state that died is thrown away.
void NoteDeath()
{
    if (died)
        return;
    died = true;
    killer = -1;
    if (player.GetY() > 480)
        return;
    for (int i = 0; i < numObjects; i++) {
        const zve_Object& o = object[i];
        if (o.GetStatus() == STATUS_ENEMY && o.GetType() != TYPE_DEAD && CollisionObjects(player, o)) {
            killer = i;
            return;
        }
    }
}

}  // namespace

extern "C" void __wrap__Z12LoadLevelOnev()
{
    if (searching)
        NoteDeath();
    else
        __real__Z12LoadLevelOnev();
}

extern "C" void __wrap__Z12LoadLevelTwov()
{
    if (searching)
        NoteDeath();
    else
        __real__Z12LoadLevelTwov();
}

extern "C" void __wrap__Z14LoadLevelThreev()
{
    if (searching)
        NoteDeath();
    else
        __real__Z14LoadLevelThreev();
}

void BuildLevel(int number, unsigned seed)
{
    searching = false;
    srand(seed);
    level = number;
    mode = MODE_LEVEL;
    falling = true;
    jumping = false;
    jumpingHeight = 0;
    playMusic = false;
    HoldKeys(0);
    switch (number) {
    case 1: LoadLevelOne(); break;
    case 2: LoadLevelTwo(); break;
    default: LoadLevelThree(); break;
    }

    rowOf.assign(numObjects, 0);
    platformOf.assign(numObjects, 0);
    int row = 0, platform = 0;
    for (int i = 0; i < numObjects; i++) {
        if (object[i].GetStatus() == STATUS_PLATFORM) {
            row++;
            platform = i;
        }
        rowOf[i] = row;
        platformOf[i] = platform;
    }
}

bool Frame(unsigned keys)
{
    HoldKeys(keys);
    startTime = clockNow;
    died = false;
    sleeps = 0;
    Level();
    // Within a frame only a restart's card sleeps.
    return !died && sleeps == 0;
}

// ---- Saved states ----

// What level play changes in a table entry; the rest (status, movement, speed,
// pictures) it only reads. An entry's box follows from its type alone when
// each of its animation sets holds at most one picture, so the drawing
// counters need not be kept. BuildLevel's caller checks that with this.
bool OnePicturePerSet()
{
    for (int i = 0; i < numObjects; i++)
        for (int set = 0; set < ZVE_SETS; set++)
            if (object[i].GetLastFrame(set) > 0)
                return false;
    return true;
}

void Save(GameState& s)
{
    s.entries.resize(numObjects);
    for (int i = 0; i < numObjects; i++) {
        const zve_Object& o = object[i];
        s.entries[i] = {o.GetX(), o.GetY(), o.GetType(), o.airborne};
    }
    s.player = ::player;
    s.kiwisX = kiwis.GetX();
    s.kiwisY = kiwis.GetY();
    s.location = location;
    s.levelEnd = levelEnd;
    s.level = ::level;
    s.mode = mode;
    s.numObjects = numObjects;
    s.jumpingHeight = jumpingHeight;
    s.falling = falling;
    s.jumping = jumping;
    s.playMusic = playMusic;
}

void Restore(const GameState& s)
{
    for (int i = 0; i < s.numObjects; i++) {
        zve_Object& o = object[i];
        const EntryState& e = s.entries[i];
        o.SetPos(e.x, e.y);
        o.SetType(e.type);
        o.airborne = e.airborne;
    }
    ::player = s.player;
    kiwis.SetPos(s.kiwisX, s.kiwisY);
    location = s.location;
    levelEnd = s.levelEnd;
    ::level = s.level;
    mode = s.mode;
    numObjects = s.numObjects;
    jumpingHeight = s.jumpingHeight;
    falling = s.falling;
    jumping = s.jumping;
    playMusic = s.playMusic;
}

bool SamePlayer(const GameState& s, const GameState& t)
{
    return s.location == t.location && s.player.GetY() == t.player.GetY() && s.jumping == t.jumping &&
           s.falling == t.falling && s.jumpingHeight == t.jumpingHeight;
}

int Shellers()
{
    int n = 0;
    for (int i = 0; i < numObjects; i++)
        n += object[i].GetStatus() == STATUS_ENEMY;
    return n;
}

int DeadShellers()
{
    int n = 0;
    for (int i = 0; i < numObjects; i++)
        if (object[i].GetStatus() == STATUS_ENEMY && object[i].GetType() == TYPE_DEAD)
            n++;
    return n;
}

ReplayResult Replay(int number, unsigned seed, const std::vector<unsigned>& keys)
{
    ReplayResult r;
    BuildLevel(number, seed);
    for (unsigned k : keys) {
        int before = location;
        r.frames++;
        if (!Frame(k)) {
            r.died = true;
            r.location = before;
            return r;
        }
        if (mode == MODE_INTRO) {
            r.finished = true;
            r.location = location;
            r.stomped = DeadShellers();
            return r;
        }
    }
    r.location = location;
    return r;
}

void StartEngine()
{
    StartHeadless("Zarvell 2 fairness");
    zve_GetTicks = FairTicks;
    zve_Delay = FairDelay;
    // Drawing is most of a frame's work and the search never looks at the
    // picture: everything is drawn onto one pixel.
    zve_screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
}

