// The level loaders, the layout tables they build from, and the end screen.
#ifndef LEVELS_H
#define LEVELS_H

// One row of a level's layout: a platform and the shellers that stand on it.
struct LayoutRow
{
    int x;              // top-left corner at scroll distance 0
    int y;
    const char* image;  // the platform's picture
    int shellers;       // how many shellers to place on it
    bool withLine;      // place them as a packed line (AddPlatformWithLine)
};

// Everything that tells one level from another.
struct LevelDescription
{
    const char* card;        // picture shown while the level is built
    int end;                 // levelEnd: the scroll distance that completes the level
    int playerX;             // player's start x
    int playerY;             // player's start: its bottom edge, or its top edge if fixedTop
    bool fixedTop;           // playerY is the top edge, whatever the player's height
    bool hasKiwis;           // set up the kiwis greeting
    const char* sky;         // background while playing
    unsigned minCardTime;    // ms the card shows at least, counted from the start of the build
    const LayoutRow* rows;   // the layout, in placement order
    int numRows;
};

// Builds a level behind its card: empties the object table, sets up the player,
// the sky (and kiwis), places every row, then waits out the card's minimum time.
void LoadLevel(const LevelDescription& description);

void LoadLevelOne();
void LoadLevelTwo();
void LoadLevelThree();

// The closing picture, in a loop of its own until Enter; leaves level 0 and MODE_TITLE.
void LoadLevelEnd();

#endif
