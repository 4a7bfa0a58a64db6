// Sound slots: PlaySound fills them on the main thread, mixaudio drains them on the audio thread.
#include "sound/playsound.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "globals.h"

SoundSlot sounds[SOUND_SLOTS];
// Swappable so that a test can see what a failed allocation does.
void* (*soundAlloc)(size_t size) = malloc;

void PlaySound(const char* file)
{
    // Reading position and length without the lock is safe: the callback never
    // touches a free slot, so a slot seen free stays free until we fill it.
    // position is read as one whole value, with acquire order so that the
    // callback's last read of a finished buffer comes before we free it.
    int index;
    for (index = 0; index < SOUND_SLOTS; index++) {
        if (__atomic_load_n(&sounds[index].position, __ATOMIC_ACQUIRE) == sounds[index].length)
            break;
    }
    if (index == SOUND_SLOTS)
        return;

    SDL_AudioSpec wave;
    Uint8* data;
    Uint32 dlen;
    if (SDL_LoadWAV_RW(SDL_RWFromFile(file, "rb"), 1, &wave, &data, &dlen) == NULL) {
        fprintf(stderr, "Couldn't load %s: %s\n", file, SDL_GetError());
        return;
    }

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq,
                          AUDIO_S16LSB, 2, 22050) < 0) {
        fprintf(stderr, "Couldn't convert %s: %s\n", file, SDL_GetError());
        SDL_FreeWAV(data);
        return;
    }
    Uint8* converted = (Uint8*)soundAlloc((size_t)dlen * cvt.len_mult);
    if (converted == NULL) {
        fprintf(stderr, "Couldn't convert %s: out of memory\n", file);
        SDL_FreeWAV(data);
        return;
    }
    memcpy(converted, data, dlen);
    cvt.buf = converted;
    cvt.len = dlen;
    SDL_ConvertAudio(&cvt);
    SDL_FreeWAV(data);

    // The old buffer goes before the lock: the callback reads nothing of a free slot.
    free(sounds[index].buffer);

    SDL_LockAudio();
    sounds[index].buffer = converted;
    sounds[index].length = cvt.len_cvt;
    sounds[index].position = 0;
    SDL_UnlockAudio();
}

void mixaudio(void* /*userdata*/, Uint8* stream, int len)
{
    for (int i = 0; i < SOUND_SLOTS; i++) {
        Uint32 amount = sounds[i].length - sounds[i].position;
        if ((Uint32)len < amount)
            amount = len;
        if (amount == 0)
            continue;  // a free slot adds nothing
        SDL_MixAudio(stream, sounds[i].buffer + sounds[i].position, amount, SDL_MIX_MAXVOLUME);
        __atomic_store_n(&sounds[i].position, sounds[i].position + amount, __ATOMIC_RELEASE);
    }
}
