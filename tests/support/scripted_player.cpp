// The scripted player: a model of the player among platforms, a planner over it, and the level runner.
#include "scripted_player.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include "engine/tools.h"
#include "fake_clock.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "keys.h"
#include "levels/levels.h"

LevelRun PlayLevel(int number, unsigned seed, int frameLimit, const std::function<unsigned(int)>& decide)
{
    static void (*const loaders[])() = {LoadLevelOne, LoadLevelTwo, LoadLevelThree};
    LevelRun run;
    FakeClock clock;
    // Drawing is the bulk of a frame's work and nothing here looks at the
    // picture: draw onto a one-pixel surface instead of the display.
    SDL_Surface* display = zve_screen;
    SDL_Surface* pixel = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    zve_screen = pixel;
    srand(seed);
    ReleaseAllKeys();
    level = number;
    mode = MODE_LEVEL;
    falling = true;
    jumping = false;
    jumpingHeight = 0;
    playMusic = false;
    loaders[number - 1]();

    while (run.frames < frameLimit) {
        unsigned keys = decide(run.frames);
        HoldKeys(keys);
        run.keys.push_back(keys);
        startTime = clock.Now();
        clock.ClearDelays();
        Level();
        run.frames++;
        // Within a frame only a restart's card waits: a death.
        if (!clock.Delays().empty()) {
            run.died = true;
            break;
        }
        if (mode == MODE_INTRO) {
            run.finished = true;
            break;
        }
    }
    ReleaseAllKeys();
    zve_screen = display;
    SDL_FreeSurface(pixel);
    run.location = location;
    run.playerY = player.GetY();
    for (int i = 0; i < numObjects; i++) {
        if (object[i].GetStatus() != STATUS_ENEMY)
            continue;
        run.shellerXSum += object[i].GetX();
        if (object[i].GetType() == TYPE_DEAD)
            run.shellersDead++;
    }
    return run;
}

namespace {

// A platform as it stood when the plan was made.
struct Box
{
    int x, y, w, h;
};

// The player as the model sees it. `off` is how far the world has scrolled
// since the plan was made: a platform then at x is now at x - off.
struct State
{
    int off, y;
    bool jumping, falling;
    int jumpingHeight;
};

struct World
{
    std::vector<Box> platforms;
    int px, pw, ph;
};

// One frame of the player among the platforms, as level play moves it.
// False when the player falls below the screen.
bool Step(const World& w, const State& s, unsigned keys, State& n)
{
    n = s;
    int walk = 0;
    if (keys & HOLD_RIGHT) walk = 1;
    if (keys & HOLD_LEFT) walk = -1;
    if ((keys & HOLD_UP) && !n.jumping && !n.falling) {
        n.jumping = true;
        n.jumpingHeight = 0;
    }
    if (n.jumping) {
        if ((keys & HOLD_DOWN) || n.jumpingHeight > 149) {
            n.jumping = false;
            n.falling = true;
            n.jumpingHeight = 0;
        } else {
            n.y -= 8;
            n.jumpingHeight += 8;
        }
    } else {
        n.falling = true;
    }
    bool canLeft = true, canRight = true;
    for (const Box& b : w.platforms) {
        int ox = b.x - s.off;
        if (ox > 639 || ox <= -5000)
            continue;
        if (n.falling && Collision(w.px, ox, n.y + w.ph - 20, b.y, w.pw, b.w, 20, b.h) &&
            !Collision(w.px, ox, n.y, b.y, w.pw, b.w, w.ph - 30, b.h)) {
            n.y = b.y - w.ph;
            n.falling = false;
        }
        if (Collision(w.px, ox, n.y, b.y, 6, b.w, w.ph - 20, b.h))
            canLeft = false;
        else if (Collision(w.px + w.pw, ox, n.y, b.y, 6, b.w, w.ph - 10, b.h))
            canRight = false;
    }
    if (walk == 1 && canRight)
        n.off += 9;
    else if (walk == -1 && canLeft)
        n.off -= 9;
    if (n.falling)
        n.y += 8;
    return n.y <= 480;
}

const int HORIZON = 100;      // frames the planner looks ahead
const int REPLAN_AFTER = 12;  // frames played from each plan (a multiple of every beat used)
const unsigned CHOICES[] = {HOLD_RIGHT, HOLD_RIGHT | HOLD_UP, HOLD_RIGHT | HOLD_DOWN, 0, HOLD_LEFT};

struct Node
{
    State s;
    int parent;  // index in the previous layer
    unsigned keys;
};

}  // namespace

ScriptedPlayer::ScriptedPlayer(unsigned held, int beat, int shift)
    : alwaysHeld(held), granularity(beat), phase(shift)
{
}

// Searches the model breadth first, one beat of `granularity` frames with the
// same keys at a time. Of the states with the same vertical motion only the
// one furthest right is kept: it can do all the others can. The plan leads to
// the end of the level if it is in reach, else to the furthest place where the
// player stands on a platform.
void ScriptedPlayer::Plan()
{
    World w;
    w.px = player.GetX();
    w.pw = player.GetWidth();
    w.ph = player.GetHeight();
    int reach = 9 * HORIZON + 700;
    for (int i = 0; i < numObjects; i++) {
        const zve_Object& o = object[i];
        if (o.GetStatus() == STATUS_PLATFORM && o.GetX() < w.px + reach && o.GetX() + o.GetWidth() > w.px - reach)
            w.platforms.push_back({o.GetX(), o.GetY(), o.GetWidth(), o.GetHeight()});
    }
    int toGo = levelEnd - location;

    std::vector<std::vector<Node>> layers(1);
    layers[0].push_back({{0, player.GetY(), jumping, falling, jumpingHeight}, -1, 0});
    int bestLayer = 0, bestIndex = 0, bestOff = 0;
    bool goal = false;
    for (int t = 1; t <= HORIZON / granularity && !goal; t++) {
        std::map<std::tuple<int, bool, bool, int>, int> seen;  // vertical motion -> index
        std::vector<Node> next;
        for (int i = 0; i < (int)layers[t - 1].size() && !goal; i++) {
            for (unsigned keys : CHOICES) {
                State n = layers[t - 1][i].s;
                bool alive = true;
                for (int f = 0; f < granularity && alive; f++) {
                    State before = n;
                    alive = Step(w, before, keys, n);
                }
                if (!alive)
                    continue;
                auto key = std::make_tuple(n.y, n.jumping, n.falling, n.jumpingHeight);
                auto found = seen.find(key);
                if (found == seen.end()) {
                    seen[key] = next.size();
                    next.push_back({n, i, keys});
                } else if (next[found->second].s.off < n.off) {
                    next[found->second] = {n, i, keys};
                } else {
                    continue;
                }
                if (n.off >= toGo) {
                    goal = true;
                    bestLayer = t, bestIndex = seen[key], bestOff = n.off;
                    break;
                }
            }
        }
        layers.push_back(next);
        if (goal)
            break;
        for (int i = 0; i < (int)layers[t].size(); i++) {
            const State& s = layers[t][i].s;
            if (!s.falling && !s.jumping && s.off > bestOff)
                bestLayer = t, bestIndex = i, bestOff = s.off;
        }
    }

    // Walk back from the chosen state; the plan holds the first frame at its
    // back. Only the last frame of each beat has a known y.
    plan.clear();
    expectedY.clear();
    for (int t = bestLayer, i = bestIndex; t > 0; i = layers[t][i].parent, t--) {
        for (int f = 0; f < granularity; f++) {
            plan.push_back(layers[t][i].keys);
            expectedY.push_back(f == 0 ? layers[t][i].s.y : -100000);
        }
    }
    if (plan.empty()) {  // nowhere better to go: stand a beat and look again
        plan.assign(granularity, 0);
        expectedY.assign(granularity, -100000);
    }
    // Play only the start of a long plan, whole beats of it, then look again.
    int keep = (REPLAN_AFTER + granularity - 1) / granularity * granularity;
    if ((int)plan.size() > keep) {
        plan.erase(plan.begin(), plan.end() - keep);
        expectedY.erase(expectedY.begin(), expectedY.end() - keep);
    }
}

unsigned ScriptedPlayer::Decide()
{
    if (predicting && predictedY != -100000 && player.GetY() != predictedY) {
        mismatches++;
        plan.clear();
    }
    // Before the first beat the keys are still up.
    if (frame++ < phase)
        return alwaysHeld;
    if (plan.empty())
        Plan();
    unsigned keys = plan.back();
    plan.pop_back();
    predictedY = expectedY.back();
    expectedY.pop_back();
    predicting = true;
    return keys | alwaysHeld;
}
