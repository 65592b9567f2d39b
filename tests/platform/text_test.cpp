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

platform::Text AsciiLower(const platform::Text& text) {
  platform::Text lower = text;
  for (char16_t& c : lower)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return lower;
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotInLowerCaseAfterTheFirstLetter) {
  auto title = [](const platform::Text& path) { return platform::ApplicationTitle(path, &AsciiLower); };
  EXPECT_EQ(title(u"C:\\Program Files\\Kovalune\\Wakespan.exe"), u"Wakespan");
  EXPECT_EQ(title(u"C:\\x\\WAKESPAN.EXE"), u"Wakespan");
  EXPECT_EQ(title(u"D:/tools/wakeSpan.v2.exe"), u"wakespan") << "the first letter stays as it is";
  EXPECT_EQ(title(u"c:\\a.b\\noext"), u"noext");
  EXPECT_EQ(title(u"Z:\\.hidden.exe"), u"");
  EXPECT_EQ(title(u"Z:\\Q.exe"), u"Q");
}

platform::Text lowered;
platform::Text RecordingLower(const platform::Text& text) {
  lowered = text;
  return u"<" + text + u">";
}

TEST(ApplicationTitle, LowerCasesEverythingAfterTheFirstCharacterThroughThePlatform) {
  EXPECT_EQ(platform::ApplicationTitle(u"C:\\\u00c9COLE.exe", &RecordingLower), u"\u00c9<COLE>");
  EXPECT_EQ(lowered, u"COLE") << "the first character is never handed over";
}

}  // namespace
