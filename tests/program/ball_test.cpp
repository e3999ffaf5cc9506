// Where the scene's balls go, from the generator's first state.
#include <gtest/gtest.h>

#include <cmath>

#include "program/scene.h"
#include "runtime/numeric/numeric.h"

namespace {

TEST(Balls, TheFirstThreeBallsFromSeedOne) {
  RandSeed = 1;
  const struct {
    double x, y;
    int16_t r;
  } balls[] = {{440, 165, 28}, {269, 177, 49}, {392, 161, 21}};
  for (const auto& want : balls) {
    PlaceNextBall();
    EXPECT_EQ(SceneVariables.X, want.x);
    EXPECT_EQ(SceneVariables.Y, want.y);
    EXPECT_EQ(SceneVariables.R, want.r);
  }
  EXPECT_EQ(RandSeed, [] {
    uint32_t s = 1;
    for (int i = 0; i < 18; ++i) s = s * 1103515245u + 12345u;
    return s;
  }()) << "six generator steps per ball";
}

TEST(Balls, TheFiveCirclesOfTheFirstBall) {
  const auto circles = BallCircles(440, 165, 28);
  const BallCircle want[5] = {
      {438, 333, 28, 0, 0.2, 0},  // shadow: 165 / 5 + 300 = 333
      {438, 157, 28, 0, 1, 0},    // rim
      {435, 155, 25, 1, 1, 1},    // body
      {430, 153, 21, 5, 1, 5},    // shading
      {425, 149, 9, 7, 1, 7},     // highlight
  };
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(circles[i].x, want[i].x) << "circle " << i;
    EXPECT_EQ(circles[i].y, want[i].y) << "circle " << i;
    EXPECT_EQ(circles[i].radius, want[i].radius) << "circle " << i;
    EXPECT_EQ(circles[i].colour, want[i].colour) << "circle " << i;
    EXPECT_EQ(circles[i].aspect, want[i].aspect) << "circle " << i;
    EXPECT_EQ(circles[i].fill_colour, want[i].fill_colour) << "circle " << i;
  }
}

TEST(Balls, EveryBallOfTheRunStaysInItsRanges) {
  RandSeed = 1;
  for (int ball = 0; ball < 500; ++ball) {
    PlaceNextBall();
    const auto& v = SceneVariables;
    ASSERT_TRUE(v.X >= 20 && v.X <= 619 && v.Y >= 40 && v.Y <= 259 && v.R >= 20 && v.R <= 49)
        << "ball " << ball << ": " << v.X << ", " << v.Y << ", " << v.R;
    const auto circles = BallCircles(v.X, v.Y, v.R);
    EXPECT_GE(circles[4].radius, 1) << "the highlight never vanishes";
    // The shadow's centre is never a tie, so its rounding is plain.
    EXPECT_NE(std::fmod(v.Y / 5 + 300, 1.0), 0.5);
  }
}

}  // namespace
