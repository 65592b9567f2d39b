#include <gtest/gtest.h>

#include "platform/AppTitle.h"
#include "platform/Text.h"

namespace {

using platform::FromUtf8;
using platform::ToUtf8;

TEST(Text, Utf8RoundTripsEveryPlane) {
  const platform::Text text = u"a\u00e9\u6f22\U0001F600z";
  EXPECT_EQ(ToUtf8(text), "a\xC3\xA9\xE6\xBC\xA2\xF0\x9F\x98\x80z");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Text, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xC3"), u"a\uFFFD");           // truncated sequence
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");   // overlong
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(ToUtf8(platform::Text(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace

namespace {

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotInLowerCaseAfterTheFirstLetter) {
  using platform::ApplicationTitle;
  EXPECT_EQ(ApplicationTitle(u"C:\\Program Files\\Kovalune\\Wakespan.exe"), u"Wakespan");
  EXPECT_EQ(ApplicationTitle(u"C:\\x\\WAKESPAN.EXE"), u"Wakespan");
  EXPECT_EQ(ApplicationTitle(u"D:/tools/wakeSpan.v2.exe"), u"wakespan") << "the first letter stays as it is";
  EXPECT_EQ(ApplicationTitle(u"c:\\a.b\\noext"), u"noext");
  EXPECT_EQ(ApplicationTitle(u"Z:\\.hidden.exe"), u"");
}

}  // namespace
