#include <gtest/gtest.h>

#include "platform/AppTitle.h"
#include "platform/win32/WideText.h"

namespace {

TEST(Win32Text, LowerCaseFollowsThePlatformsUnicodeRules) {
  EXPECT_EQ(platform::LowerCase(u"WAKESPAN \u00c9\u00c0\u00c7 \u0394\u0391 \u0416\u042f \u0178"),
            u"wakespan \u00e9\u00e0\u00e7 \u03b4\u03b1 \u0436\u044f \u00ff");
  EXPECT_EQ(platform::LowerCase(u""), u"");
  EXPECT_EQ(platform::ApplicationTitle(u"C:\\Programme\\\u00c9COLE\u00c9T\u00c9.exe", &platform::LowerCase),
            u"\u00c9cole\u00e9t\u00e9");
}

}  // namespace
