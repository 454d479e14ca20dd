#include "windows/VLServerDLL/VLKeyGesture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Key data of a Shift event: the scan code in bits 16-23, bit 30 for a repeat, bit 31 for a
// release.
constexpr intptr_t kLeft = 0x2A;
constexpr intptr_t kRight = 0x36;
intptr_t Down(intptr_t scan) {
  return (scan << 16) | 1;
}
intptr_t Repeat(intptr_t scan) {
  return (scan << 16) | (intptr_t(1) << 30) | 1;
}
intptr_t Up(intptr_t scan) {
  return static_cast<intptr_t>(static_cast<uint32_t>((scan << 16) | 0xC0000001u));
}

int Gestures(const std::vector<intptr_t>& events) {
  VLKeyGesture gesture;
  int count = 0;
  for (intptr_t event : events) count += gesture.Feed(event) ? 1 : 0;
  return count;
}

TEST(VLKeyGestureTest, Sequences) {
  const struct {
    const char* m_szName;
    std::vector<intptr_t> m_events;
    int m_iGestures;
  } kCases[] = {
      {"left held, right pressed, left released",
       {Down(kLeft), Repeat(kLeft), Repeat(kLeft), Down(kRight), Repeat(kRight), Repeat(kRight),
        Up(kLeft), Up(kRight)},
       1},
      {"right held, left pressed, right released",
       {Down(kRight), Down(kLeft), Up(kRight), Up(kLeft)},
       1},
      {"second key released first", {Down(kLeft), Down(kRight), Up(kRight), Up(kLeft)}, 0},
      {"single press", {Down(kLeft), Repeat(kLeft), Up(kLeft)}, 0},
      {"reset after a wrong release, then a gesture",
       {Down(kLeft), Down(kRight), Up(kRight), Up(kLeft), Down(kLeft), Down(kRight), Up(kLeft)},
       1},
      {"two gestures", {Down(kLeft), Down(kRight), Up(kLeft), Down(kLeft), Up(kRight)}, 1},
      {"a release alone", {Up(kLeft)}, 0},
  };
  for (const auto& c : kCases) EXPECT_EQ(Gestures(c.m_events), c.m_iGestures) << c.m_szName;
}

TEST(VLKeyGestureTest, AWrongReleaseResetsTheState) {
  VLKeyGesture gesture;
  EXPECT_FALSE(gesture.Feed(Down(kLeft)));
  EXPECT_FALSE(gesture.Feed(Down(kRight)));
  EXPECT_FALSE(gesture.Feed(Up(kRight)));
  // Still holding left: pressing right again only starts a new first key.
  EXPECT_FALSE(gesture.Feed(Down(kRight)));
  EXPECT_FALSE(gesture.Feed(Up(kLeft)));
  EXPECT_FALSE(gesture.Feed(Down(kLeft)));
  EXPECT_FALSE(gesture.Feed(Down(kRight)));
  EXPECT_TRUE(gesture.Feed(Up(kLeft)));
}

}  // namespace
