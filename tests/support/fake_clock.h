// A millisecond clock that tests move by hand, standing in for SDL's ticks and delays.
#ifndef FAKE_CLOCK_H
#define FAKE_CLOCK_H

#include <SDL.h>

#include <functional>
#include <vector>

// Swaps the engine's clock for the fake one for the life of the object.
// Every zve_Delay(ms) advances the fake time by ms and is recorded.
class FakeClock
{
public:
    explicit FakeClock(Uint32 start = 1000);
    ~FakeClock();

    Uint32 Now() const;
    void Advance(Uint32 ms);
    void Set(Uint32 ms);
    // The delays asked for since the clock was installed or last cleared.
    const std::vector<Uint32>& Delays() const;
    void ClearDelays();
    // Called after every delay, e.g. to change keys while a loop waits.
    void OnDelay(std::function<void()> hook);
    // Every reading of the ticks also advances the clock by this much (0 by default).
    void AdvanceOnRead(Uint32 ms);
    // Right after reading number `reading` (1 = the first from now on), the clock
    // jumps by ms: stands in for work that took that long.
    void JumpAfterReading(int reading, Uint32 ms);
    // Readings of the ticks since the clock was installed.
    int Readings() const;
};

#endif
