// Figures for the game's frame: level-play frames and their parts, level builds, the overlap test and drawing.
//
// Run from the repository's root folder, where the game finds data/:
//   build/bench/game_bench
//
// Level-play frames are played from the scripted player's recorded runs
// (tests/levels/golden), so every figure comes from frames a player really
// plays: a window of frames from each level's start, and a window around the
// frame of each level at which the most shellers are active (level two's lines
// of shellers are the densest of all). Every frame is timed on its own; the
// figures give the median and the 99th percentile over all frames played.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/tools.h"
#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "headless.h"
#include "levels/levels.h"
#include "scripted_player.h"

namespace {

const int WINDOW = 100;          // frames played from each place before it is set up again
const int FRAME_SAMPLES = 3000;  // frames timed per figure: 30 windows

// ---- A clock without waits ----

// Level play reads the clock only to decide on nested frames, so it stands
// still while a frame runs: no frame is ever late here. A level build waits
// out its card on it; with `skipCard` every reading jumps far ahead, so the
// wait ends at once and only the build itself is timed.
Uint32 benchNow = 1000;
bool skipCard = false;
int delays = 0;  // delays asked for: within a frame, only a restart's card asks

Uint32 BenchTicks()
{
    if (skipCard)
        benchNow += 100000;
    return benchNow;
}

void BenchDelay(Uint32 ms)
{
    benchNow += ms;
    delays++;
}

SDL_Surface* display = NULL;

void OpenDisplay()
{
    StartHeadless("Zarvell 2");
    display = zve_screen;
    zve_GetTicks = BenchTicks;
    zve_Delay = BenchDelay;
}

void BuildLevel(int number)
{
    static void (*const loaders[])() = {LoadLevelOne, LoadLevelTwo, LoadLevelThree};
    skipCard = true;
    loaders[number - 1]();
    skipCard = false;
}

// ---- The recorded runs ----

struct Recording
{
    unsigned seed = 0;
    std::vector<unsigned> keys;
};

bool ReadRecording(int number, Recording& r)
{
    std::ifstream in(std::string(GOLDEN_DIR) + "/level" + std::to_string(number) + ".txt");
    std::map<std::string, std::string> fields;
    std::string line;
    while (std::getline(in, line)) {
        size_t space = line.find(' ');
        if (!line.empty() && line[0] != '#' && space != std::string::npos)
            fields[line.substr(0, space)] = line.substr(space + 1);
    }
    if (fields.count("seed") == 0 || !DecodeScript(fields["script"], r.keys))
        return false;
    r.seed = std::stoul(fields["seed"]);
    return !r.keys.empty();
}

// ---- Where a window of frames starts ----

struct Place
{
    int level;
    int first;  // the first frame of the window in the recorded run
    Recording run;
};

// Shellers the object pass works on: those in the active range of x.
int ActiveShellers()
{
    int count = 0;
    for (int i = 0; i < numObjects; i++) {
        const zve_Object& o = object[i];
        if (o.GetStatus() == STATUS_ENEMY && o.GetX() <= 639 && o.GetX() > -5000)
            count++;
    }
    return count;
}

// Shellers at least partly on the screen.
int VisibleShellers()
{
    int count = 0;
    for (int i = 0; i < numObjects; i++) {
        const zve_Object& o = object[i];
        if (o.GetStatus() == STATUS_ENEMY && o.GetX() <= 639 && o.GetX() + o.GetWidth() > 0
            && o.GetY() < 480 && o.GetY() + o.GetHeight() > 0)
            count++;
    }
    return count;
}

// One frame of level play as the main loop runs it, keys held first.
void PlayFrame(unsigned keys)
{
    HoldKeys(keys);
    startTime = zve_GetTicks();
    Level();
}

// Builds the level as the recorded run began it and plays the run up to
// `frames`, without drawing (drawing changes nothing that play reads).
void PlayRecordingTo(const Place& place, int frames)
{
    srand(place.run.seed);
    level = place.level;
    mode = MODE_LEVEL;
    falling = true;
    jumping = false;
    jumpingHeight = 0;
    playMusic = false;
    BuildLevel(place.level);
    zve_screen = NULL;
    for (int f = 0; f < frames; f++)
        PlayFrame(place.run.keys[f]);
    zve_screen = display;
}

// The frame of the recorded run before which the most shellers are active.
int DensestFrame(const Place& start)
{
    PlayRecordingTo(start, 0);
    int best = 0, most = -1;
    zve_screen = NULL;
    for (int f = 0; f < (int)start.run.keys.size(); f++) {
        int active = ActiveShellers();
        if (active > most) {
            most = active;
            best = f;
        }
        PlayFrame(start.run.keys[f]);
    }
    zve_screen = display;
    return best;
}

// Everything that level play reads or writes, copied so that a window can be
// played again from the same state. The copies share the objects' pictures,
// which stay loaded as long as no level is built meanwhile.
struct Snapshot
{
    std::vector<zve_Object> objects;
    zve_Object player, background, kiwis;
    int numObjects = 0, location = 0, levelEnd = 0, level = 0, mode = 0, jumpingHeight = 0;
    bool falling = false, jumping = false;

    void Take()
    {
        objects.assign(object, object + ::numObjects);
        player = ::player;
        background = ::background;
        kiwis = ::kiwis;
        numObjects = ::numObjects;
        location = ::location;
        levelEnd = ::levelEnd;
        level = ::level;
        mode = ::mode;
        jumpingHeight = ::jumpingHeight;
        falling = ::falling;
        jumping = ::jumping;
    }

    void Put() const
    {
        std::copy(objects.begin(), objects.end(), object);
        ::player = player;
        ::background = background;
        ::kiwis = kiwis;
        ::numObjects = numObjects;
        ::location = location;
        ::levelEnd = levelEnd;
        ::level = level;
        ::mode = mode;
        ::jumpingHeight = jumpingHeight;
        ::falling = falling;
        ::jumping = jumping;
    }
};

// ---- Level-play frames and their parts ----

// The parts of a frame, each timed on the same frame, one after the other, so
// that the split is not skewed by the load of a shared machine changing
// between separate runs.
enum Part
{
    WHOLE_FRAME,  // Level() drawing onto the display
    LOGIC,        // Level() with no display: both passes, nothing blitted
    SKY,          // the sky's Draw, as Level() does it first
    SPRITES,      // the Draw of the player, the kiwis and every active object
    PARTS
};

const char* const PART_NAMES[PARTS] = {"frame", "logic", "sky", "sprites"};

// The Draw calls of one frame apart from the sky, in the order Level() makes them.
void DrawSprites()
{
    if (level == 3)
        kiwis.Draw();
    player.Draw();
    for (int i = 0; i < numObjects; i++)
        if (object[i].GetX() > -5000 && object[i].GetX() <= 639)
            object[i].Draw();
}

// What the frames of one place came to, for the summary printed at the end.
struct Figures
{
    double p50[PARTS] = {}, p99[PARTS] = {};  // ms
    int active = 0, visible = 0;
};
std::map<std::pair<int, int>, Figures> summary;  // by level, then 0 for the start and 1 for the densest place

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    size_t i = (size_t)(p * (v.size() - 1) + 0.5);
    return v[i];
}

double Seconds(std::chrono::steady_clock::time_point from)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// Plays the window of frames again and again. Each frame is played whole onto
// the display (the time reported), then again from the same state without a
// display, and then its sky and its other objects are drawn alone; the
// animation counters that the extra Draws move are put back before play goes on.
void LevelFrames(benchmark::State& state, Place place)
{
    PlayRecordingTo(place, place.first);
    const int active = ActiveShellers(), visible = VisibleShellers();
    Snapshot start;
    start.Take();
    if (place.first + WINDOW > (int)place.run.keys.size()) {
        state.SkipWithError("the recorded run is shorter than the window");
        return;
    }

    std::vector<double> samples[PARTS];
    Snapshot before, after;
    int frame = 0;  // of the window
    for (auto _ : state) {
        if (frame == WINDOW) {
            start.Put();
            frame = 0;
        }
        unsigned keys = place.run.keys[place.first + frame];
        delays = 0;
        before.Take();

        auto t = std::chrono::steady_clock::now();
        PlayFrame(keys);
        double whole = Seconds(t);
        samples[WHOLE_FRAME].push_back(whole);
        state.SetIterationTime(whole);

        before.Put();
        zve_screen = NULL;
        t = std::chrono::steady_clock::now();
        PlayFrame(keys);
        samples[LOGIC].push_back(Seconds(t));
        zve_screen = display;

        after.Take();
        t = std::chrono::steady_clock::now();
        background.Draw();
        samples[SKY].push_back(Seconds(t));
        t = std::chrono::steady_clock::now();
        DrawSprites();
        samples[SPRITES].push_back(Seconds(t));
        after.Put();

        if (delays != 0 || mode != MODE_LEVEL) {
            state.SkipWithError("the recorded run did not play on: a restart or the level's end in the window");
            break;
        }
        frame++;
    }
    Figures& f = summary[{place.level, place.first == 0 ? 0 : 1}];
    for (int part = 0; part < PARTS; part++) {
        f.p50[part] = Percentile(samples[part], 0.50) * 1e3;
        f.p99[part] = Percentile(samples[part], 0.99) * 1e3;
        state.counters[std::string(PART_NAMES[part]) + "_p50_ms"] = f.p50[part];
        state.counters[std::string(PART_NAMES[part]) + "_p99_ms"] = f.p99[part];
    }
    f.active = active;
    f.visible = visible;
    state.counters["active"] = active;
    state.counters["onscreen"] = visible;
}

// The level-play figures again, one line per place, in plain milliseconds.
void PrintSummary()
{
    if (summary.empty())
        return;
    printf("\nLevel-play frames, ms: median / 99th percentile of %d frames per place\n", FRAME_SAMPLES);
    printf("%-16s %7s %7s  %-17s %-17s %-17s %-17s\n", "place", "active", "shown", "whole frame", "logic",
           "sky blit", "other blits");
    for (const auto& entry : summary) {
        const Figures& f = entry.second;
        std::string place = "level " + std::to_string(entry.first.first) + (entry.first.second ? " densest" : " start");
        printf("%-16s %7d %7d", place.c_str(), f.active, f.visible);
        for (int part = 0; part < PARTS; part++)
            printf("  %7.3f / %7.3f", f.p50[part], f.p99[part]);
        printf("\n");
    }
}

void RegisterLevelFrames()
{
    for (int number = 1; number <= 3; number++) {
        Place start = {number, 0, {}};
        if (!ReadRecording(number, start.run)) {
            fprintf(stderr, "cannot read the recorded run of level %d in %s\n", number, GOLDEN_DIR);
            exit(1);
        }
        Place densest = start;
        int frame = DensestFrame(start);
        densest.first = std::max(0, std::min(frame - WINDOW / 2, (int)start.run.keys.size() - WINDOW));
        for (const Place* place : {&start, &densest}) {
            std::string name = "LevelFrame/level" + std::to_string(number) + (place == &start ? "/start" : "/densest");
            benchmark::RegisterBenchmark(name.c_str(), LevelFrames, *place)
                ->UseManualTime()
                ->Iterations(FRAME_SAMPLES)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

// ---- Level builds ----

// One build behind the card, the card's minimum wait left out.
void BuildLevelBench(benchmark::State& state)
{
    int number = state.range(0);
    srand(1);
    for (auto _ : state)
        BuildLevel(number);
    state.counters["objects"] = numObjects;
}
BENCHMARK(BuildLevelBench)->Name("LevelBuild")->DenseRange(1, 3)->Unit(benchmark::kMillisecond)
    ->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });

// Handing the freed memory back after a start of the music, as the main loop
// does: the file's samples and the slot's old buffer have just been freed.
void ReleaseAfterMusicBench(benchmark::State& state)
{
    static bool open = false;
    if (!open) {
        OpenAudio();
        SDL_PauseAudio(1);  // no callback: the slots are emptied here
        open = true;
    }
    for (auto _ : state) {
        for (SoundSlot& slot : sounds)
            slot.position = slot.length;
        PlaySound("data/snd/addiction.wav");
        auto t = std::chrono::steady_clock::now();
        zve_ReleaseFreeMemory();
        state.SetIterationTime(Seconds(t));
    }
}
BENCHMARK(ReleaseAfterMusicBench)->Name("ReleaseFreeMemory/after a music start")->UseManualTime()
    ->Iterations(50)->Unit(benchmark::kMicrosecond);

// ---- The overlap test ----

void CollisionBench(benchmark::State& state)
{
    // Rectangles around a player-sized box, a third of them overlapping it.
    const int N = 1024;
    std::vector<int> r(N * 4);
    srand(7);
    for (int i = 0; i < N; i++) {
        r[4 * i] = rand() % 400;
        r[4 * i + 1] = rand() % 400;
        r[4 * i + 2] = 10 + rand() % 200;
        r[4 * i + 3] = 10 + rand() % 60;
    }
    int hits = 0, i = 0;
    for (auto _ : state) {
        const int* a = &r[4 * i];
        hits += Collision(150, a[0], 200, a[1], 40, a[2], 60, a[3]);
        i = (i + 1) & (N - 1);
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(CollisionBench)->Name("Collision")->Repetitions(5)->ReportAggregatesOnly(true);

// ---- Drawing ----

// A full-screen blit of the sky into the display three ways: plain, with the
// key colour, and with the key colour and the per-surface alpha of 255 that
// Draw sets. The last is what the game does.
void SkyBlitBench(benchmark::State& state)
{
    BuildLevel(1);
    SDL_Surface* sky = background.GetFrame(0, 0);
    if (sky == NULL) {
        state.SkipWithError("no sky: run from the repository's root folder");
        return;
    }
    int how = state.range(0);
    SDL_SetAlpha(sky, how == 2 ? SDL_SRCALPHA : 0, 255);
    SDL_SetColorKey(sky, how >= 1 ? SDL_SRCCOLORKEY : 0, SDL_MapRGB(sky->format, 255, 0, 128));
    for (auto _ : state) {
        SDL_Rect at = {0, 0, 0, 0};
        SDL_BlitSurface(sky, NULL, display, &at);
    }
    SDL_SetAlpha(sky, 0, 255);
    SDL_SetColorKey(sky, 0, 0);
    static const char* const labels[] = {"plain", "key colour", "key colour + alpha 255"};
    state.SetLabel(labels[how]);
}
BENCHMARK(SkyBlitBench)->Name("FullScreenBlit")->DenseRange(0, 2)->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

void DrawSkyBench(benchmark::State& state)
{
    BuildLevel(1);
    for (auto _ : state)
        background.Draw();
}
BENCHMARK(DrawSkyBench)->Name("Draw/sky")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A sheller walking on the screen, the sprite drawn most often.
void DrawSpriteBench(benchmark::State& state)
{
    BuildLevel(1);
    zve_Object* sheller = NULL;
    for (int i = 0; i < numObjects && sheller == NULL; i++)
        if (object[i].GetStatus() == STATUS_ENEMY)
            sheller = &object[i];
    if (sheller == NULL || sheller->GetWidth() == 0) {
        state.SkipWithError("no sheller: run from the repository's root folder");
        return;
    }
    sheller->SetPos(300, 300);
    for (auto _ : state)
        sheller->Draw();
    state.counters["w"] = sheller->GetWidth();
    state.counters["h"] = sheller->GetHeight();
}
BENCHMARK(DrawSpriteBench)->Name("Draw/sheller")->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The flip that ends every frame in the main loop, outside Level(): for scale.
void FlipBench(benchmark::State& state)
{
    for (auto _ : state)
        SDL_Flip(display);
}
BENCHMARK(FlipBench)->Name("Flip")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    OpenDisplay();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterLevelFrames();
    benchmark::RunSpecifiedBenchmarks();
    PrintSummary();
    benchmark::Shutdown();
    return 0;
}
