#include <gtest/gtest.h>

#include "schedule/TrayHint.h"

namespace {

using namespace schedule;
using platform::Text;

TEST(TrayHintText, FiveLinesJoinedByCrLfWithoutATrailingBreak) {
  EXPECT_EQ(BuildTrayHint(u"01:02:03", u"02:00:00", u"9:5:3", u"23:0:0"),
            u"Kovalune Wakespan v1.0\r\n"
            u"Wakespan: 01:02:03\r\n"
            u"Execute Action At: 02:00:00\r\n"
            u"Local Time: 9:5:3\r\n"
            u"Execute Action At: 23:0:0");
  EXPECT_EQ(BuildTrayHint(u"100:00:00", u"", u"0:0:0", u""),
            u"Kovalune Wakespan v1.0\r\nWakespan: 100:00:00\r\nExecute Action At: \r\n"
            u"Local Time: 0:0:0\r\nExecute Action At: ");
}

TEST(TrayHintText, TriggerTextsAreTakenWhole) {
  const Text huge(100000, u'x');
  const Text hint = BuildTrayHint(u"00:00:00", huge, u"0:0:0", huge);
  EXPECT_EQ(hint.size(), 22 + 2 + 18 + 2 + 19 + 100000 + 2 + 17 + 2 + 19 + 100000u);
}

TEST(TrayTipCut, KeepsAtMostTheLimitAndNeverHalfASurrogatePair) {
  const Text pair = u"\xD83D\xDE00";  // one character, two code units
  EXPECT_EQ(CutToLength(u"abc", 3), u"abc");
  EXPECT_EQ(CutToLength(u"abcd", 3), u"abc");
  EXPECT_EQ(CutToLength(u"abcd", 0), u"");
  EXPECT_EQ(CutToLength(u"ab" + pair, 3), u"ab") << "the pair would be split";
  EXPECT_EQ(CutToLength(u"a" + pair + u"b", 3), u"a" + pair);
  EXPECT_EQ(CutToLength(pair, 1), u"");
  EXPECT_EQ(CutToLength(u"ab\xDE00" u"cd", 3), u"ab\xDE00") << "a stray low surrogate is kept as it is";

  Text text(126, u'a');
  EXPECT_EQ(CutToLength(text + pair, kTipMaxLength), text);
  EXPECT_EQ(CutToLength(text.substr(1) + pair + u"z", kTipMaxLength), text.substr(1) + pair);
}

TEST(TrayTip, AnEqualHintChangesNothing) {
  TrayTip tip;
  EXPECT_FALSE(tip.SetHint(u"")) << "the hint starts empty";
  EXPECT_FALSE(tip.HasTip());
  EXPECT_TRUE(tip.SetHint(u"a"));
  EXPECT_FALSE(tip.SetHint(u"a"));
  EXPECT_TRUE(tip.HasTip());
  EXPECT_TRUE(tip.SetHint(u""));
  EXPECT_FALSE(tip.HasTip());
  EXPECT_EQ(tip.Tip(), u"");
}

TEST(TrayTip, TheTipIsCutAt127ButTheWholeHintIsCompared) {
  TrayTip tip;
  const Text head(127, u'h');
  EXPECT_TRUE(tip.SetHint(head + u"tail one"));
  EXPECT_EQ(tip.Tip(), head);
  EXPECT_EQ(tip.Hint(), head + u"tail one");
  // Only the lost part differs: still a change, so the icon is updated.
  EXPECT_TRUE(tip.SetHint(head + u"tail two"));
  EXPECT_EQ(tip.Tip(), head);

  const Text hint = BuildTrayHint(u"00:00:01", Text(100000, u'9'), u"0:0:1", Text(100000, u'9'));
  EXPECT_TRUE(tip.SetHint(hint));
  EXPECT_EQ(tip.Tip(), hint.substr(0, 127));
  EXPECT_FALSE(tip.SetHint(hint));
}

}  // namespace
