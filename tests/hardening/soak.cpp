// Soak: the whole game played for tens of thousands of frames headless, watching resident memory.
//
// Usage: soak play <frames>     the title, the three levels with deaths and restarts, the end
//                               screen, the title again, and round, for at least <frames> frames
//        soak title <frames>    the title screen alone
//        add --no-memory-check  to report memory without judging it (sanitizer builds, whose
//                               allocator keeps freed memory back on purpose)
//
// It starts the game as main does, then calls MainLoop frame after frame, with
// a fake clock so that no frame waits and no level card holds its frame; the
// display is the real headless one, so every frame draws and flips. Keys come
// from the scripted player in level play and from a simple script elsewhere.
// Resident memory is read between frames; after the first full round of the
// game (back at the title after the end screen) it may grow by less than 1 MB
// to the end. Prints its figures; exits with status 1 when a check fails.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include <vector>

#include "engine/zvengine.h"
#include "fake_clock.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "keys.h"
#include "scripted_player.h"

namespace {

const long GROWTH_LIMIT = 1024 * 1024;  // bytes of resident memory allowed to appear after the first round
const int TITLE_FRAMES = 50;            // frames the title shows before Enter
const int END_PASSES = 50;              // passes of the end screen before Enter
const int ATTEMPT_LIMIT = 6000;         // frames one try at a level may take before the run counts as stuck

long ResidentBytes()
{
    long pages = 0, resident = 0;
    FILE* statm = fopen("/proc/self/statm", "r");
    if (statm == NULL)
        return 0;
    if (fscanf(statm, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    fclose(statm);
    return resident * sysconf(_SC_PAGESIZE);
}

double Megabytes(long bytes)
{
    return bytes / (1024.0 * 1024.0);
}

void Start()
{
    // Headless unless the caller says otherwise; the music goes to a file
    // that throws it away, at the pace of a real device.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    zve_PrepareEnvironment();
    OpenAudio();
    zve_Init(640, 480, 24, 0, "Zarvell 2");
    srand(1);
    mode = MODE_TITLE;
}

// How one try at a level is played. Each round tries every level carelessly
// first, so that it dies and restarts, and then carefully, so that it goes on.
enum Style
{
    RECKLESS,  // holds right and nothing else: walks off the first ledge of level two
    CARELESS,  // the scripted player without c: dies on the first sheller it walks into
    CAREFUL,   // the scripted player with c held: finishes the level
};

const char* const STYLE_NAMES[] = {"reckless", "careless", "careful"};

struct Tally
{
    int frames = 0, rounds = 0, builds = 0, finished = 0;
    int deaths[3] = {0, 0, 0};  // by style of the try that died
    long roundEndRss = 0;       // resident memory when the first round ended
    int roundEndFrame = 0;
    long highestAfter = 0;      // the most resident memory seen after that
    long endRss = 0;
    std::vector<std::pair<int, long>> roundEnds;  // frame and resident memory at the end of each round
};

bool endScreen = false;
int endPasses = 0;

// The end screen loops on its own until Enter, sleeping 1 ms a pass: the
// fake clock's delay hook presses Enter once it has shown for a while.
void OnDelay()
{
    if (endScreen && ++endPasses >= END_PASSES)
        HoldKey(SDLK_RETURN);
}

bool SoakPlay(int frameTarget, Tally& t)
{
    FakeClock clock;
    clock.OnDelay(OnDelay);
    int titleFrames = 0;
    int tryFrames = 0;
    Style style = CARELESS;
    std::unique_ptr<ScriptedPlayer> bot;

    while (t.frames < frameTarget || t.rounds == 0) {
        int modeBefore = mode, levelBefore = level;
        ReleaseAllKeys();
        if (mode == MODE_TITLE) {
            if (++titleFrames > TITLE_FRAMES)
                HoldKey(SDLK_RETURN);
        } else if (mode == MODE_LEVEL) {
            unsigned keys = style == RECKLESS ? (unsigned)HOLD_RIGHT : bot->Decide();
            HoldKeys(keys);
        } else if (mode == MODE_INTRO && level == 4) {
            endScreen = true;
            endPasses = 0;
        }

        clock.ClearDelays();
        MainLoop();
        t.frames++;
        tryFrames++;
        endScreen = false;

        // A frame that waited out a card built a level: a new level, or a restart.
        bool built = clock.Delays().size() > 100;
        if (built)
            t.builds++;
        if (modeBefore == MODE_LEVEL && mode == MODE_LEVEL && built) {
            t.deaths[style]++;
            style = style == RECKLESS ? CARELESS : CAREFUL;
            bot.reset(new ScriptedPlayer(style == CAREFUL ? (unsigned)HOLD_C : 0u));
            tryFrames = 0;
        } else if (modeBefore == MODE_INTRO && mode == MODE_LEVEL) {
            style = level == 2 ? RECKLESS : CARELESS;
            bot.reset(new ScriptedPlayer(0));
            tryFrames = 0;
        } else if (modeBefore == MODE_LEVEL && mode == MODE_INTRO) {
            t.finished++;
        } else if (modeBefore == MODE_INTRO && levelBefore == 4 && mode == MODE_TITLE) {
            titleFrames = 0;
            t.roundEnds.push_back({t.frames, ResidentBytes()});
            if (++t.rounds == 1) {
                t.roundEndRss = ResidentBytes();
                t.roundEndFrame = t.frames;
                t.highestAfter = t.roundEndRss;
            }
        }
        if (mode == MODE_LEVEL && tryFrames > ATTEMPT_LIMIT) {
            fprintf(stderr, "soak: stuck on level %d after %d frames of a %s try\n", level, tryFrames,
                    STYLE_NAMES[style]);
            return false;
        }
        if (t.rounds > 0)
            t.highestAfter = std::max(t.highestAfter, ResidentBytes());
    }
    t.endRss = ResidentBytes();
    return true;
}

bool SoakTitle(int frameTarget, Tally& t)
{
    FakeClock clock;
    const int SETTLE = 100;  // frames before the first reading: the title's first load and SDL's own start
    while (t.frames < frameTarget) {
        ReleaseAllKeys();
        clock.ClearDelays();  // the fake clock keeps every delay asked for
        MainLoop();
        t.frames++;
        if (t.frames == SETTLE) {
            t.roundEndRss = ResidentBytes();
            t.roundEndFrame = t.frames;
            t.highestAfter = t.roundEndRss;
        } else if (t.frames > SETTLE) {
            t.highestAfter = std::max(t.highestAfter, ResidentBytes());
        }
    }
    t.endRss = ResidentBytes();
    return mode == MODE_TITLE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (strcmp(argv[1], "play") != 0 && strcmp(argv[1], "title") != 0)) {
        fprintf(stderr, "usage: soak play|title <frames> [--no-memory-check]\n");
        return 2;
    }
    bool play = strcmp(argv[1], "play") == 0;
    int target = atoi(argv[2]);
    bool judgeMemory = !(argc > 3 && strcmp(argv[3], "--no-memory-check") == 0);

    Start();
    long startRss = ResidentBytes();
    Tally t;
    bool ran = play ? SoakPlay(target, t) : SoakTitle(target, t);

    printf("soak %s: %d frames", argv[1], t.frames);
    if (play) {
        printf(", %d full rounds, %d levels finished, %d level builds; deaths: %d reckless (falls), "
               "%d careless (shellers), %d careful",
               t.rounds, t.finished, t.builds, t.deaths[RECKLESS], t.deaths[CARELESS], t.deaths[CAREFUL]);
    }
    printf("\nresident memory: %.2f MB at the start, %.2f MB at frame %d (%s), highest after it %.2f MB, "
           "%.2f MB at the end: grew %.3f MB\n",
           Megabytes(startRss), Megabytes(t.roundEndRss), t.roundEndFrame,
           play ? "the end of the first round" : "settled", Megabytes(t.highestAfter), Megabytes(t.endRss),
           Megabytes(t.highestAfter - t.roundEndRss));

    for (size_t r = 0; r < t.roundEnds.size(); r++)
        printf("round %zu ended at frame %d with %.2f MB resident\n", r + 1, t.roundEnds[r].first,
               Megabytes(t.roundEnds[r].second));

    bool ok = ran;
    if (play && (t.deaths[RECKLESS] == 0 || t.deaths[CARELESS] == 0)) {
        printf("FAIL: the run had no %s death\n", t.deaths[RECKLESS] == 0 ? "falling" : "sheller");
        ok = false;
    }
    if (judgeMemory && t.highestAfter - t.roundEndRss >= GROWTH_LIMIT) {
        printf("FAIL: resident memory grew by %.3f MB, the limit is %.3f MB\n",
               Megabytes(t.highestAfter - t.roundEndRss), Megabytes(GROWTH_LIMIT));
        ok = false;
    }
    fflush(stdout);
    return ok ? 0 : 1;
}
