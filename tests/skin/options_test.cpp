#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin/data/acMemIni.h"

namespace wakespan {
namespace {

TEST(OptionTextTest, SectionsKeysAndValuesFollowTheIniRules) {
  const TacMemIni ini(
      "KEY=before any section\r\n"
      "  [ FIRST ]  \r\n"
      "; a comment\r\n"
      "\r\n"
      "  Color  =  12  \r\n"
      "EMPTY=\r\n"
      "NOVALUE\r\n"
      "TEXT = a = b\r\n"
      "[SECOND]\n"
      "COLOR=$FF\r"
      "HEX=0x10\r\n"
      "[first]\r\n"
      "COLOR=99\r\n");
  ASSERT_EQ(ini.Sections().size(), 3u);
  EXPECT_EQ(ini.Sections()[0].Name, "FIRST");
  EXPECT_EQ(ini.Sections()[0].Keys.size(), 4u);
  EXPECT_EQ(ini.ReadInteger("first", "COLOR", -1), 12);  // letter case ignored, first section wins
  EXPECT_EQ(ini.ReadString("FIRST", "TEXT", "?"), "a = b");
  EXPECT_EQ(ini.ReadString("FIRST", "EMPTY", "?"), "");   // present for text
  EXPECT_EQ(ini.ReadInteger("FIRST", "EMPTY", -1), -1);    // absent for integers
  EXPECT_EQ(ini.ReadString("FIRST", "NOVALUE", "?"), "");
  EXPECT_EQ(ini.ReadString("FIRST", "KEY", "?"), "?");
  EXPECT_EQ(ini.ReadInteger("SECOND", "COLOR", -1), 255);
  EXPECT_EQ(ini.ReadInteger("SECOND", "HEX", -1), 16);
  EXPECT_EQ(ini.ReadString("MISSING", "COLOR", "d"), "d");
}

// Sections are sized ahead from their line count; headers that are indented
// or follow lone CRs must neither lose keys nor make every section claim
// room for the rest of a long text.
TEST(OptionTextTest, ManySectionsWithMisleadingLineEndsKeepEveryKeyInBoundedRoom) {
  std::string text;
  const int count = 1200;
  const auto indented = [](int i) { return i < count / 2; };
  for (int i = 0; i < count; ++i)
    text += indented(i) ? "  [S" + std::to_string(i) + "]\nK=" + std::to_string(i) + "\nL=x\n"
                        : "[S" + std::to_string(i) + "]\rK=" + std::to_string(i) + "\r\n";
  const TacMemIni ini(text);
  ASSERT_EQ(ini.Sections().size(), size_t(count));
  size_t room = 0;
  for (int i = 0; i < count; ++i) {
    const TacIniSection& s = ini.Sections()[size_t(i)];
    ASSERT_EQ(s.Keys.size(), indented(i) ? 2u : 1u) << i;
    EXPECT_EQ(ini.ReadInteger("S" + std::to_string(i), "K", -1), i);
    room += s.Keys.capacity();
  }
  // Linear in the text: at most twice one entry per line and section.
  const size_t lineFeeds = size_t(std::count(text.begin(), text.end(), '\n'));
  EXPECT_LE(room, 2 * (lineFeeds + size_t(count)));
}

TEST(OptionTextTest, EveryMixOfLineEndsSplitsLinesAlike) {
  const TacMemIni ini("[A]\n\rK=1\r\r\nL=2\n\nM=3\r\n\rN=4");
  ASSERT_EQ(ini.Sections().size(), 1u);
  ASSERT_EQ(ini.Sections()[0].Keys.size(), 4u);
  EXPECT_EQ(ini.ReadInteger("A", "K", -1), 1);
  EXPECT_EQ(ini.ReadInteger("A", "L", -1), 2);
  EXPECT_EQ(ini.ReadInteger("A", "M", -1), 3);
  EXPECT_EQ(ini.ReadInteger("A", "N", -1), 4);  // the last line needs no end
  EXPECT_TRUE(TacMemIni("").Sections().empty());
}

TEST(OptionTextTest, ExtensionsAreFoundWhateverTheirLetterCase) {
  EXPECT_TRUE(ContainsIgnoringCase("plain.bmp", ".BMP"));
  EXPECT_TRUE(ContainsIgnoringCase("a.b.Png!1", ".PNG"));  // a later "." matches
  EXPECT_FALSE(ContainsIgnoringCase("file.bm", ".BMP"));   // cut short at the end
  EXPECT_FALSE(ContainsIgnoringCase("BMP", ".BMP"));
  EXPECT_FALSE(ContainsIgnoringCase("", ".BMP"));
}

TEST(OptionTextTest, IntegersAndRealsParseAsWritten) {
  EXPECT_EQ(ParseSkinInteger("-15"), -15);
  EXPECT_EQ(ParseSkinInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseSkinInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseSkinInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseSkinInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseSkinInteger("$100000000"), std::nullopt);
  EXPECT_EQ(ParseSkinInteger("12a"), std::nullopt);
  EXPECT_EQ(ParseSkinInteger(""), std::nullopt);
  EXPECT_EQ(ParseSkinInteger("-"), std::nullopt);
  EXPECT_EQ(ParseSkinInteger("0x"), std::nullopt);
  EXPECT_DOUBLE_EQ(*ParseSkinFloat("6.4"), 6.4);
  EXPECT_DOUBLE_EQ(*ParseSkinFloat("-1.5e2"), -150);
  EXPECT_EQ(ParseSkinFloat("6,4"), std::nullopt);
  EXPECT_EQ(ParseSkinFloat("."), std::nullopt);
}

TEST(OptionTextTest, ByteOrderMarksSelectTheEncoding) {
  EXPECT_EQ(TacMemIni("\xEF\xBB\xBF[A]\r\nK=v\r\n").ReadString("A", "K", "?"), "v");
  const std::string utf16le("\xFF\xFE[\0A\0]\0\r\0\n\0K\0=\0\xE9\0", 18);
  EXPECT_EQ(TacMemIni(utf16le).ReadString("A", "K", "?"), "\xC3\xA9");
  const std::string utf16be("\xFE\xFF\0[\0A\0]\0\n\0K\0=\0v", 16);
  EXPECT_EQ(TacMemIni(utf16be).ReadString("A", "K", "?"), "v");
  EXPECT_NO_THROW(TacMemIni(std::string("\xFF\xFE\x00\xD8", 4)));  // lone surrogate
}

}  // namespace
}  // namespace wakespan
