#include <gtest/gtest.h>

#include "schedule/ClockTexts.h"

namespace {

using schedule::LocalTimeText;
using schedule::RunningTimeText;

TEST(ClockTexts, LocalTimeHasNoPadding) {
  EXPECT_EQ(LocalTimeText({9, 5, 3}), u"9:5:3");
  EXPECT_EQ(LocalTimeText({0, 0, 0}), u"0:0:0");
  EXPECT_EQ(LocalTimeText({12, 30, 0}), u"12:30:0");
  EXPECT_EQ(LocalTimeText({23, 59, 59}), u"23:59:59");
  EXPECT_EQ(LocalTimeText({7, 8, 9}), u"7:8:9");
}

TEST(ClockTexts, RunningTimeTable) {
  const struct {
    uint32_t tick;
    const char16_t* text;
  } table[] = {
      {0, u"00:00:00"},          {999, u"00:00:00"},        {1000, u"00:00:01"},
      {60000, u"00:01:00"},      {3599999, u"00:59:59"},    {3600000, u"01:00:00"},
      {86400000, u"24:00:00"},   {360000000, u"100:00:00"}, {2147483648u, u"596:31:23"},
      {4294967295u, u"1193:02:47"}, {25689000, u"07:08:09"}, {359999999, u"99:59:59"},
  };
  for (const auto& row : table) EXPECT_EQ(RunningTimeText(row.tick), row.text) << row.tick;
}

TEST(ClockTexts, RunningTimeWrapsWithTheTickCount) {
  const uint32_t last = 4294967295u;
  EXPECT_EQ(RunningTimeText(last + 1u), u"00:00:00");
  EXPECT_EQ(RunningTimeText(last + 1001u), u"00:00:01");
}

}  // namespace
