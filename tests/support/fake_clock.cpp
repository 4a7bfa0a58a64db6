// The fake clock: plain state behind two functions that take the place of SDL's.
#include "fake_clock.h"

#include "globals.h"

namespace {

Uint32 fakeNow = 0;
Uint32 stepOnRead = 0;
std::vector<Uint32> delays;
std::function<void()> delayHook;

Uint32 FakeTicks()
{
    Uint32 now = fakeNow;
    fakeNow += stepOnRead;
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
