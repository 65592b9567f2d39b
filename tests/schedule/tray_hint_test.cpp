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

}  // namespace
