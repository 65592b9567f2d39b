#include <gtest/gtest.h>

#include "platform/TrayTip.h"

namespace {

using namespace platform;

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

  const Text hint = u"Kovalune Wakespan v1.0\r\n" + Text(200000, u'9');
  EXPECT_TRUE(tip.SetHint(hint));
  EXPECT_EQ(tip.Tip(), hint.substr(0, 127));
  EXPECT_FALSE(tip.SetHint(hint));
}

}  // namespace
