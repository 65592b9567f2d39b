#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"

namespace wakespan {
namespace {

using test::Bytes;

ByteBuffer SampleContainer() {
  ByteBuffer big(70000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = uint8_t(i * 7 + i / 300);
  return PackSkinMembers({{"Options.dat", Bytes("[GLOBALINFO]\r\nVERSION=6.4\r\n")},
                          {"Big.bmp", big},
                          {"glyph.png", Bytes("png bytes")},
                          {"Mixed.Bmp", {}}});
}

std::unique_ptr<TacSkinConvertor> Unpack(const ByteBuffer& data) {
  auto reader = std::make_unique<TacSkinConvertor>();
  reader->LendPackedData(data);
  UnpackSkinData(reader);
  return reader;
}

TEST(ContainerTest, MembersFollowEachOtherAndKeepTheirOrderNamesAndSizes) {
  const ByteBuffer data = SampleContainer();
  auto reader = Unpack(data);
  EXPECT_EQ(reader->ImageCount, 3);
  ASSERT_TRUE(reader->Options);
  EXPECT_EQ(std::string(reader->Options->begin(), reader->Options->end()), "[GLOBALINFO]\r\nVERSION=6.4\r\n");
  ASSERT_EQ(reader->Files.size(), 3u);
  EXPECT_EQ(reader->Files[0].FileName, "Big.bmp");
  EXPECT_TRUE(reader->Files[0].IsBitmap);
  EXPECT_EQ(reader->Files[0].FileStream.size(), 70000u);
  EXPECT_EQ(reader->Files[0].FileStream[69999], uint8_t(69999 * 7 + 69999 / 300));
  EXPECT_EQ(reader->Files[1].FileName, "glyph.png");
  EXPECT_FALSE(reader->Files[1].IsBitmap);
  EXPECT_EQ(reader->Files[1].FileStream, Bytes("png bytes"));
  EXPECT_TRUE(reader->Files[2].IsBitmap);
  EXPECT_TRUE(reader->Files[2].FileStream.empty());
  EXPECT_EQ(reader->PackedPosition(), data.size());
  EXPECT_EQ(reader->FindImage("GLYPH.PNG"), &reader->Files[1]);
  EXPECT_EQ(reader->FindImage("glyph.png"), nullptr);  // the name is compared upper-cased
  EXPECT_EQ(data[8 + 4 + 11 + 4], 0x78);              // zlib header of the first stream
  EXPECT_EQ(data[8 + 4 + 11 + 4 + 1], 0x9C);
}

TEST(ContainerTest, OptionsMemberIsFoundInAnyLetterCaseAndEmptyContainerHasNothing) {
  auto reader = Unpack(PackSkinMembers({{"OPTIONS.DAT", Bytes("x")}, {"a.bmp", Bytes("y")}}));
  ASSERT_TRUE(reader->Options);
  EXPECT_EQ(reader->Files.size(), 1u);

  auto empty = Unpack(PackSkinMembers({}));
  EXPECT_EQ(empty->ImageCount, -1);
  EXPECT_TRUE(empty->Files.empty());
  EXPECT_FALSE(empty->Options);
}

TEST(ContainerTest, WrongMagicReleasesTheReaderAndLeavesTheLentDataAlone) {
  ByteBuffer data = SampleContainer();
  data[3] = 'F';
  const ByteBuffer copy = data;
  auto reader = std::make_unique<TacSkinConvertor>();
  reader->LendPackedData(data);
  try {
    UnpackSkinData(reader);
    FAIL() << "no error";
  } catch (const ESkinError& e) {
    EXPECT_STREQ(e.what(), "Loaded data is not a packed Orvelle file");
  }
  EXPECT_EQ(reader, nullptr);
  EXPECT_EQ(data, copy);
  for (size_t n = 0; n < 4; ++n) EXPECT_THROW(Unpack(ByteBuffer(data.begin(), data.begin() + long(n))), ESkinError);
}

TEST(ContainerTest, EveryTruncationIsAnErrorAndNothingIsReadPastTheData) {
  const ByteBuffer data = SampleContainer();
  for (size_t n = 0; n < data.size(); n += (n < 200 ? 1 : 97)) {
    const ByteBuffer cut(data.begin(), data.begin() + long(n));
    EXPECT_THROW(Unpack(cut), ESkinError) << "cut at " << n;
  }
}

// Container bytes with one member whose header fields are given.
ByteBuffer RawMember(int32_t nameLength, const std::string& name, int32_t size, const ByteBuffer& stream) {
  ByteBuffer b = Bytes("ASzf");
  auto put = [&b](int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
  };
  put(1);
  put(nameLength);
  b.insert(b.end(), name.begin(), name.end());
  put(size);
  b.insert(b.end(), stream.begin(), stream.end());
  return b;
}

ByteBuffer StreamOf(const ByteBuffer& content) {
  const ByteBuffer one = PackSkinMembers({{"n", content}});
  return ByteBuffer(one.begin() + 4 + 4 + 4 + 1 + 4, one.end());
}

TEST(ContainerTest, MalformedHeadersAndStreamsAreRejected) {
  const ByteBuffer stream = StreamOf(Bytes("hello hello hello"));
  EXPECT_NO_THROW(Unpack(RawMember(1, "n", 17, stream)));
  EXPECT_THROW(Unpack(RawMember(-1, "", 17, stream)), ESkinError);                 // negative name length
  EXPECT_THROW(Unpack(RawMember(0x7FFFFFFF, "n", 17, stream)), ESkinError);        // name past the end
  EXPECT_THROW(Unpack(RawMember(1, "n", -5, stream)), ESkinError);                 // negative size
  EXPECT_THROW(Unpack(RawMember(1, "n", 0x7FFFFFFF, stream)), ESkinError);         // stream ends first
  EXPECT_THROW(Unpack(RawMember(1, "n", 16, stream)), ESkinError);                 // inflates to more
  ByteBuffer corrupt = stream;
  corrupt[4] ^= 0xFF;
  EXPECT_THROW(Unpack(RawMember(1, "n", 17, corrupt)), ESkinError);
  ByteBuffer badChecksum = stream;
  badChecksum.back() ^= 1;
  try {
    Unpack(RawMember(1, "n", 17, badChecksum));
    FAIL() << "no error";
  } catch (const ESkinError& e) {
    EXPECT_NE(std::string(e.what()).find("incorrect data check"), std::string::npos) << e.what();
  }
}

TEST(ContainerTest, MembersReadBeforeAnErrorStayUntilCleared) {
  ByteBuffer data = PackSkinMembers({{"a.bmp", Bytes("aaaa")}, {"b.bmp", Bytes("bbbb")}});
  data.resize(data.size() - 3);
  auto reader = std::make_unique<TacSkinConvertor>();
  reader->LendPackedData(data);
  EXPECT_THROW(UnpackSkinData(reader), ESkinError);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->Files.size(), 1u);
  reader->Clear();
  EXPECT_TRUE(reader->Files.empty());
  EXPECT_FALSE(reader->HasPackedData());
}

TEST(ContainerTest, LoadingAFileThatIsNotThereLeavesTheReaderAsItWas) {
  std::unique_ptr<TacSkinConvertor> reader;
  LoadPackedSkinFile("/nonexistent/dir/skin.asz", reader, true);
  EXPECT_EQ(reader, nullptr);

  test::TempDir dir("pack");
  dir.Write("s.asz", SampleContainer());
  LoadPackedSkinFile((dir.path() / "s.asz").string(), reader, true);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->Files.size(), 3u);
  EXPECT_FALSE(reader->HasPackedData());  // released after unpacking
}

TEST(ContainerTest, SkinLoadsRejectAMissingOptionsMemberAndAMissingFile) {
  TsSkinManager manager;
  const ByteBuffer noOptions = PackSkinMembers({{"a.bmp", Bytes("x")}});
  EXPECT_THROW(manager.LoadPackedData(noOptions.data(), noOptions.size()), ESkinError);
  EXPECT_THROW(manager.LoadPackedFile("/nonexistent/skin.asz", ""), ESkinError);
  const ByteBuffer notPacked = Bytes("[GLOBALINFO]");
  EXPECT_THROW(manager.LoadPackedData(notPacked.data(), notPacked.size()), ESkinError);
  EXPECT_TRUE(manager.gd.empty());
}

}  // namespace
}  // namespace wakespan
