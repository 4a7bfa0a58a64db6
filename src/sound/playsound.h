// Two sound slots, filled on the main thread and mixed by SDL's audio callback.
#ifndef PLAYSOUND_H
#define PLAYSOUND_H

#include <SDL.h>

// One playing (or finished) sound, already in the device format.
struct SoundSlot
{
    Uint8* buffer;    // converted samples; owned by the slot, null before first use
    Uint32 position;  // bytes already mixed
    Uint32 length;    // bytes in buffer; the slot is free when position == length
};

const int SOUND_SLOTS = 2;

// Reads a WAV file, converts it to signed 16-bit stereo at 22050 Hz and puts it
// in the first free slot. Drops the sound when both slots play, and drops it with
// a message on stderr when the file cannot be read or converted.
void PlaySound(const char* file);

// The audio callback: adds what remains of each slot into the device's buffer.
void mixaudio(void* userdata, Uint8* stream, int len);

#endif
