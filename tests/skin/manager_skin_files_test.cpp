// The skin manager and the files of its skin directory: listing skins,
// extracting internal ones, and surviving whatever a local user plants
// there.
#include <gtest/gtest.h>

#include <filesystem>

#include "SkinTestSupport.h"
#include "skin/data/sSkinLoader.h"
#include "skin/data/sSkinManager.h"

namespace wakespan {
namespace {

using test::Bytes;

ByteBuffer Skin(const std::string& section) {
  return PackSkinMembers({{"Options.dat", Bytes("[GLOBALINFO]\r\n[" + section + "]\r\n")}});
}

class ManagerSkinFilesTest : public ::testing::Test {
 protected:
  ManagerSkinFilesTest() : dir("files") {
    manager.SetSkinDirectory(dir.path().string());
    manager.OnMessage = [this](const std::string& text) { messages.push_back(text); };
    manager.SetInternalSkins({{"Internal", Skin("INTERNAL")}, {"another", Skin("ANOTHER")}});
    manager.SetSkinName("Internal");
  }

  // Selects `name` after "Internal" and says what was raised, if anything;
  // "Internal" must stay whole when the load fails.
  std::string Select(const std::string& name) {
    manager.SetSkinName("Internal");
    try {
      manager.SelectSkin(name, manager.GetFullSkinDirectory());
    } catch (const ESkinError& e) {
      EXPECT_EQ(manager.SkinName(), "Internal");
      EXPECT_EQ(manager.gd.at(1).ClassName, "INTERNAL") << "the previous model stays";
      return e.what();
    }
    return std::string();
  }

  void Plant(const std::string& name, uintmax_t size) const {
    dir.Write(name, {});
    std::filesystem::resize_file(dir.path() / name, size);
  }

  test::TempDir dir;
  TsSkinManager manager;
  std::vector<std::string> messages;
};

TEST_F(ManagerSkinFilesTest, SkinNamesListDirectorySkinsPackedFilesAndInternalSkinsSorted) {
  dir.Write("Blue/Options.dat", Bytes("[GLOBALINFO]\r\n"));
  dir.Write("NoOptions/readme.txt", Bytes("x"));
  dir.Write("green.ASZ", Skin("GREEN"));
  dir.Write("notes.txt", Bytes("x"));
  std::vector<std::string> names;
  manager.GetExternalSkinNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{"Blue", "green"}));
  manager.GetSkinNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{"another", "Blue", "green", "Internal"}));

  manager.SetSkinDirectory((dir.path() / "missing").string());
  manager.GetExternalSkinNames(names);
  EXPECT_TRUE(names.empty());
}

TEST_F(ManagerSkinFilesTest, InternalSkinsAreExtractedWithTheirMessagesOnFailure) {
  const std::string target = (dir.path() / "out" / "deeper").string();
  manager.ExtractInternalSkin("another", target);
  ByteBuffer written;
  ASSERT_TRUE(ReadFileIgnoringCase(target, "another extracted.asz", written));
  EXPECT_EQ(written, Skin("ANOTHER"));

  const auto message = [](auto action) {
    try {
      action();
    } catch (const ESkinError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { manager.ExtractInternalSkin("Unknown", target); }), "Skin does not exists.");
  EXPECT_EQ(message([&] { manager.ExtractByIndex(2, target); }), "Skin does not exists.");
  EXPECT_EQ(message([&] { manager.ExtractByIndex(-1, target); }), "Skin does not exists.");
  const std::string missing = (dir.path() / "missing").string();
  EXPECT_EQ(message([&] { manager.ExtractByIndex(0, missing); }), "Directory does not exists.");
  dir.Write("file", Bytes("x"));
  const std::string blocked = (dir.path() / "file" / "sub").string();
  EXPECT_EQ(message([&] { manager.ExtractInternalSkin("Internal", blocked); }),
            "Directory " + blocked + " creation error.");
}

TEST_F(ManagerSkinFilesTest, PlantedPackedFilesFailCleanly) {
  dir.Write("junk.asz", Bytes("not a skin"));
  EXPECT_EQ(Select("junk"), kNotPackedMessage);

  ByteBuffer cut = Skin("CUT");
  cut.resize(cut.size() - 5);
  dir.Write("cut.asz", cut);
  EXPECT_NE(Select("cut"), "");

  ByteBuffer lying = Skin("LIES");
  lying[4] = 0x7F;  // a member count far beyond the data
  dir.Write("lying.asz", lying);
  EXPECT_NE(Select("lying"), "");

  Plant("huge.asz", kMaxSkinFileBytes + 1);
  EXPECT_NE(Select("huge").find("too large"), std::string::npos);

  std::filesystem::create_directories(dir.path() / "folder.asz");
  EXPECT_EQ(Select("folder"), "") << "a directory of that name is no packed file";
  EXPECT_EQ(manager.SkinName(), "Internal") << "unknown name: the first internal skin";
}

TEST_F(ManagerSkinFilesTest, PlantedDirectorySkinsFailCleanlyOrLoad) {
  ByteBuffer noise(4096);
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = uint8_t(i * 7919 % 251);
  dir.Write("Noise/Options.dat", noise);
  EXPECT_EQ(Select("Noise"), "") << "binary text reads as some sections or none";

  Plant("Huge/Options.dat", kMaxSkinFileBytes + 1);
  EXPECT_NE(Select("Huge").find("too large"), std::string::npos);

  dir.Write("BigImage/Options.dat", Bytes("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"));
  Plant("BigImage/Master.bmp", kMaxSkinFileBytes + 1);
  EXPECT_NE(Select("BigImage").find("too large"), std::string::npos);

  std::filesystem::create_directories(dir.path() / "Folder" / "Options.dat");
  EXPECT_EQ(Select("Folder"), "");
  EXPECT_EQ(manager.SkinName(), "Internal") << "an options directory is no directory skin";
}

TEST_F(ManagerSkinFilesTest, AHeadlessManagerHandsLoadErrorsToOnMessage) {
  dir.Write("junk.asz", Bytes("junk"));
  manager.SetSkinName("junk");
  EXPECT_EQ(messages, (std::vector<std::string>{kNotPackedMessage}));
  EXPECT_EQ(manager.SkinName(), "Internal");
}

TEST_F(ManagerSkinFilesTest, OptionTextsBuiltToBeSlowLoadOrAreRefused) {
  // Many keys in one section: every key's first occurrence is looked up.
  std::string keys = "[GLOBALINFO]\r\n[MANY]\r\n";
  for (int i = 0; i < 60000; ++i) keys += "K" + std::to_string(i) + "=1\r\n";
  dir.Write("Keys/Options.dat", Bytes(keys));
  EXPECT_EQ(Select("Keys"), "");
  EXPECT_EQ(manager.gd.size(), 2u);

  // A long PARENTCLASS chain: every section inherits through all below it.
  std::string chain = "[GLOBALINFO]\r\n";
  for (int i = 0; i < 4000; ++i) chain += "[S" + std::to_string(i) + "]\r\nPARENTCLASS=S" + std::to_string(i + 1) + "\r\n";
  chain += "[S4000]\r\nCOLOR=77\r\nK=@0000@0000@0010@0010@1@0\r\nBORDERSMASK=^0000^0000^0010^0010^0000^0000^0000^0000^1^0^0^0\r\n";
  dir.Write("Chain/Options.dat", Bytes(chain));
  EXPECT_EQ(Select("Chain"), "");
  ASSERT_EQ(manager.gd.size(), 4002u);
  EXPECT_EQ(manager.gd[1].Color, 77);
  EXPECT_EQ(manager.gd[1].BorderIndex, 1);

  // One long section read again by every repetition of its name.
  std::string repeated = "[A]\r\n";
  for (int i = 0; i < 20000; ++i) repeated += "K" + std::to_string(i) + "=@0000@0000@0010@0010@1@0\r\n";
  for (int i = 0; i < 20000; ++i) repeated += "[A]\r\n";
  dir.Write("Repeated/Options.dat", Bytes(repeated));
  EXPECT_NE(Select("Repeated"), "") << "refused rather than listing 400 million values";
}

}  // namespace
}  // namespace wakespan
