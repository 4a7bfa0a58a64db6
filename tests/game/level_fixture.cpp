// The hand-built world of the level-play tests.
#include "level_fixture.h"

#include <string>

#include "game/zarvell2.h"

void LevelPlay::SetUp()
{
    ResetGame();
    ReleaseAllKeys();
    for (const char* name : {"zarvell-right_all-1", "zarvell-right_all-2", "zarvell-left_all-1", "zarvell-left_all-2"})
        WritePicture(std::string("data/art/") + name + ".png", PLAYER_W, PLAYER_H, 220, 180, 40);
    WritePicture("data/art/sheller-left_walking-1.png", SHELLER_W, SHELLER_H, 30, 160, 60);
    WritePicture("data/art/sheller-right_walking-1.png", SHELLER_W, SHELLER_H, 30, 160, 60);
    WritePicture("data/art/sheller-dead-1.png", DEAD_W, DEAD_H, 90, 90, 90);
    WritePicture("ground.png", 600, 75);
    WritePicture("ledge.png", 200, 20);
    WritePicture("wall.png", 40, 300);
    WritePicture("block.png", 100, 200);
    mode = MODE_LEVEL;
    level = 1;
    levelEnd = NO_END;
    startTime = clock.Now();
}

void LevelPlay::PutPlayer(int y)
{
    player.SetExists(true);
    player.LoadFrame(0, "data/art/zarvell-right_all-1.png");
    player.LoadFrame(0, "data/art/zarvell-right_all-2.png");
    player.LoadFrame(1, "data/art/zarvell-left_all-1.png");
    player.LoadFrame(1, "data/art/zarvell-left_all-2.png");
    player.SetType(TYPE_RIGHT);
    player.SetSpeed(10);
    player.SetPos(150, y);
}

int LevelPlay::PutPlatform(int x, int y, const char* file)
{
    AddPlatform(x, y, file, 0);
    return numObjects - 1;
}

int LevelPlay::PutSheller(int x, int y, int type, int speed)
{
    int n = numObjects++;
    zve_Object& s = object[n];
    s.SetExists(true);
    s.SetStatus(STATUS_ENEMY);
    s.LoadFrame(0, "data/art/sheller-left_walking-1.png");
    s.LoadFrame(1, "data//art/sheller-right_walking-1.png");
    s.LoadFrame(TYPE_DEAD, "data//art/sheller-dead-1.png");
    s.SetType(type);
    s.SetMovementType(MOVE_PATROL);
    s.SetMoveSpeed(speed);
    s.SetPos(x, y);
    return n;
}

void LevelPlay::Frame(const std::vector<int>& keys)
{
    ReleaseAllKeys();
    for (int key : keys)
        HoldKey(key);
    startTime = clock.Now();
    ::testing::internal::CaptureStderr();  // a restart here reports the level's missing pictures
    Level();
    ::testing::internal::GetCapturedStderr();
}

void LevelPlay::RunPlayerTable(const std::vector<PlayerRow>& rows)
{
    int done = 0;
    for (const PlayerRow& row : rows) {
        while (done < row.frame) {
            Frame(row.keys);
            done++;
        }
        EXPECT_EQ(player.GetY(), row.y) << "frame " << row.frame;
        EXPECT_EQ(jumping, row.jumping) << "frame " << row.frame;
        EXPECT_EQ(falling, row.falling) << "frame " << row.frame;
        EXPECT_EQ(jumpingHeight, row.jumpingHeight) << "frame " << row.frame;
    }
}
