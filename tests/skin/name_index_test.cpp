#include <gtest/gtest.h>

#include <string>

#include "skin/data/FirstIndex.h"
#include "skin/data/NameHash.h"
#include "skin/data/acMemIni.h"

namespace wakespan {
namespace {

// Indexes that ignore letter case rely on names equal but for ASCII case
// hashing alike, whatever the length and wherever the letter stands (the
// hash folds eight bytes at a time and reads short tails specially).
TEST(NameHashTest, NamesEqualButForLetterCaseHashAlike) {
  for (size_t length = 1; length <= 40; ++length)
    for (size_t at = 0; at < length; ++at)
      for (char c = 'a'; c <= 'z'; ++c) {
        std::string lower(length, '_'), upper(length, '_');
        lower[at] = c;
        upper[at] = char(c - 'a' + 'A');
        ASSERT_EQ(HashName(lower), HashName(upper)) << length << " " << at << " " << c;
      }
  // Bytes next to the letter ranges and above ASCII are no letters.
  EXPECT_NE(HashName("@"), HashName("`"));
  EXPECT_NE(HashName("[x]"), HashName("{x}"));
  EXPECT_NE(HashName("\xC1"), HashName("\xE1"));
  EXPECT_NE(HashName(""), HashName(std::string(1, '\0')));
  EXPECT_NE(HashName("AB", HashName("C")), HashName("B", HashName("CA")));
}

TEST(FirstIndexTest, TheFirstPositionOfANameWinsAcrossGrowth) {
  FirstIndex<std::string_view, SameTextAsciiEqual> index;  // starts small and grows
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) names.push_back("Section" + std::to_string(i));
  for (int i = 0; i < 300; ++i) EXPECT_EQ(index.Add(names[size_t(i)], i), i);
  const std::string again = "SECTION7";
  EXPECT_EQ(index.Add(again, 999), 7);  // already there: the first stays
  for (int i = 0; i < 300; ++i) EXPECT_EQ(index.Find(names[size_t(i)]), i);
  EXPECT_EQ(index.Find("section299"), 299);
  EXPECT_EQ(index.Find("Section300"), -1);
  EXPECT_EQ(index.Find(""), -1);

  FirstIndex<std::string_view> exact(1);
  exact.Add("Name", 0);
  EXPECT_EQ(exact.Find("NAME"), -1);  // same hash, different key
  EXPECT_EQ(exact.Find("Name"), 0);
}

}  // namespace
}  // namespace wakespan
