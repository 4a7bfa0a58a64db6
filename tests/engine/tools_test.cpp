// The rectangle overlap test, the object overlap test and bounded random numbers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "engine/tools.h"
#include "engine/zvengine.h"
#include "fixtures.h"

namespace {

struct Overlap
{
    const char* what;
    int x1, x2, y1, y2, w1, w2, h1, h2;
    bool hits;
};

const Overlap overlaps[] = {
    {"touching along x = 10", 0, 10, 0, 0, 10, 5, 10, 10, true},
    {"one-pixel gap", 0, 11, 0, 0, 10, 5, 10, 10, false},
    {"touching along y = 10", 0, 0, 0, 10, 10, 10, 10, 5, true},
    {"one-pixel gap below", 0, 0, 0, 11, 10, 10, 10, 5, false},
    {"touching at a corner", 0, 10, 0, 10, 10, 5, 10, 5, true},
    {"first encloses second", 0, 2, 0, 2, 10, 3, 10, 3, true},
    {"second encloses first", 2, 0, 2, 0, 3, 10, 3, 10, true},
    {"two points at the same place", 5, 5, 5, 5, 0, 0, 0, 0, true},
    {"point on an edge", 10, 0, 3, 0, 0, 10, 0, 10, true},
    {"x overlaps, y apart", 0, 5, 0, 100, 10, 10, 10, 10, false},
    {"y overlaps, x apart", 0, 100, 0, 5, 10, 10, 10, 10, false},
    {"negative width starting inside", 12, 10, 0, 0, -5, 5, 10, 10, true},
    {"negative height ending above", 0, 0, 30, 10, 10, 10, -25, 10, true},
    {"negative height, start below", 0, 0, 30, 10, 10, 10, -5, 10, false},
    {"first inside, no shared edge", 3, 0, 3, 0, 2, 10, 2, 10, true},
};

TEST(Collision, TableOfCases)
{
    for (const Overlap& c : overlaps)
        EXPECT_EQ(Collision(c.x1, c.x2, c.y1, c.y2, c.w1, c.w2, c.h1, c.h2), c.hits) << c.what;
}

TEST(Collision, ObjectsUseTheirCurrentFrames)
{
    ScratchFolder folder;
    WritePicture("box.png", 20, 10);
    WritePicture("wide.png", 60, 10);
    TestObject a, b;
    a.SetExists(true);
    a.LoadFrame(0, "box.png");
    a.LoadFrame(1, "wide.png");
    a.SetType(TYPE_RIGHT);
    b.SetExists(true);
    b.LoadFrame(0, "box.png");
    b.SetType(TYPE_RIGHT);
    b.SetPos(50, 5);

    EXPECT_TRUE(CollisionObjects(a, a)) << "an object meets itself";
    EXPECT_FALSE(CollisionObjects(a, b)) << "20 wide at 0 does not reach 50";
    a.SetType(TYPE_LEFT);
    EXPECT_TRUE(CollisionObjects(a, b)) << "60 wide does";
    EXPECT_TRUE(CollisionObjects(b, a));
    b.SetPos(50, 11);
    EXPECT_FALSE(CollisionObjects(a, b)) << "one pixel below";
}

struct Range
{
    int min, max;
    int low, high;  // what may come out
};

TEST(RandomNumber, StaysInRangeAndReachesBothEnds)
{
    const Range ranges[] = {
        {1, 1, 1, 1}, {0, 4, 1, 4}, {-3, 2, 1, 2}, {1, 2, 1, 2}, {1, 5, 1, 5},
        {1, 10, 1, 10}, {4, 8, 4, 8}, {2, 9, 2, 9}, {4, 14, 4, 14}, {10, 18, 10, 18}, {3, 10, 3, 10},
    };
    srand(12345);
    for (const Range& r : ranges) {
        std::set<int> seen;
        for (int i = 0; i < 2000; i++) {
            int n = RandomNumber(r.min, r.max);
            ASSERT_GE(n, r.low) << r.min << ".." << r.max;
            ASSERT_LE(n, r.high) << r.min << ".." << r.max;
            seen.insert(n);
        }
        EXPECT_EQ((int)seen.size(), r.high - r.low + 1) << "every value turns up: " << r.min << ".." << r.max;
    }
}

TEST(RandomNumber, SameSeedSameSequence)
{
    srand(77);
    int first[20];
    for (int& n : first)
        n = RandomNumber(10, 18);
    srand(77);
    for (int n : first)
        EXPECT_EQ(RandomNumber(10, 18), n);
}

}  // namespace
