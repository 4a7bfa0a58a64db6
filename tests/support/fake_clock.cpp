// The fake clock: plain state behind two functions that take the place of SDL's.
#include "fake_clock.h"

#include "globals.h"

namespace {

Uint32 fakeNow = 0;
Uint32 stepOnRead = 0;
std::vector<Uint32> delays;
std::function<void()> delayHook;
int readings = 0;
std::vector<std::pair<int, Uint32>> jumps;  // (reading number, ms)

Uint32 FakeTicks()
{
    Uint32 now = fakeNow;
    fakeNow += stepOnRead;
    readings++;
    for (const auto& jump : jumps)
        if (jump.first == readings)
            fakeNow += jump.second;
    return now;
}

void FakeDelay(Uint32 ms)
{
    delays.push_back(ms);
    fakeNow += ms;
    if (delayHook)
        delayHook();
}

}  // namespace

FakeClock::FakeClock(Uint32 start)
{
    fakeNow = start;
    stepOnRead = 0;
    delays.clear();
    delayHook = nullptr;
    readings = 0;
    jumps.clear();
    zve_GetTicks = FakeTicks;
    zve_Delay = FakeDelay;
}

FakeClock::~FakeClock()
{
    zve_GetTicks = SDL_GetTicks;
    zve_Delay = SDL_Delay;
    delayHook = nullptr;
}

Uint32 FakeClock::Now() const { return fakeNow; }
void FakeClock::Advance(Uint32 ms) { fakeNow += ms; }
void FakeClock::Set(Uint32 ms) { fakeNow = ms; }
const std::vector<Uint32>& FakeClock::Delays() const { return delays; }
void FakeClock::ClearDelays() { delays.clear(); }
void FakeClock::OnDelay(std::function<void()> hook) { delayHook = std::move(hook); }
void FakeClock::AdvanceOnRead(Uint32 ms) { stepOnRead = ms; }
void FakeClock::JumpAfterReading(int reading, Uint32 ms) { jumps.push_back({readings + reading, ms}); }
int FakeClock::Readings() const { return readings; }
