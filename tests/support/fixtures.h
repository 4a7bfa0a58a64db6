// Fixtures shared by the tests: scratch folders with pictures, and a fresh game state.
#ifndef TEST_FIXTURES_H
#define TEST_FIXTURES_H

#include <SDL.h>

#include <string>

#include "engine/zve_object.h"

// A temporary folder made the working directory for the life of the object,
// so the game's relative paths ("data/art/...") resolve inside it.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::string& Path() const { return path; }

private:
    std::string path;
    std::string previous;
};

// A game object for a test's own use. The game's objects live for the whole
// run, so the game object never frees its pictures; this one does when the test
// is done with it, so leak checking stays meaningful.
class TestObject : public zve_Object
{
public:
    ~TestObject();
};

// Writes a w x h picture filled with one colour (a BMP under whatever name is
// given: the picture loader goes by content). Creates missing folders.
void WritePicture(const std::string& file, int w, int h, Uint8 r = 40, Uint8 g = 90, Uint8 b = 200);

// Writes a text file, creating missing folders.
void WriteText(const std::string& file, const std::string& text);

// Reads the colour of one pixel of the display surface.
void ScreenPixel(int x, int y, Uint8& r, Uint8& g, Uint8& b);

// Clears the display surface to black.
void ClearScreen();

// Puts the game state back to how the program starts: globals at their initial
// values, every table entry hidden and reset, no nested frame open.
void ResetGame();

#endif
