// Level play: one frame of walking, jumping, shellers, contacts, scrolling and drawing.
#include "engine/tools.h"
#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "levels/levels.h"

int nestedFrames = 0;

// Key codes read during play.
static const int KEY_UP = SDLK_UP;
static const int KEY_DOWN = SDLK_DOWN;
static const int KEY_RIGHT = SDLK_RIGHT;
static const int KEY_LEFT = SDLK_LEFT;
static const int KEY_PAUSE = SDLK_p;
static const int KEY_MUSIC_OFF = SDLK_m;
static const int KEY_HARMLESS = SDLK_c;

static const int SCROLL_STEP = 9;
static const int RISE_STEP = 8;
static const int FALL_STEP = 8;
static const int JUMP_LIMIT = 149;  // a jump ends once it has risen more than this

// Animation delays of the player: huge values hold the picture still.
static const int HOLD_STANDING = 10000000;
static const int WALKING = 5;
static const int HOLD_RISING = 1000000000;
static const int HOLD_JUMP_ENDED = 100000000;

// What one call of Level decides for itself; a nested call has its own.
enum WalkDirection { WALK_NONE, WALK_RIGHT, WALK_LEFT };
struct FrameWalk
{
    WalkDirection walkDirection;
    bool canWalkLeft;
    bool canWalkRight;
};

// Starts the current level again, from inside the frame.
static void RestartLevel()
{
    switch (level) {
    case 1: LoadLevelOne(); break;
    case 2: LoadLevelTwo(); break;
    case 3: LoadLevelThree(); break;
    default: break;
    }
}

// When the frame has run past `limit` ms, shows one whole nested frame so the
// screen keeps moving, then lets the caller carry on. A nested frame opens none
// of its own: every pass of a late frame may open one per entry, so each level
// of nesting would multiply the frames shown (hundreds of entries, cubed at
// depth three) and a machine too slow for any frame would never get through.
static void KeepPace(Uint32 limit)
{
    if (zve_GetTicks() - startTime <= limit || nestedFrames >= MAX_NESTED_FRAMES)
        return;
    nestedFrames++;
    MainLoop();
    nestedFrames--;
}

// Reads the keys of steps 1 to 7: direction, jump start, pause, music, and the
// player's rise or the end of its jump.
static void ReadKeysAndRise(FrameWalk& walk)
{
    player.SetSpeed(HOLD_STANDING);
    if (CheckKey(KEY_RIGHT)) {
        walk.walkDirection = WALK_RIGHT;
        player.SetType(TYPE_RIGHT);
        player.SetSpeed(WALKING);
    }
    if (CheckKey(KEY_LEFT)) {
        walk.walkDirection = WALK_LEFT;
        player.SetType(TYPE_LEFT);
        player.SetSpeed(WALKING);
    }
    // `falling` is still what the previous frame left: no jump from mid-air.
    if (CheckKey(KEY_UP) && !jumping && !falling) {
        jumping = true;
        jumpingHeight = 0;
    }
    if (CheckKey(KEY_PAUSE))
        mode = MODE_PAUSE;
    if (CheckKey(KEY_MUSIC_OFF))
        playMusic = false;

    if (jumping) {
        if (CheckKey(KEY_DOWN) || jumpingHeight > JUMP_LIMIT) {
            jumping = false;
            falling = true;
            jumpingHeight = 0;
            player.SetSpeed(HOLD_JUMP_ENDED);
        } else {
            player.SetPos(player.GetX(), player.GetY() - RISE_STEP);
            jumpingHeight += RISE_STEP;
            player.SetSpeed(HOLD_RISING);
        }
    } else {
        // Cleared again below if a platform carries the player.
        falling = true;
    }
}

// The player against one platform: landing, then the side strips that block walking.
static void PlayerMeetsPlatform(const zve_Object& platform, FrameWalk& walk)
{
    int ox = platform.GetX(), oy = platform.GetY();
    int ow = platform.GetWidth(), oh = platform.GetHeight();
    int px = player.GetX(), pw = player.GetWidth(), ph = player.GetHeight();

    if (falling) {
        int py = player.GetY();
        bool feet = Collision(px, ox, py + ph - 20, oy, pw, ow, 20, oh);
        bool body = Collision(px, ox, py, oy, pw, ow, ph - 30, oh);
        if (feet && !body) {
            player.SetPos(px, oy - ph);
            falling = false;
        }
    }

    int py = player.GetY();
    if (Collision(px, ox, py, oy, 6, ow, ph - 20, oh))
        walk.canWalkLeft = false;
    else if (Collision(px + pw, ox, py, oy, 6, ow, ph - 10, oh))
        walk.canWalkRight = false;
}

// The player touching a live sheller: a stomp from above kills it, anything
// else kills the player unless c is held.
static void PlayerMeetsSheller(zve_Object& sheller)
{
    if (!CollisionObjects(player, sheller) || sheller.GetType() == TYPE_DEAD)
        return;
    // Above the line 35% of the way down the sheller's box counts as a stomp.
    if (sheller.GetY() + sheller.GetHeight() * 0.35 > player.GetY() + player.GetHeight())
        sheller.SetType(TYPE_DEAD);
    else if (!CheckKey(KEY_HARMLESS))
        RestartLevel();
}

// A sheller against every platform: turn at either end, land when falling.
// Table order counts: a later platform may undo an earlier one's turn.
static void ShellerMeetsPlatforms(zve_Object& sheller)
{
    for (int j = 0; j < numObjects; j++) {
        const zve_Object& q = object[j];
        if (q.GetStatus() != STATUS_PLATFORM)
            continue;
        bool patrols = sheller.GetMovementType() == MOVE_PATROL;
        if (patrols && sheller.GetX() < q.GetX()) {
            if (CollisionObjects(sheller, q) && sheller.GetType() == TYPE_LEFT)
                sheller.SetType(TYPE_RIGHT);
        }
        if (patrols && sheller.GetX() + sheller.GetWidth() > q.GetX() + q.GetWidth()) {
            if (CollisionObjects(sheller, q) && sheller.GetType() == TYPE_RIGHT)
                sheller.SetType(TYPE_LEFT);
        }
        if (sheller.airborne) {
            int sx = sheller.GetX(), sy = sheller.GetY();
            int sw = sheller.GetWidth(), sh = sheller.GetHeight();
            bool feet = Collision(sx, q.GetX(), sy + sh - 20, q.GetY(), sw, q.GetWidth(), 20, q.GetHeight());
            bool body = Collision(sx, q.GetX(), sy, q.GetY(), sw, q.GetWidth(), sh - 20, q.GetHeight());
            if (feet && !body) {
                sheller.SetPos(sx, q.GetY() - sh);
                sheller.airborne = false;
            }
        }
    }
}

// Step 9: every active entry walks, carries or blocks the player, and meets it.
static void ObjectPass(FrameWalk& walk)
{
    for (int i = 0; i < numObjects; i++) {
        zve_Object& o = object[i];
        if (o.GetX() > 639 || o.GetX() <= -5000)
            continue;
        KeepPace(30);

        if (o.GetStatus() == STATUS_ENEMY) {
            o.airborne = true;
            if (o.GetMovementType() == MOVE_PATROL) {
                if (o.GetType() == TYPE_RIGHT)
                    o.SetPos(o.GetX() + o.GetMoveSpeed(), o.GetY());
                else if (o.GetType() == TYPE_LEFT)
                    o.SetPos(o.GetX() - o.GetMoveSpeed(), o.GetY());
            }
        }
        if (o.GetStatus() == STATUS_PLATFORM)
            PlayerMeetsPlatform(o, walk);
        if (o.GetStatus() == STATUS_ENEMY)
            PlayerMeetsSheller(o);
        // After a restart, entry i holds the new level's object; go on with it.
        if (o.GetStatus() == STATUS_ENEMY)
            ShellerMeetsPlatforms(o);
    }
}

// Step 10: every entry falls if airborne and scrolls; those on screen are drawn.
static void MoveAndDrawPass(const FrameWalk& walk)
{
    for (int i = 0; i < numObjects; i++) {
        KeepPace(29);
        zve_Object& o = object[i];
        if (o.airborne)
            o.SetPos(o.GetX(), o.GetY() + FALL_STEP);
        if (walk.walkDirection == WALK_RIGHT && walk.canWalkRight)
            o.SetPos(o.GetX() - SCROLL_STEP, o.GetY());
        else if (walk.walkDirection == WALK_LEFT && walk.canWalkLeft)
            o.SetPos(o.GetX() + SCROLL_STEP, o.GetY());
        if (o.GetX() > -5000 && o.GetX() <= 639)
            o.Draw();
    }
}

void Level()
{
    FrameWalk walk = {WALK_NONE, true, true};

    ReadKeysAndRise(walk);

    background.Draw();
    if (level == 3)
        kiwis.Draw();
    player.Draw();

    ObjectPass(walk);
    MoveAndDrawPass(walk);

    if (walk.walkDirection == WALK_RIGHT && walk.canWalkRight) {
        location += SCROLL_STEP;
        if (level == 3)
            kiwis.SetPos(kiwis.GetX() - SCROLL_STEP, 230);
    } else if (walk.walkDirection == WALK_LEFT && walk.canWalkLeft) {
        location -= SCROLL_STEP;
        if (level == 3)
            kiwis.SetPos(kiwis.GetX() + SCROLL_STEP, 230);
    }

    if (falling) {
        player.SetPos(player.GetX(), player.GetY() + FALL_STEP);
        if (player.GetY() > 480)
            RestartLevel();
    }

    if (location >= levelEnd) {
        level++;
        mode = MODE_INTRO;
    }
}
