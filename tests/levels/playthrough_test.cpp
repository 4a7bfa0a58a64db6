// Whole levels played by the scripted player: each can be finished, and a recorded run replays exactly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "fixtures.h"
#include "globals.h"
#include "scripted_player.h"

namespace {

const int FRAME_LIMIT = 4000;  // 80 s of play; the levels take 20 to 40

// A recorded run: the seed, the keys of every frame, and where it left the game.
struct Golden
{
    unsigned seed = 0;
    int frames = 0, location = 0, playerY = 0, shellersDead = 0;
    long long shellerXSum = 0;
    std::string script;
};

std::string GoldenPath(int number)
{
    return std::string(GOLDEN_DIR) + "/level" + std::to_string(number) + ".txt";
}

bool ReadGolden(int number, Golden& g)
{
    std::ifstream in(GoldenPath(number));
    std::map<std::string, std::string> fields;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        size_t space = line.find(' ');
        fields[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    if (fields.size() < 7)
        return false;
    g.seed = std::stoul(fields["seed"]);
    g.frames = std::stoi(fields["frames"]);
    g.location = std::stoi(fields["location"]);
    g.playerY = std::stoi(fields["playerY"]);
    g.shellersDead = std::stoi(fields["shellersDead"]);
    g.shellerXSum = std::stoll(fields["shellerXSum"]);
    g.script = fields["script"];
    return true;
}

void WriteGolden(int number, unsigned seed, const LevelRun& run)
{
    std::ofstream out(GoldenPath(number));
    out << "# Level " << number << " as the scripted player finished it, and where the run left the game.\n"
        << "# Rewritten by running the playthrough tests with ZARVELL2_WRITE_GOLDEN=1.\n"
        << "seed " << seed << "\nframes " << run.frames << "\nlocation " << run.location
        << "\nplayerY " << run.playerY << "\nshellersDead " << run.shellersDead
        << "\nshellerXSum " << run.shellerXSum << "\nscript " << EncodeScript(run.keys) << "\n";
}

class Playthrough : public ::testing::Test
{
protected:
    void SetUp() override { ResetGame(); }
    void TearDown() override { ResetGame(); }
};

TEST_F(Playthrough, TheScriptedPlayerFinishesEveryLevel)
{
    for (int number = 1; number <= 3; number++) {
        for (unsigned seed : {1u, 2u}) {
            ScriptedPlayer bot;
            LevelRun run = PlayLevel(number, seed, FRAME_LIMIT, [&bot](int) { return bot.Decide(); });
            EXPECT_TRUE(run.finished) << "level " << number << " seed " << seed << ": "
                                      << (run.died ? "died" : "ran out of frames") << " at location "
                                      << run.location << " after " << run.frames << " frames\nreplay: "
                                      << EncodeScript(run.keys);
            EXPECT_EQ(bot.Mismatches(), 0) << "the player went where the model did not expect, level " << number;
            if (run.finished && seed == 1 && getenv("ZARVELL2_WRITE_GOLDEN"))
                WriteGolden(number, seed, run);
        }
    }
}

// Every jump, step and sign of every level can be made by someone who changes
// keys only on a beat of eight frames (160 ms), whatever the beat's phase: no
// gap or step asks for a timing finer than a person's.
TEST_F(Playthrough, NoLevelAsksForTimingFinerThanEightFrames)
{
    const int beat = 8;
    for (int number = 1; number <= 3; number++) {
        for (int phase = 0; phase < beat; phase++) {
            ScriptedPlayer bot(HOLD_C, beat, phase);
            LevelRun run = PlayLevel(number, 1, FRAME_LIMIT, [&bot](int) { return bot.Decide(); });
            EXPECT_TRUE(run.finished) << "level " << number << " phase " << phase << ": "
                                      << (run.died ? "died" : "ran out of frames") << " at location "
                                      << run.location << "\nreplay: " << EncodeScript(run.keys);
            EXPECT_EQ(bot.Mismatches(), 0);
        }
    }
}

TEST_F(Playthrough, RecordedRunsReplayToTheSameEnd)
{
    for (int number = 1; number <= 3; number++) {
        SCOPED_TRACE("level " + std::to_string(number));
        Golden g;
        ASSERT_TRUE(ReadGolden(number, g)) << GoldenPath(number);
        std::vector<unsigned> keys;
        ASSERT_TRUE(DecodeScript(g.script, keys));
        ASSERT_EQ((int)keys.size(), g.frames);
        LevelRun run = PlayLevel(number, g.seed, g.frames, [&keys](int frame) { return keys[frame]; });
        EXPECT_TRUE(run.finished);
        EXPECT_FALSE(run.died);
        EXPECT_EQ(run.frames, g.frames);
        EXPECT_EQ(run.location, g.location);
        EXPECT_EQ(run.playerY, g.playerY);
        EXPECT_EQ(run.shellersDead, g.shellersDead);
        EXPECT_EQ(run.shellerXSum, g.shellerXSum);
    }
}

TEST(KeyScript, EncodesRunsOfFramesAndRejectsNonsense)
{
    const std::vector<unsigned> frames = {HOLD_RIGHT | HOLD_C, HOLD_RIGHT | HOLD_C, 0, 0, 0,
                                          HOLD_RIGHT | HOLD_UP | HOLD_C, HOLD_LEFT | HOLD_DOWN};
    const std::string script = "RC2 -3 RUC1 LD1";
    EXPECT_EQ(EncodeScript(frames), script);
    std::vector<unsigned> back;
    ASSERT_TRUE(DecodeScript(script, back));
    EXPECT_EQ(back, frames);
    for (const char* bad : {"R", "X3", "R0", "3", "RC2x", "- 3"})
        EXPECT_FALSE(DecodeScript(bad, back)) << bad;
}

}  // namespace
