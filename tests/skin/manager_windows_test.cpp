// What the skin manager tells the program's windows, recorded through a
// windows object that logs every request: loading from the form data,
// changing, removing and failing to load a skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "SkinTestSupport.h"
#include "skin/data/acSkinWindows.h"
#include "skin/data/sSkinManager.h"

namespace wakespan {
namespace {

using test::Bytes;
using Log = std::vector<std::string>;

class RecordingWindows : public TacSkinWindows {
 public:
  Log log;
  bool ownerLoading = false;
  // The model's section count at each command 1, 2 or 3: what the windows
  // would find when they look.
  std::vector<size_t> sectionsSeen;

  void Broadcast(const TsSkinManager& sender, TacEngineCommand command, std::string_view section) override {
    std::string entry = "cmd " + std::to_string(int(command));
    if (!section.empty()) entry += " " + std::string(section);
    log.push_back(entry);
    sectionsSeen.push_back(sender.gd.size());
  }
  void SendCommand(TacWindowHandle window, TacEngineCommand command, const TsSkinManager&) override {
    log.push_back("send " + std::to_string(window) + " " + std::to_string(int(command)));
  }
  void FreezeForms(const TsSkinManager&) override { log.push_back("freeze"); }
  void UnfreezeForms(const TsSkinManager&) override { log.push_back("unfreeze"); }
  void RedrawHookedWindows() override { log.push_back("redraw hooked"); }
  void InstallHook(TsSkinManager&) override { log.push_back("hook"); }
  void RemoveHook() override { log.push_back("unhook"); }
  void ReleaseGlows() override { log.push_back("glows"); }
  void ResetMenuBorderWidth() override { log.push_back("menu border"); }
  void UpdateStdDialogs(bool skinned) override { log.push_back(skinned ? "dialogs on" : "dialogs off"); }
  void ShowError(const std::string& text) override { log.push_back("error: " + text); }
  void ShowMessage(const std::string& text) override { log.push_back("message: " + text); }
  bool OwnerLoading() const override { return ownerLoading; }

  Log Take() { return std::exchange(log, {}); }
};

ByteBuffer Skin(const std::string& firstSection, const std::string& more = "") {
  return PackSkinMembers({{"Options.dat", Bytes("[GLOBALINFO]\r\nVERSION=6.4\r\n[" + firstSection + "]\r\n" + more)}});
}

// The freeze of the apply step stays until the repaint's own unfreeze.
const Log kApplyAndRepaint = {"glows",  "freeze", "menu border", "cmd 1",        "freeze",
                              "cmd 16", "cmd 3",  "unfreeze",    "redraw hooked"};

// A manager with a recorder, reading its skins from an empty skin directory.
class ManagerWindowsTest : public ::testing::Test {
 protected:
  ManagerWindowsTest() : dir("mgr") { manager.SetSkinDirectory(dir.path().string()); }

  Log Change(const std::string& name) {
    windows.Take();
    manager.SetSkinName(name);
    return windows.Take();
  }
  static Log Framed(Log middle) {
    middle.insert(middle.begin(), "before");
    middle.push_back("after");
    middle.push_back("dialogs on");
    return middle;
  }
  void TrackChanges() {
    manager.OnBeforeChange = [this](TsSkinManager&) { windows.log.push_back("before"); };
    manager.OnAfterChange = [this](TsSkinManager&) { windows.log.push_back("after"); };
  }

  test::TempDir dir;
  RecordingWindows windows;
  TsSkinManager manager{&windows};
};

TEST_F(ManagerWindowsTest, FormDataLoadsTheSkinAtOnceButAppliesItOnlyWhenTheFormHasLoaded) {
  TsStoredManagerProperties stored = MainformSkinManagerProperties(Skin("WMP"));
  stored.SkinDirectory = dir.path().string();
  manager.ReadProperties(stored);
  EXPECT_EQ(manager.gd.size(), 2u) << "the internal skin is there before the name arrives";
  EXPECT_EQ(manager.SkinName(), "WMP11 (internal)");
  EXPECT_EQ(windows.Take(), (Log{"dialogs on"})) << "nothing reaches the windows while the form loads";

  manager.Loaded();
  EXPECT_EQ(windows.Take(), (Log{"glows", "menu border", "cmd 1", "hook", "dialogs on"}))
      << "applied without a repaint, the hook installed with the first applied skin";
  EXPECT_TRUE(manager.SkinData.Active);
  EXPECT_EQ(manager.SkinInfo(), "6.4");
  EXPECT_TRUE(manager.GlobalHookInstalled);
}

TEST_F(ManagerWindowsTest, TheWindowsSideCanHoldTheApplyBackWhileTheOwnerLoads) {
  manager.SetInternalSkins({{"A", Skin("A")}});
  windows.ownerLoading = true;
  EXPECT_EQ(Change("A"), (Log{"dialogs on"}));
  windows.ownerLoading = false;
  manager.UpdateSkin(false);
  EXPECT_EQ(windows.Take(), (Log{"glows", "menu border", "cmd 1", "hook"}));
}

TEST_F(ManagerWindowsTest, ChangingRemovingAndRestoringTheSkin) {
  manager.SetInternalSkins({{"A", Skin("A")}, {"B", Skin("B")}});
  TrackChanges();
  Log first = kApplyAndRepaint;
  first.insert(first.begin() + 4, "hook");
  EXPECT_EQ(Change("A"), Framed(first));
  EXPECT_EQ(Change("B"), Framed(kApplyAndRepaint)) << "the hook stays installed";
  EXPECT_EQ(manager.gd.at(1).ClassName, "B");

  manager.SetActive(false);
  EXPECT_EQ(windows.Take(), (Log{"glows", "unhook", "cmd 2", "dialogs off"}));
  EXPECT_EQ(windows.sectionsSeen.back(), 2u) << "the windows drop the skin before the model is emptied";
  EXPECT_TRUE(manager.gd.empty());
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_EQ(Change("A"), (Log{"dialogs off"})) << "inactive: the name is only stored";

  manager.SetActive(true);
  EXPECT_EQ(windows.Take(), Framed(first)) << "loaded again, applied, hooked again";
  EXPECT_EQ(manager.gd.at(1).ClassName, "A");
}

TEST_F(ManagerWindowsTest, NoSkinAnywhereTurnsTheManagerInactiveWithoutAMessage) {
  manager.SetInternalSkins({{"A", Skin("A")}});
  manager.SetSkinName("A");
  manager.SetInternalSkins({});
  EXPECT_EQ(Change("Missing"), (Log{"glows", "unhook", "cmd 2", "dialogs off"}));
  EXPECT_FALSE(manager.Active());
  EXPECT_TRUE(manager.gd.empty());
  EXPECT_EQ(manager.SkinName(), "Missing");
}

TEST_F(ManagerWindowsTest, AnUnknownNameSelectsTheFirstInternalSkinAndTakesItsName) {
  manager.SetInternalSkins({{"WMP11 (internal)", Skin("FIRST")}, {"Other", Skin("OTHER")}});
  manager.SetSkinName("wmp11 (INTERNAL)");
  EXPECT_EQ(manager.SkinName(), "WMP11 (internal)");
  EXPECT_EQ(manager.gd.at(1).ClassName, "FIRST");
}

TEST_F(ManagerWindowsTest, AFailedLoadShowsItsErrorKeepsTheNameAndReappliesThePreviousSkin) {
  const ByteBuffer badValue = Skin("BAD", "K=@0000@0000@0010@00x0@1@0\r\n");
  manager.SetInternalSkins({{"Good", Skin("GOOD")}, {"Bad", badValue}});
  manager.SetSkinName("Good");
  const Log log = Change("Bad");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front().rfind("error: ", 0), 0u) << log.front();
  EXPECT_NE(log.front().find("00x0"), std::string::npos) << "the text names the bad value";
  Log applied = kApplyAndRepaint;
  applied.push_back("dialogs on");
  EXPECT_EQ(Log(log.begin() + 1, log.end()), applied)
      << "then the model as it stands is applied";
  EXPECT_EQ(manager.SkinName(), "Good");
  EXPECT_EQ(manager.gd.at(1).ClassName, "GOOD");
  EXPECT_TRUE(manager.SkinData.Active);
}

TEST_F(ManagerWindowsTest, AJunkPackedFileAtStartUpLeavesTheWindowsUnskinned) {
  dir.Write("WMP11 (internal).asz", Bytes("MZ this is no packed skin at all"));
  TsStoredManagerProperties stored = MainformSkinManagerProperties(Skin("WMP"));
  stored.SkinDirectory = dir.path().string();
  manager.ReadProperties(stored);
  const Log log = windows.Take();
  EXPECT_EQ(log, (Log{std::string("error: ") + kNotPackedMessage, "glows", "cmd 2", "dialogs on"}))
      << "no model to apply: the windows keep their own look";
  EXPECT_EQ(manager.SkinName(), "") << "the name before the failed one";
  EXPECT_TRUE(manager.gd.empty());
  manager.Loaded();
  EXPECT_EQ(windows.Take(), (Log{"dialogs on"}));
  EXPECT_EQ(manager.SkinInfo(), "N/A");
}

TEST_F(ManagerWindowsTest, UpdatesHoldTheApplyBackUntilTheirEnd) {
  manager.SetInternalSkins({{"A", Skin("A")}, {"B", Skin("B")}});
  manager.SetSkinName("A");
  windows.Take();
  manager.BeginUpdate();
  manager.BeginUpdate();
  manager.SetSkinName("B");
  manager.EndUpdate(true);
  EXPECT_EQ(windows.Take(), (Log{"dialogs on"})) << "loaded, not yet applied";
  manager.EndUpdate(false);
  EXPECT_EQ(windows.Take(), (Log{"glows", "menu border", "cmd 1"}));
  manager.EndUpdate(true);
  EXPECT_TRUE(windows.Take().empty()) << "an unmatched end does nothing";
}

TEST_F(ManagerWindowsTest, RepaintsSectionsAndTheControlUnderTheMouse) {
  manager.SetInternalSkins({{"A", Skin("A")}});
  manager.SetSkinName("A");
  windows.Take();
  manager.RepaintForms();
  EXPECT_EQ(windows.Take(), (Log{"freeze", "cmd 16", "cmd 3", "unfreeze", "redraw hooked"}));
  manager.UpdateSkinSection("MenuItem");
  EXPECT_EQ(windows.Take(), (Log{"cmd 13 MENUITEM"}));

  manager.SetActiveControl(0x101);
  manager.SetActiveControl(0x101);
  manager.SetActiveControl(0x202);
  manager.SetActiveControl(0);
  EXPECT_EQ(windows.Take(), (Log{"send 257 29", "send 257 30", "send 514 29", "send 514 30"}));
}

TEST_F(ManagerWindowsTest, ANewerSkinIsAnnouncedThroughTheWindowsAndUsed) {
  manager.SetInternalSkins({{"New", PackSkinMembers({{"Options.dat", Bytes("[GLOBALINFO]\r\nVERSION=7.01\r\n")}})}});
  const Log log = Change("New");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), std::string("message: ") + kSkinTooNewMessage);
  EXPECT_EQ(manager.SkinInfo(), "7.01");
}

TEST(ManagerDefaultTest, TheFirstManagerIsTheDefaultAndOnlyItInstallsTheHook) {
  ASSERT_EQ(TsSkinManager::DefaultManager(), nullptr);
  RecordingWindows windows;
  {
    TsSkinManager first(&windows);
    TsSkinManager second(&windows);
    EXPECT_TRUE(first.IsDefault());
    EXPECT_FALSE(second.IsDefault());
    second.SetInternalSkins({{"A", Skin("A")}});
    second.SetSkinName("A");
    EXPECT_FALSE(second.GlobalHookInstalled);
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "hook"), 0);
    windows.Take();
  }
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
  EXPECT_EQ(windows.Take(), (Log{"glows", "cmd 2", "dialogs off", "glows", "cmd 2", "dialogs off"}))
      << "destruction removes the skin";
}

}  // namespace
}  // namespace wakespan
