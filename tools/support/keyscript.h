// Key scripts: the keys held in each frame of a run, written compactly so a run can be kept and played back.
#ifndef KEYSCRIPT_H
#define KEYSCRIPT_H

#include <string>
#include <vector>

// The keys a frame holds, as bits.
enum : unsigned { HOLD_RIGHT = 1, HOLD_LEFT = 2, HOLD_UP = 4, HOLD_DOWN = 8, HOLD_C = 16 };

// Sets SDL's key state so that of the five play keys exactly these are down.
void HoldKeys(unsigned keys);

// One token per run of frames with the same keys: letters from "RLUDC" (or
// "-" for none) and then the number of frames, e.g. "RC30 RUC1 RC45 -3".
std::string EncodeScript(const std::vector<unsigned>& frames);
// The frames of a script; false if the script is malformed.
bool DecodeScript(const std::string& script, std::vector<unsigned>& frames);

#endif
