// The fairness report's hold on the game: building a level, playing frames, saving and restoring states.
#ifndef FAIRNESS_PLAY_H
#define FAIRNESS_PLAY_H

#include <vector>

#include "globals.h"

// ---- The report's own state (tools/fairness/play.cpp) ----

extern bool searching;          // a death only marks `died`: the level is not rebuilt
extern bool died;               // the frame being played ended in a death
extern int killer;              // entry of the sheller that killed, or -1 for a fall
extern std::vector<int> rowOf;       // per table entry: the layout row that placed it (from 1)
extern std::vector<int> platformOf;  // per table entry: the entry of that row's platform

// The loaders as the linker sees them. The tool is linked with --wrap for
// each (CMakeLists.txt): level play's restart after a death lands in the
// __wrap_ functions of play.cpp, and the __real_ names reach the loaders.
extern "C" void __real__Z12LoadLevelOnev();
extern "C" void __real__Z12LoadLevelTwov();
extern "C" void __real__Z14LoadLevelThreev();
extern "C" void __wrap__Z12LoadLevelOnev();
extern "C" void __wrap__Z12LoadLevelTwov();
extern "C" void __wrap__Z14LoadLevelThreev();

// Starts SDL headless with a clock that never sleeps and draws onto one pixel.
void StartEngine();

// Builds level `number` as the game does after srand(seed), from the vertical
// state the player has at program start, with the real loader.
void BuildLevel(int number, unsigned seed);

// One frame of level play with these keys held; false on a death. Each frame
// begins at the clock's now, so none runs late and opens a nested frame.
bool Frame(unsigned keys);

// True when every animation set of every entry holds at most one picture, so
// that a saved state need not keep the drawing counters.
bool OnePicturePerSet();

// What level play changes in a table entry; the rest it only reads.
struct EntryState
{
    int x, y, type;
    bool airborne;
};

struct GameState
{
    std::vector<EntryState> entries;
    zve_Object player;  // copied whole: it shares the pictures and keeps its counters
    int kiwisX = 0, kiwisY = 0;
    int location = 0, levelEnd = 0, level = 0, mode = 0, numObjects = 0, jumpingHeight = 0;
    bool falling = false, jumping = false, playMusic = false;
};

void Save(GameState& s);
void Restore(const GameState& s);
// The player's place and motion are the same: states alike in these are merged.
bool SamePlayer(const GameState& s, const GameState& t);

int Shellers();
int DeadShellers();

// How a replay from a fresh build of the level went.
struct ReplayResult
{
    bool finished = false;
    bool died = false;
    int frames = 0;
    int location = 0;  // where it ended, or where the player died
    int stomped = 0;   // shellers dead at the end
};

// Plays a key script from a fresh build of the level with the real loaders, so
// a death restarts the level as in the game. Only a run that reaches the end
// with no death at all counts as finished.
ReplayResult Replay(int number, unsigned seed, const std::vector<unsigned>& keys);

#endif
