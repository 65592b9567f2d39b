#pragma once
// Value semantics every registry backend must share. Included by one test file
// per backend; each supplies a Traits type with a static Backend() and a test
// key path that it clears before and after every case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Registry.h"

namespace registry_cases {

using platform::QueryResult;
using platform::RegistryError;
using platform::RegistrySession;
using platform::RootKey;
using platform::Text;
using platform::ValueType;

inline std::vector<uint8_t> Utf16Bytes(const Text& text, bool terminated = true) {
  std::vector<uint8_t> bytes;
  for (char16_t c : text) {
    bytes.push_back(uint8_t(c));
    bytes.push_back(uint8_t(c >> 8));
  }
  if (terminated) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

template <typename Traits>
class RegistrySemantics : public ::testing::Test {
 protected:
  void SetUp() override { Traits::Clear(); }
  void TearDown() override { Traits::Clear(); }

  platform::RegistryBackend& backend() { return Traits::Backend(); }
  Text key() const { return Traits::TestKey(); }

  void Plant(const Text& name, ValueType type, const std::vector<uint8_t>& data) {
    platform::KeyHandle handle = 0;
    ASSERT_TRUE(backend().CreateKey(RootKey::CurrentUser, key(), handle));
    ASSERT_TRUE(backend().SetValue(handle, name, type, data));
    backend().CloseKey(handle);
  }

  // The error text a call throws, or "" when it returns normally.
  template <typename F>
  static std::string ErrorOf(F&& call) {
    try {
      call();
    } catch (const RegistryError& e) {
      return e.what();
    }
    return "";
  }
};

TYPED_TEST_SUITE_P(RegistrySemantics);

TYPED_TEST_P(RegistrySemantics, KeysAreCreatedAndOpenedOnlyWhenTheyExist) {
  RegistrySession session(this->backend(), RootKey::CurrentUser);
  EXPECT_FALSE(session.KeyExists(this->key()));
  EXPECT_FALSE(session.OpenKey(this->key()));
  EXPECT_FALSE(session.HasOpenKey());
  session.CreateKey(this->key() + u"\\Deeper\\Level");
  EXPECT_TRUE(session.KeyExists(this->key()));
  EXPECT_TRUE(session.KeyExists(this->key() + u"\\Deeper\\Level"));
  EXPECT_TRUE(session.OpenKey(this->key()));
  EXPECT_TRUE(session.HasOpenKey());
}

TYPED_TEST_P(RegistrySemantics, FlagsAndIntegersRoundTripAsDwords) {
  RegistrySession session(this->backend(), RootKey::CurrentUser);
  session.CreateKey(this->key());
  ASSERT_TRUE(session.OpenKey(this->key()));
  session.WriteBool(u"On", true);
  session.WriteBool(u"Off", false);
  session.WriteInteger(u"Negative", -1);
  session.WriteInteger(u"Seven", 7);
  EXPECT_TRUE(session.ReadBool(u"On"));
  EXPECT_FALSE(session.ReadBool(u"Off"));
  EXPECT_TRUE(session.ReadBool(u"Seven"));  // any non-zero value is set
  EXPECT_EQ(session.ReadInteger(u"Negative"), -1);
  EXPECT_EQ(session.ReadInteger(u"seven"), 7);  // names are case-insensitive

  session.CloseKey();
  platform::KeyHandle handle = 0;
  ASSERT_TRUE(this->backend().OpenKey(RootKey::CurrentUser, this->key(), platform::Access::Read, handle));
  QueryResult on = this->backend().QueryValue(handle, u"On", 16);
  this->backend().CloseKey(handle);
  EXPECT_EQ(on.type, ValueType::Dword);
  EXPECT_EQ(on.data, (std::vector<uint8_t>{1, 0, 0, 0}));
}

TYPED_TEST_P(RegistrySemantics, FlagReadsFailWithTheValueName) {
  this->Plant(u"Text1", ValueType::String, Utf16Bytes(u"1"));           // 4 bytes: wrong type
  this->Plant(u"LongText", ValueType::String, Utf16Bytes(u"12345"));    // 12 bytes: does not fit
  this->Plant(u"Short", ValueType::Binary, {1, 2});
  this->Plant(u"Quad", ValueType::Qword, {1, 0, 0, 0, 0, 0, 0, 0});
  RegistrySession session(this->backend(), RootKey::CurrentUser);
  auto read = [&](const Text& name) { return this->ErrorOf([&] { session.ReadBool(name); }); };
  EXPECT_EQ(read(u"Missing"), "Failed to get data for 'Missing'");  // no key open yet
  ASSERT_TRUE(session.OpenKey(this->key()));
  EXPECT_EQ(read(u"Missing"), "Failed to get data for 'Missing'");
  EXPECT_EQ(read(u"Text1"), "Invalid data type for 'Text1'");
  EXPECT_EQ(read(u"LongText"), "Failed to get data for 'LongText'");
  EXPECT_EQ(read(u"Short"), "Invalid data type for 'Short'");
  EXPECT_EQ(read(u"Quad"), "Failed to get data for 'Quad'");
}

TYPED_TEST_P(RegistrySemantics, TextReadsAreLiteralAndForgiving) {
  this->Plant(u"Expand", ValueType::ExpandString, Utf16Bytes(u"%PATH%\\x"));
  this->Plant(u"Embedded", ValueType::String, Utf16Bytes(Text(u"ab\0cd", 5)));
  this->Plant(u"Unterminated", ValueType::String, Utf16Bytes(u"xyz", false));
  this->Plant(u"Empty", ValueType::String, {});
  this->Plant(u"EmptyBinary", ValueType::Binary, {});
  this->Plant(u"Number", ValueType::Dword, {1, 0, 0, 0});
  RegistrySession session(this->backend(), RootKey::CurrentUser);
  EXPECT_EQ(session.ReadString(u"Expand"), u"") << "no key open";
  ASSERT_TRUE(session.OpenKey(this->key()));
  EXPECT_EQ(session.ReadString(u"Missing"), u"");
  EXPECT_EQ(session.ReadString(u"Expand"), u"%PATH%\\x");
  EXPECT_EQ(session.ReadString(u"Embedded"), u"ab");
  EXPECT_EQ(session.ReadString(u"Unterminated"), u"xyz");
  EXPECT_EQ(session.ReadString(u"Empty"), u"");
  EXPECT_EQ(session.ReadString(u"EmptyBinary"), u"");
  EXPECT_EQ(this->ErrorOf([&] { session.ReadString(u"Number"); }), "Invalid data type for 'Number'");
}

TYPED_TEST_P(RegistrySemantics, TextsRoundTripUnchanged) {
  const Text huge(100000, u'7');
  const Text blanks = u"  23:0:0  ";
  const Text foreign = u"\u00e9t\u00e9 \u6f22\u5b57 \U0001F600";
  RegistrySession session(this->backend(), RootKey::CurrentUser);
  session.CreateKey(this->key());
  ASSERT_TRUE(session.OpenKey(this->key()));
  session.WriteString(u"Huge", huge);
  session.WriteString(u"Blanks", blanks);
  session.WriteString(u"Foreign", foreign);
  session.WriteString(u"Nothing", u"");
  EXPECT_EQ(session.ReadString(u"Huge"), huge);
  EXPECT_EQ(session.ReadString(u"Blanks"), blanks);
  EXPECT_EQ(session.ReadString(u"Foreign"), foreign);
  EXPECT_EQ(session.ReadString(u"Nothing"), u"");
  session.CloseKey();
  platform::KeyHandle handle = 0;
  ASSERT_TRUE(this->backend().OpenKey(RootKey::CurrentUser, this->key(), platform::Access::Read, handle));
  QueryResult raw = this->backend().QueryValue(handle, u"Blanks", 0);
  this->backend().CloseKey(handle);
  EXPECT_EQ(raw.type, ValueType::String);
  EXPECT_EQ(raw.size, (blanks.size() + 1) * 2) << "stored with its terminating NUL";
}

TYPED_TEST_P(RegistrySemantics, WritesAndDeletesNeedAnOpenKey) {
  RegistrySession session(this->backend(), RootKey::CurrentUser);
  EXPECT_EQ(this->ErrorOf([&] { session.WriteBool(u"Flag", true); }), "Failed to set data for 'Flag'");
  EXPECT_EQ(this->ErrorOf([&] { session.WriteString(u"Text", u"x"); }), "Failed to set data for 'Text'");
  EXPECT_FALSE(session.DeleteValue(u"Flag"));
  session.CreateKey(this->key());
  ASSERT_TRUE(session.OpenKey(this->key()));
  EXPECT_FALSE(session.DeleteValue(u"NeverWritten"));
  session.WriteInteger(u"Gone", 3);
  EXPECT_TRUE(session.DeleteValue(u"Gone"));
  EXPECT_EQ(this->ErrorOf([&] { session.ReadInteger(u"Gone"); }), "Failed to get data for 'Gone'");
  // A failed open leaves no key open: later writes fail too.
  EXPECT_FALSE(session.OpenKey(this->key() + u"\\Absent"));
  EXPECT_EQ(this->ErrorOf([&] { session.WriteInteger(u"After", 1); }), "Failed to set data for 'After'");
}

REGISTER_TYPED_TEST_SUITE_P(RegistrySemantics, KeysAreCreatedAndOpenedOnlyWhenTheyExist,
                            FlagsAndIntegersRoundTripAsDwords, FlagReadsFailWithTheValueName,
                            TextReadsAreLiteralAndForgiving, TextsRoundTripUnchanged, WritesAndDeletesNeedAnOpenKey);

}  // namespace registry_cases
