// Figures for the sound slots: the main thread's time in PlaySound for the music, and the callback's time per buffer.
//
// Run from the repository's root folder, where the game finds data/snd/addiction.wav:
//   build/bench/sound_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/zarvell2.h"
#include "globals.h"

namespace {

const char* const MUSIC = "data/snd/addiction.wav";
const int BUFFER_BYTES = 16000;  // one device buffer: 4000 frames of 16-bit stereo

// SDL mixes in the format of the open device, and PlaySound's lock is only real
// with one, so the device is opened the game's way and paused: the figures are
// for the calls themselves, with no audio thread competing for the lock.
void OpenPausedDevice()
{
    static bool open = false;
    if (open)
        return;
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    OpenAudio();
    SDL_PauseAudio(1);
    open = true;
}

void FinishSlots()
{
    for (SoundSlot& slot : sounds)
        slot.position = slot.length;
}

bool MusicLoaded()
{
    for (const SoundSlot& slot : sounds)
        if (slot.length > (Uint32)BUFFER_BYTES && slot.position == 0)
            return true;
    return false;
}

// Reading, converting and installing the whole track, as each start of the music does.
void PlaySoundMusic(benchmark::State& state)
{
    OpenPausedDevice();
    FinishSlots();
    PlaySound(MUSIC);
    if (!MusicLoaded()) {
        state.SkipWithError("the music did not load: run from the repository's root folder");
        return;
    }
    for (auto _ : state) {
        // A finished slot to take; freeing its old buffer is part of the call, as in the game.
        FinishSlots();
        PlaySound(MUSIC);
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)sounds[0].length);
}
BENCHMARK(PlaySoundMusic)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

// One callback with the music playing in both slots, on a buffer cleared to
// silence first as SDL does (the clear is a small part: some 0.2 us here).
void MixaudioBothSlots(benchmark::State& state)
{
    OpenPausedDevice();
    FinishSlots();
    PlaySound(MUSIC);
    PlaySound(MUSIC);
    if (sounds[0].length <= (Uint32)BUFFER_BYTES || sounds[1].length <= (Uint32)BUFFER_BYTES
        || sounds[0].position != 0 || sounds[1].position != 0) {
        state.SkipWithError("the music did not load into both slots: run from the repository's root folder");
        return;
    }
    // Start the second slot half a track later, so the two mix different samples.
    sounds[1].position = sounds[1].length / 2 / 4 * 4;

    std::vector<Uint8> stream(BUFFER_BYTES);
    for (auto _ : state) {
        for (SoundSlot& slot : sounds)
            if (slot.length - slot.position < (Uint32)BUFFER_BYTES)
                slot.position = 0;  // round again rather than run dry
        memset(stream.data(), 0, stream.size());
        mixaudio(NULL, stream.data(), BUFFER_BYTES);
        benchmark::DoNotOptimize(stream.data());
        benchmark::ClobberMemory();
    }
    bool heard = false;
    for (Uint8 b : stream)
        heard = heard || b != 0;
    if (!heard)
        state.SkipWithError("the callback mixed nothing");
    state.SetBytesProcessed(state.iterations() * (int64_t)BUFFER_BYTES);
}
BENCHMARK(MixaudioBothSlots)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
