// The engine's animated game object: a picture with a position and the codes level play reads.
#ifndef ZVE_OBJECT_H
#define ZVE_OBJECT_H

#include <SDL.h>

// Status codes: what an object is to level play.
const int STATUS_SCENERY = 19;
const int STATUS_PLATFORM = 20;
const int STATUS_ENEMY = 22;

// Type codes: the direction or state shown; also the animation set drawn.
const int TYPE_RIGHT = 0;
const int TYPE_LEFT = 1;
const int TYPE_DEAD = 10;
const int TYPE_NONE = 14;

// Movement codes.
const int MOVE_PATROL = 15;
const int MOVE_NONE = 17;

// Room for pictures: 20 animation sets of 5 frames each.
const int ZVE_SETS = 20;
const int ZVE_FRAMES_PER_SET = 5;

class zve_Object
{
public:
    bool airborne;  // falling this frame; written by level play only

    zve_Object();

    // Sets exists, then puts the object back to its reset state (images stay loaded).
    void SetExists(bool value);
    bool GetExists() const;

    // Loads the next frame of a set from a picture file, converted to the display
    // format. Returns 1 when a picture was stored, 0 when the set is full, the set
    // number is out of range or the file cannot be read (the last prints a message).
    int LoadFrame(int set, const char* path);

    // Advances the animation and blits the current frame onto zve_screen at (x, y).
    // Draws nothing for a hidden object, TYPE_NONE, a set out of range or an empty slot.
    void Draw();

    // Size of the frame shown now; 0 when there is no picture to measure.
    int GetWidth() const;
    int GetHeight() const;

    void SetPos(int newX, int newY) { x = newX; y = newY; }
    int GetX() const { return x; }
    int GetY() const { return y; }
    void SetType(int value) { type = value; }
    int GetType() const { return type; }
    void SetStatus(int value) { status = value; }
    int GetStatus() const { return status; }
    void SetMovementType(int value) { movementType = value; }
    int GetMovementType() const { return movementType; }
    void SetMoveSpeed(int value) { moveSpeed = value; }
    int GetMoveSpeed() const { return moveSpeed; }
    void SetSpeed(int value) { speed = value; }
    void SetVisiblity(int value) { visibility = value; }

    // Read-only views for tests and tools; the game itself never needs them.
    int GetSpeed() const { return speed; }
    int GetCount() const { return count; }
    int GetVisibility() const { return visibility; }
    int GetCurrentFrame(int set) const;
    int GetLastFrame(int set) const;
    SDL_Surface* GetFrame(int set, int slot) const;
    Uint32 GetColorKey() const { return colorKey; }

private:
    void Reset();
    // The picture shown for the current type, or null when there is none.
    SDL_Surface* CurrentImage() const;

    SDL_Surface* frame[ZVE_SETS * ZVE_FRAMES_PER_SET];
    int currentFrame[ZVE_SETS];
    int type;
    int lastFrame[ZVE_SETS];
    bool animate;
    int visibility;
    int status;
    int movementType;
    int x;
    int y;
    int count;
    int speed;
    bool exists;
    int moveSpeed;
    Uint32 colorKey;
};

#endif
