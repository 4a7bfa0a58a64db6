// The fairness report's search: a beam search over short key runs, from saved states of the real game.
#include "search.h"

#include <algorithm>

#include "keyscript.h"
#include "play.h"

namespace {

// Macro-actions: keys held for a few frames. Up starts a jump only from the
// ground and down only cuts a rising jump short, so these cover walking either
// way, standing, jumping while walking or in place, and jumps of any height.
const unsigned ACTIONS[] = {HOLD_RIGHT, HOLD_RIGHT | HOLD_UP, HOLD_RIGHT | HOLD_DOWN, 0, HOLD_UP, HOLD_DOWN, HOLD_LEFT, HOLD_LEFT | HOLD_UP};

// True when, from this state, holding `keys` for a macro-action cannot differ
// from holding them without up or without down, which the search tries too.
bool Redundant(unsigned keys, const GameState& s)
{
    // Down acts only on a rising jump, and none can start without up.
    if ((keys & HOLD_DOWN) && !s.jumping)
        return true;
    // Up acts only from the ground; a jump that rises through the whole
    // macro-action keeps the player off it.
    if ((keys & HOLD_UP) && s.jumping && s.jumpingHeight + 8 * MACRO <= 149)
        return true;
    return false;
}

// One macro-action in the tree of everything the search kept.
struct Move
{
    int parent;  // index in the tree, -1 at the start
    unsigned char keys;
    unsigned char frames;
};

struct Node
{
    GameState state;
    int move;  // the last move that led here, -1 at the start
    int deadShellers;
};

std::vector<unsigned> Unroll(const std::vector<Move>& tree, int move)
{
    std::vector<unsigned> keys;
    for (int m = move; m >= 0; m = tree[m].parent)
        keys.insert(keys.end(), tree[m].frames, tree[m].keys);
    std::reverse(keys.begin(), keys.end());
    return keys;
}

const int DEATHS_BEHIND = 400;  // deaths this far behind the furthest place are forgotten

}  // namespace

SearchResult Search(int width, int frameLimit)
{
    SearchResult result;
    std::vector<Move> tree;
    std::vector<Node> beam(1), children;
    Save(beam[0].state);
    beam[0].move = -1;
    beam[0].deadShellers = 0;
    searching = true;

    for (int frames = 0; frames < frameLimit && !beam.empty(); frames += MACRO) {
        children.clear();
        for (const Node& node : beam) {
            for (unsigned keys : ACTIONS) {
                if (Redundant(keys, node.state))
                    continue;
                Restore(node.state);
                bool alive = true, done = false;
                int f = 0;
                while (f < MACRO && alive && !done) {
                    alive = Frame(keys);
                    f++;
                    result.simulated++;
                    done = mode == MODE_INTRO;
                }
                if (!alive) {
                    Death d = {location, killer, 0, 0, 0};
                    if (killer >= 0) {
                        d.speed = object[killer].GetMoveSpeed();
                        d.type = object[killer].GetType();
                        d.shellerX = object[killer].GetX() + location;
                    }
                    if (location >= result.furthest - DEATHS_BEHIND)
                        result.deaths.push_back(d);
                    continue;
                }
                tree.push_back({node.move, (unsigned char)keys, (unsigned char)f});
                result.furthest = std::max(result.furthest, location);
                if (done) {
                    searching = false;
                    result.finished = true;
                    result.keys = Unroll(tree, (int)tree.size() - 1);
                    return result;
                }
                children.emplace_back();
                Node& child = children.back();
                Save(child.state);
                child.move = (int)tree.size() - 1;
                child.deadShellers = DeadShellers();
            }
        }
        std::sort(children.begin(), children.end(), [](const Node& a, const Node& b) {
            const GameState &s = a.state, &t = b.state;
            if (s.location != t.location) return s.location > t.location;
            if (s.player.GetY() != t.player.GetY()) return s.player.GetY() < t.player.GetY();
            if (s.jumping != t.jumping) return s.jumping;
            if (s.falling != t.falling) return s.falling;
            if (s.jumpingHeight != t.jumpingHeight) return s.jumpingHeight < t.jumpingHeight;
            return a.deadShellers > b.deadShellers;
        });
        beam.clear();
        for (size_t i = 0; i < children.size() && (int)beam.size() < width; i++)
            if (beam.empty() || !SamePlayer(children[i].state, beam.back().state))
                beam.push_back(std::move(children[i]));

        // Keep the record of deaths to those near the front.
        if (result.deaths.size() > 100000) {
            int front = result.furthest - DEATHS_BEHIND;
            result.deaths.erase(std::remove_if(result.deaths.begin(), result.deaths.end(),
                                               [front](const Death& d) { return d.location < front; }),
                                result.deaths.end());
        }
    }
    searching = false;
    int front = result.furthest - DEATHS_BEHIND;
    result.deaths.erase(std::remove_if(result.deaths.begin(), result.deaths.end(),
                                       [front](const Death& d) { return d.location < front; }),
                        result.deaths.end());
    return result;
}

