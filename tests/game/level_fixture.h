// A small hand-built world for level-play tests: known picture sizes, no randomness.
#ifndef LEVEL_FIXTURE_H
#define LEVEL_FIXTURE_H

#include <gtest/gtest.h>

#include <vector>

#include "fake_clock.h"
#include "fixtures.h"
#include "globals.h"
#include "keys.h"

// One row of a frame-by-frame table: the frame's number, the keys held in it
// and in the frames since the previous row, and the player's state after it.
struct PlayerRow
{
    int frame;
    std::vector<int> keys;
    int y;
    bool jumping;
    bool falling;
    int jumpingHeight;
};

// Sizes of the fixture pictures.
const int PLAYER_W = 30, PLAYER_H = 50;
const int SHELLER_W = 32, SHELLER_H = 40;
const int DEAD_W = 32, DEAD_H = 12;

// Level play on a scratch world. The player stands at x 150; pictures:
// "ground.png" 600x75, "ledge.png" 200x20, "wall.png" 40x300, "block.png" 100x200.
// A restart of the level is seen as levelEnd turning into the level's own value.
class LevelPlay : public ::testing::Test
{
protected:
    ScratchFolder folder;
    FakeClock clock;

    void SetUp() override;
    void TearDown() override { ReleaseAllKeys(); }

    // The player with its four fixture frames at (150, y).
    void PutPlayer(int y);
    // A platform with no shellers; returns its entry.
    int PutPlatform(int x, int y, const char* file);
    // A sheller built by hand: no random draws. Returns its entry.
    int PutSheller(int x, int y, int type, int speed);
    // One frame of level play with exactly these keys held.
    void Frame(const std::vector<int>& keys);
    // Runs frames 1, 2, ... and checks the player after each frame that has a row.
    void RunPlayerTable(const std::vector<PlayerRow>& rows);
    // True once the level has been restarted (the loader sets its own levelEnd).
    bool Restarted() const { return levelEnd != NO_END; }

    static const int NO_END = 1000000;
};

#endif
