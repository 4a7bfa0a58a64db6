// A scripted player for tests: plays a level headless by setting keys only, and records what it did.
#ifndef SCRIPTED_PLAYER_H
#define SCRIPTED_PLAYER_H

#include <functional>
#include <string>
#include <vector>

#include "keyscript.h"

// What a run of one level came to.
struct LevelRun
{
    bool finished = false;  // the level was completed
    bool died = false;      // the level restarted: the run stops there
    int frames = 0;         // frames played
    std::vector<unsigned> keys;  // the keys of every frame played
    // The state at the end, for comparing a replay with its original.
    int location = 0, playerY = 0, shellersDead = 0;
    long long shellerXSum = 0;
};

// Plays level `number` (1-3) from its start: rand seeded with `seed`, the level
// built on a fake clock, the player's vertical state as at program start, then
// Level() called directly, one frame after another, each with a fresh
// startTime so no frame runs late. `decide(frame)` gives each frame's keys.
// Stops when the level is complete, at the first death, or after frameLimit frames.
LevelRun PlayLevel(int number, unsigned seed, int frameLimit, const std::function<unsigned(int)>& decide);

// The scripted player: each frame it looks at the player, its vertical state
// and the platforms in the object table, plans ahead with a model of how the
// player moves among platforms, and answers the keys to hold. It never writes
// game state. `alwaysHeld` is added to every answer (HOLD_C by default, so the
// random shellers cannot decide the outcome).
//
// With a `granularity` above 1 it plays like a person who can change keys only
// every that many frames, on a fixed beat shifted by `phase` frames from the
// level's start: a level it still finishes at every phase asks for no timing
// finer than that.
class ScriptedPlayer
{
public:
    explicit ScriptedPlayer(unsigned alwaysHeld = HOLD_C, int granularity = 1, int phase = 0);
    unsigned Decide();
    // Frames after which the player was not where the model said it would be.
    int Mismatches() const { return mismatches; }

private:
    void Plan();

    unsigned alwaysHeld;
    int granularity;
    int phase;
    int frame = 0;               // frames decided so far
    std::vector<unsigned> plan;  // keys still to play, next first at the back
    std::vector<int> expectedY;  // the model's player y after each planned frame
    bool predicting = false;
    int predictedY = 0;
    int mismatches = 0;
};

#endif
